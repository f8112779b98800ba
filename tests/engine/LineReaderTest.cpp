#include "Equivalence.h"
#include "TempFile.h"

#include "dictionary/FileError.h"
#include "dictionary/LineReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::literals;
using zelvora::LineReader;
using Lines = std::vector<std::string>;

namespace {

// The lines of a file as the rules describe them, written without a buffer:
// a CR ends a line and takes a LF right after it, a Ctrl+Z ends the file.
Lines modelLines(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\x1A'));
    Lines lines;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t cr = std::min(bytes.find('\r', i), bytes.size());
        lines.emplace_back(bytes.substr(i, cr - i));
        i = cr + 1 + (cr + 1 < bytes.size() && bytes[cr + 1] == '\n');
    }
    return lines;
}

// Reads the file through buffers of several sizes, each line with readLine,
// readLineView or skipLine at random, and expects the model's lines.
void expectModelLines(const std::string &bytes, Rng &rng)
{
    const TempFile file(bytes);
    for (const std::size_t size : {1, 2, 3, 5, 1 << 20}) {
        LineReader reader(file.path(), size);
        Lines lines, expected = modelLines(bytes);
        std::string spill;
        while (!reader.atEnd()) {
            switch (number(rng, 0, 2)) {
            case 0: lines.push_back(reader.readLine()); break;
            case 1: lines.emplace_back(reader.readLineView(spill)); break;
            default: reader.skipLine(); lines.push_back("skipped"); break;
            }
            if (lines.back() == "skipped" && lines.size() <= expected.size())
                expected[lines.size() - 1] = "skipped";
        }
        EXPECT_EQ(lines, expected) << testing::PrintToString(bytes) << ", buffer " << size;
        EXPECT_EQ(reader.readLine(), "");
        EXPECT_EQ(reader.readLineView(spill), "");
    }
}

} // namespace

TEST(LineReader, RulesAndRandomFilesMatchTheModel)
{
    const std::pair<std::string, Lines> rules[] = {
        {"a\rb\r\n", {"a", "b"}}, {"a\nb\n\rc", {"a\nb\n", "c"}}, {"a\r\n\nb\r\r\n", {"a", "\nb", ""}},
        {"ab\x1A" "cd\r\n", {"ab"}}, {"a\r\x1A\nb", {"a"}}, {"\xE0\0\xFF\r\nz"s, {"\xE0\0\xFF"s, "z"}},
    };
    Rng rng(1234);
    for (const auto &[bytes, lines] : rules) {
        EXPECT_EQ(modelLines(bytes), lines);
        expectModelLines(bytes, rng);
    }
    const std::string alphabet = "ab \r\r\n\n\xE9"s + '\0';
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        for (int n = number(rng, 0, 40); n > 0; --n)
            bytes += chance(rng, 0.03) ? '\x1A' : alphabet[number(rng, 0, static_cast<int>(alphabet.size()) - 1)];
        expectModelLines(bytes, rng);
    }
}

TEST(LineReader, MissingFileThrowsFileError)
{
    const std::string path = TempFile::missingPath();
    try {
        LineReader reader(path);
        FAIL() << "no FileError";
    } catch (const zelvora::FileError &error) {
        EXPECT_EQ(error.path(), path);
        EXPECT_EQ(error.reason(), "No such file or directory");
    }
}

TEST(LineReader, FiftyMegabyteLine)
{
    const std::string line(50u << 20, 'x');
    const TempFile file(line + "\r\nend");
    LineReader reader(file.path()), skipper(file.path());
    EXPECT_TRUE(reader.readLine() == line);
    skipper.skipLine();
    std::string spill;
    EXPECT_EQ(skipper.readLineView(spill), "end");
}
