#include "TempFile.h"

#include "dictionary/FileError.h"
#include "dictionary/LineReader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace std::literals;
using zelvora::LineReader;

namespace {

constexpr std::size_t LargeBuffer = 1 << 20;
constexpr std::size_t SmallBuffers[] = {1, 2, 3, 5, LargeBuffer};

std::vector<std::string> readAll(const std::string &path, std::size_t bufferSize)
{
    LineReader reader(path, bufferSize);
    std::vector<std::string> lines;
    while (!reader.atEnd())
        lines.push_back(reader.readLine());
    EXPECT_EQ(reader.readLine(), "");
    EXPECT_TRUE(reader.atEnd());
    return lines;
}

// The lines of a file as the rules describe them, written without a buffer.
std::vector<std::string> modelLines(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\x1A'));
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t cr = std::min(bytes.find('\r', i), bytes.size());
        lines.emplace_back(bytes.substr(i, cr - i));
        i = cr + 1;
        if (i < bytes.size() && bytes[i] == '\n')
            ++i;
    }
    return lines;
}

} // namespace

TEST(LineReader, LineEndsAndCtrlZAtEveryBufferSize)
{
    const struct {
        std::string_view bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {""sv, {}},
        {"a\r\n"sv, {"a"}},
        {"a\rb"sv, {"a", "b"}},
        {"a\nb"sv, {"a\nb"}},
        {"a\n\rb\r\n"sv, {"a\n", "b"}},
        {"a\r\n\nb"sv, {"a", "\nb"}},
        {"a\r\rb"sv, {"a", "", "b"}},
        {"x\r\n\r\n"sv, {"x", ""}},
        {"\r\n"sv, {""}},
        {"  a \t\r\n b "sv, {"  a \t", " b "}},
        {"ab\x1A" "cd\r\n"sv, {"ab"}},
        {"a\r\x1A\r\nb"sv, {"a"}},
        {"a\r\n\x1A"sv, {"a"}},
        {"\x1A" "abc"sv, {}},
        {"\xE0\0\xFF\r\nz"sv, {"\xE0\0\xFF"s, "z"}},
    };
    for (const auto &c : cases) {
        const TempFile file(c.bytes);
        for (const std::size_t size : SmallBuffers)
            EXPECT_EQ(readAll(file.path(), size), c.lines) << "bytes: " << testing::PrintToString(std::string(c.bytes))
                                                          << ", buffer " << size;
    }
}

TEST(LineReader, AtEndSkipLineAndEndOfFile)
{
    const TempFile file("ab\x1A" "cd"sv);
    LineReader reader(file.path(), 2);
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "ab");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "");
    reader.skipLine();
    EXPECT_TRUE(reader.atEnd());

    const TempFile lines("one\r\ntwo\rthree\r\nfour"sv);
    for (const std::size_t size : SmallBuffers) {
        LineReader r(lines.path(), size);
        r.skipLine();
        EXPECT_EQ(r.readLine(), "two");
        r.skipLine();
        EXPECT_FALSE(r.atEnd());
        EXPECT_EQ(r.readLine(), "four");
        EXPECT_TRUE(r.atEnd());
    }
}

TEST(LineReader, RandomFilesMatchModelAtEveryBufferSize)
{
    std::mt19937 random(1234);
    const char alphabet[] = {'a', 'b', ' ', '\r', '\r', '\n', '\n', '\xE9'};
    for (int round = 0; round < 300; ++round) {
        std::string bytes(random() % 40, '\0');
        for (char &b : bytes)
            b = random() % 30 == 0 ? '\x1A' : alphabet[random() % sizeof alphabet];
        const TempFile file(bytes);
        const std::vector<std::string> expected = modelLines(bytes);
        for (const std::size_t size : SmallBuffers) {
            EXPECT_EQ(readAll(file.path(), size), expected) << testing::PrintToString(bytes) << ", buffer " << size;
            LineReader skipper(file.path(), size);
            std::size_t skipped = 0;
            for (; !skipper.atEnd(); ++skipped)
                skipper.skipLine();
            EXPECT_EQ(skipped, expected.size()) << testing::PrintToString(bytes) << ", buffer " << size;
        }
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
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos);
    }
}

TEST(LineReader, FiftyMegabyteLine)
{
    const std::size_t size = 50u << 20;
    const TempFile file(std::string(size, 'x') + "\r\nend");
    {
        LineReader reader(file.path());
        const std::string line = reader.readLine();
        EXPECT_EQ(line.size(), size);
        EXPECT_EQ(line.find_first_not_of('x'), std::string::npos);
        EXPECT_EQ(reader.readLine(), "end");
        EXPECT_TRUE(reader.atEnd());
    }
    LineReader reader(file.path());
    reader.skipLine();
    EXPECT_EQ(reader.readLine(), "end");
    EXPECT_TRUE(reader.atEnd());
}
