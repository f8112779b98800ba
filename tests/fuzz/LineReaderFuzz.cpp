// The line reader against the plain split of the file's bytes: every way of
// reading (a line as a view, a line skipped, the end asked for between them),
// through a buffer of 1 byte up to the default size; and the line ends found
// a block at a time against a byte-by-byte count.

#include "FuzzSupport.h"

#include "dictionary/LineEnds.h"
#include "dictionary/LineReader.h"
#include "reference/PlainText.h"
#include "translate/WorkingText.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// Reads every line, skipping those whose bit of `skips` is set (the bits
// taken in turn), and checks each read, each end and what follows the end.
void readThrough(const std::string &path, std::size_t bufferSize, unsigned skips,
                 const std::vector<std::string> &expected)
{
    const std::string where = " (buffer " + std::to_string(bufferSize) + ")";
    zelvora::LineReader reader(path, bufferSize);
    fuzz::check(reader.atEnd() == expected.empty(), "at the end before the first line" + where);
    std::size_t read = 0;
    while (!reader.atEnd()) {
        const std::string line = "line " + std::to_string(read) + where;
        fuzz::check(read < expected.size(), "more lines than the file holds" + where);
        if (skips >> (read % 8) & 1) {
            reader.skipLine();
            ++read;
        } else {
            const std::string_view view = reader.readLineView();
            ++read;
            // Asking for the end must leave the view as it was.
            const bool atEnd = reader.atEnd();
            fuzz::expectSame(view, expected[read - 1], line);
            fuzz::check(atEnd == (read == expected.size()), "the end after " + line);
        }
    }
    fuzz::expectSame(read, expected.size(), "lines read" + where);
    for (int past = 0; past < 2; ++past) {
        fuzz::expectSame(reader.readLineView(), "", "a line past the end" + where);
        reader.skipLine();
        fuzz::check(reader.atEnd(), "the end past the end" + where);
    }
}

void checkLineEndBits(std::string_view bytes)
{
    for (std::size_t start = 0; start + zelvora::LineEndBlockBytes <= bytes.size(); start += 13) {
        const char *block = bytes.data() + start;
        std::uint64_t expected = 0;
        for (std::size_t i = 0; i < zelvora::LineEndBlockBytes; ++i)
            expected |= std::uint64_t{block[i] == '\r'} << i;
        fuzz::check(zelvora::lineEndBits(block) == expected, "line end bits at " + std::to_string(start));
        fuzz::check(zelvora::lineEndBitsPortable(block) == expected,
                    "portable line end bits at " + std::to_string(start));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::size_t bufferSize = input.bufferSize();
    const unsigned skips = input.byte();
    const std::string_view bytes = input.rest();
    const std::string path = fuzz::writeScratch("lines.txt", bytes);
    const std::vector<std::string> expected = zelvora::reference::linesOf(bytes);

    readThrough(path, bufferSize, skips, expected);
    readThrough(path, bufferSize, 0, expected);
    readThrough(path, zelvora::DefaultBufferSize, ~skips & 0xFF, expected);

    // The working file's reading: an empty file still gives one line.
    const std::vector<std::string> lines = zelvora::readLines(path, bufferSize);
    fuzz::expectSame(lines, expected.empty() ? std::vector<std::string>{""} : expected, "readLines");

    checkLineEndBits(bytes);
    return 0;
}
