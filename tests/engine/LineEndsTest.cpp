#include "Equivalence.h"
#include "TempFile.h"

#include "dictionary/LineEnds.h"
#include "dictionary/LineReader.h"
#include "reference/PlainText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::literals;

TEST(LineEnds, BlockBitsMarkEveryCrAndNothingElse)
{
    // Bytes next to CR in value, and those a word-at-a-time test could mistake for it.
    const std::string near = "\r\x0C\x0E\x8D\x00\xFF\n\x80\x7F"s;
    Rng rng(64);
    for (int round = 0; round < 2000; ++round) {
        const double crs = round % 4 == 0 ? 0.0 : round % 4 == 1 ? 1.0 : round % 4 == 2 ? 0.5 : 0.05;
        char block[zelvora::LineEndBlockBytes];
        std::uint64_t expected = 0;
        for (std::size_t i = 0; i < sizeof block; ++i) {
            block[i] = chance(rng, crs) ? '\r' : near[static_cast<std::size_t>(number(rng, 1, 8))];
            expected |= std::uint64_t{block[i] == '\r'} << i;
        }
        EXPECT_EQ(zelvora::lineEndBits(block), expected);
        EXPECT_EQ(zelvora::lineEndBitsPortable(block), expected);
    }
}

// Long files dense with line ends, so that buffers hold many whole blocks and
// some blocks more than eight CRs, read through buffers around a block's size.
TEST(LineEnds, ReaderSplitsLongFilesAsThePlainSplit)
{
    const std::string alphabet = "ab\r\r\r\n\n\xE9"s;
    Rng rng(2048);
    for (int round = 0; round < 60; ++round) {
        std::string bytes;
        for (int n = number(rng, 0, 3000); n > 0; --n)
            bytes += chance(rng, 0.001) ? '\x1A' : alphabet[static_cast<std::size_t>(number(rng, 0, 7))];
        const TempFile file(bytes);
        const std::vector<std::string> expected = zelvora::reference::linesOf(bytes);
        for (const std::size_t size : {1, 63, 64, 65, 200, 1 << 20}) {
            zelvora::LineReader reader(file.path(), size);
            std::vector<std::string> lines;
            while (!reader.atEnd()) {
                if (lines.size() % 3 == 2) {
                    reader.skipLine();
                    lines.push_back(lines.size() < expected.size() ? expected[lines.size()] : "past the end");
                } else {
                    lines.emplace_back(reader.readLineView());
                }
            }
            EXPECT_EQ(lines, expected) << "round " << round << ", buffer " << size;
        }
    }
}
