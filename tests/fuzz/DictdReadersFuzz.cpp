// zelvora-import's readers of dictd files: the index (its lines, its base64
// numbers) and the data (gzip and dictzip, one member or several). Whatever
// the bytes, a reader gives its result or an ImportError naming the file; an
// index it reads gives the same entries when written out again, and data
// compressed here comes back as it was.
//
// Input: a byte of choices, then the bytes.

#include "FuzzSupport.h"

#include "import/DictdData.h"
#include "import/DictdIndex.h"
#include "import/ImportError.h"

#include <zlib.h>

#include <string>
#include <vector>

using namespace zelvora::dictd;

namespace {

std::string base64(std::uint64_t n)
{
    static const char Digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    return (n >= 64 ? base64(n / 64) : std::string()) + Digits[n % 64];
}

void checkIndex(std::string_view bytes)
{
    const std::string path = fuzz::writeScratch("fuzz.index", bytes);
    std::vector<IndexEntry> entries;
    try {
        entries = readIndex(path);
    } catch (const ImportError &error) {
        fuzz::expectSame(error.path(), path, "the index's error names it");
        return;
    }
    fuzz::check(!entries.empty(), "an index read has entries");
    std::string written;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const IndexEntry &entry = entries[i];
        fuzz::check(i == 0 || entry.line > entries[i - 1].line, "index lines in order");
        for (const std::string *field : {&entry.key, &entry.headword})
            fuzz::check(field->find_first_of("\t\n") == std::string::npos, "an index field holds a tab or a LF");
        const std::string line = entry.key + "\t" + base64(entry.offset) + "\t" + base64(entry.length) +
                                 (entry.headword.empty() ? "" : "\t" + entry.headword);
        // A CR just before the LF is the line end's, so a headword ending in one needs CR LF.
        written += line + (line.back() == '\r' ? "\r\n" : "\n");
    }
    const std::vector<IndexEntry> again = parseIndex(written, path);
    fuzz::expectSame(again.size(), entries.size(), "index entries written out and read again");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        fuzz::expectSame(again[i].key, entries[i].key, "key read again");
        fuzz::check(again[i].offset == entries[i].offset && again[i].length == entries[i].length,
                    "offset and length read again");
        fuzz::expectSame(again[i].headword, entries[i].headword, "headword read again");
    }
}

void checkNumber(std::string_view digits)
{
    const std::optional<std::uint64_t> value = decodeBase64Number(digits);
    if (!value)
        return;
    // Written again without its leading zeros ("A").
    const std::size_t first = digits.find_first_not_of('A');
    fuzz::expectSame(base64(*value), first == std::string_view::npos ? "A" : digits.substr(first), "base64 number");
}

// The bytes as gzip members, cut into `members` pieces, with zero padding after them when asked.
std::string gzipped(std::string_view bytes, unsigned members, bool padding)
{
    std::string compressed;
    for (unsigned k = 0; k < members; ++k) {
        const std::string_view piece = bytes.substr(bytes.size() * k / members, bytes.size() * (k + 1) / members -
                                                                                     bytes.size() * k / members);
        z_stream stream{};
        if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK)
            fuzz::fail("deflateInit2");
        std::string out(deflateBound(&stream, piece.size()), '\0');
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(piece.data()));
        stream.avail_in = static_cast<uInt>(piece.size());
        stream.next_out = reinterpret_cast<Bytef *>(out.data());
        stream.avail_out = static_cast<uInt>(out.size());
        if (deflate(&stream, Z_FINISH) != Z_STREAM_END)
            fuzz::fail("deflate");
        out.resize(stream.total_out);
        deflateEnd(&stream);
        compressed += out;
    }
    if (padding)
        compressed += std::string(7, '\0');
    return compressed;
}

void checkData(std::string_view bytes, unsigned choices)
{
    // Any bytes: text or an error naming the file.
    try {
        gunzip(bytes, "fuzz.dict.dz");
    } catch (const ImportError &error) {
        fuzz::expectSame(error.path(), "fuzz.dict.dz", "the data's error names it");
    }
    const std::string compressed = gzipped(bytes, 1 + choices % 3, choices & 4);
    fuzz::expectSame(gunzip(compressed, "fuzz.dict.dz"), bytes, "gzip members decompressed");
    const std::string dz = fuzz::writeScratch("fuzz.dict.dz", compressed);
    fuzz::expectSame(readDictData(dz), bytes, "dictzip data read");
    const std::string plain = fuzz::writeScratch("fuzz.dict", bytes);
    fuzz::expectSame(readDictData(plain), bytes, "plain data read");
    // One member cut short is damaged or truncated, never taken for whole.
    if (choices & 8) {
        const std::string whole = gzipped(bytes, 1, false);
        const std::string cut = whole.substr(0, whole.size() - 1 - (choices >> 4) % whole.size());
        try {
            const std::string text = gunzip(cut, "fuzz.dict.dz");
            fuzz::fail("data cut short read as " + std::to_string(text.size()) + " bytes");
        } catch (const ImportError &) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const unsigned choices = input.byte();
    const std::string_view bytes = input.rest();
    checkIndex(bytes);
    checkNumber(bytes.substr(0, 12));
    checkData(bytes, choices);
    return 0;
}
