#include "Equivalence.h"
#include "TempFile.h"

#include "dictionary/FileError.h"
#include "dictionary/LineReader.h"
#include "reference/PlainText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace std::literals;
using zelvora::LineReader;
using Lines = std::vector<std::string>;

namespace {

// Reads the file through buffers of several sizes, each line as a view or
// skipped at random, asking whether the file ended after every read, and
// expects the lines that the whole file split by the rules gives.
void expectPlainLines(const std::string &bytes, Rng &rng)
{
    const TempFile file(bytes);
    for (const std::size_t size : {1, 2, 3, 5, 7, 64, 1 << 20}) {
        LineReader reader(file.path(), size);
        Lines lines, expected = zelvora::reference::linesOf(bytes);
        while (!reader.atEnd()) {
            if (chance(rng, 0.3)) {
                reader.skipLine();
                lines.push_back("skipped");
                if (lines.size() <= expected.size())
                    expected[lines.size() - 1] = "skipped";
                continue;
            }
            const std::string_view line = reader.readLineView();
            const bool atEnd = reader.atEnd(); // must leave the view as it was
            lines.emplace_back(line);
            EXPECT_EQ(atEnd, lines.size() >= expected.size());
        }
        EXPECT_EQ(lines, expected) << testing::PrintToString(bytes) << ", buffer " << size;
        EXPECT_EQ(reader.readLineView(), "");
        EXPECT_TRUE(reader.atEnd());
    }
}

} // namespace

TEST(LineReader, RulesAndRandomFilesMatchThePlainSplit)
{
    const std::pair<std::string, Lines> rules[] = {
        {"a\rb\r\n", {"a", "b"}}, {"a\nb\n\rc", {"a\nb\n", "c"}}, {"a\r\n\nb\r\r\n", {"a", "\nb", ""}},
        {"ab\x1A" "cd\r\n", {"ab"}}, {"a\r\x1A\nb", {"a"}}, {"\xE0\0\xFF\r\nz"s, {"\xE0\0\xFF"s, "z"}}, {"", {}},
        {"\x1A", {}}, {"\r\n", {""}},
    };
    Rng rng(1234);
    for (const auto &[bytes, lines] : rules) {
        EXPECT_EQ(zelvora::reference::linesOf(bytes), lines) << testing::PrintToString(bytes);
        expectPlainLines(bytes, rng);
    }
    const std::string alphabet = "ab \r\r\n\n\xE9"s + '\0';
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        for (int n = number(rng, 0, 40); n > 0; --n)
            bytes += chance(rng, 0.03) ? '\x1A' : alphabet[number(rng, 0, static_cast<int>(alphabet.size()) - 1)];
        expectPlainLines(bytes, rng);
    }
}

// A line whose end is the buffer's last byte or two: the view of it survives
// the look ahead into the next buffer.
TEST(LineReader, LineEndingAtTheBuffersEnd)
{
    for (const std::string &bytes : {"abc\r\nxyz\r\n"s, "abc\rxyz"s, "abc\r\n\nyz"s}) {
        const TempFile file(bytes);
        LineReader reader(file.path(), 5);
        const std::string_view first = reader.readLineView();
        EXPECT_FALSE(reader.atEnd());
        EXPECT_EQ(first, "abc");
    }
}

TEST(LineReader, MissingFileOrAFolderThrowsFileError)
{
    for (const auto &[path, reason] : {std::pair(TempFile::missingPath(), "No such file or directory"),
                                       std::pair(std::filesystem::temp_directory_path().string(), "Is a directory")}) {
        try {
            LineReader reader(path);
            FAIL() << "no FileError for " << path;
        } catch (const zelvora::FileError &error) {
            EXPECT_EQ(error.path(), path);
            EXPECT_EQ(error.reason(), reason);
            EXPECT_EQ(error.action(), zelvora::FileError::Action::Read);
        }
    }
}

TEST(LineReader, FiftyMegabyteLine)
{
    const std::string line(50u << 20, 'x');
    const TempFile file(line + "\r\nend");
    LineReader reader(file.path()), skipper(file.path());
    EXPECT_TRUE(reader.readLineView() == line);
    skipper.skipLine();
    EXPECT_EQ(skipper.readLineView(), "end");
}
