#include "FuzzSupport.h"

#include "dictionary/LineReader.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fuzz {

namespace {

// The scratch folder, in memory where the system has /dev/shm.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::error_code error;
        const std::filesystem::path shm = "/dev/shm";
        const std::filesystem::path parent =
            std::filesystem::is_directory(shm, error) ? shm : std::filesystem::temp_directory_path();
        std::string name = (parent / "zelvora-fuzz-XXXXXX").string();
        if (!::mkdtemp(name.data()))
            fail("cannot make a scratch folder in " + parent.string());
        path_ = name;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path &path() const { return path_; }

private:
    std::filesystem::path path_;
};

const ScratchFolder &scratchFolder()
{
    static const ScratchFolder folder;
    return folder;
}

} // namespace

unsigned FuzzInput::byte()
{
    if (rest_.empty())
        return 0;
    const auto value = static_cast<unsigned char>(rest_.front());
    rest_.remove_prefix(1);
    return value;
}

std::size_t FuzzInput::bufferSize()
{
    const unsigned high = byte();
    const unsigned low = byte();
    if (high < 0xF0)
        return 1 + (high << 8 | low) % 509;
    return zelvora::DefaultBufferSize >> (high - 0xF0);
}

std::string_view FuzzInput::part()
{
    const std::size_t end = rest_.find(PartSeparator);
    const std::string_view taken = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + PartSeparator.size());
    return taken;
}

std::vector<std::string> splitAtLf(std::string_view text)
{
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    for (std::size_t start = 0;;) {
        const std::size_t lf = text.find('\n', start);
        lines.emplace_back(text.substr(start, lf == std::string_view::npos ? std::string_view::npos : lf - start));
        if (lf == std::string_view::npos)
            return lines;
        start = lf + 1;
    }
}

std::string scratchPath(const std::string &name)
{
    return (scratchFolder().path() / name).string();
}

std::string writeScratch(const std::string &name, std::string_view bytes)
{
    const std::string path = scratchPath(name);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush())
        fail("cannot write " + path);
    return path;
}

std::string readFile(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        fail("cannot read " + path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string printable(std::string_view bytes)
{
    static const char Hex[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && b != '\\') {
            text += c;
        } else {
            text += "\\x";
            text += Hex[b >> 4];
            text += Hex[b & 15];
        }
    }
    return text;
}

void fail(const std::string &what)
{
    std::fprintf(stderr, "\n==== fuzz check failed: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

void expectSame(std::string_view got, std::string_view expected, const std::string &what)
{
    if (got != expected)
        fail(what + ": \"" + printable(got) + "\", expected \"" + printable(expected) + "\"");
}

void expectSame(std::size_t got, std::size_t expected, const std::string &what)
{
    if (got != expected)
        fail(what + ": " + std::to_string(got) + ", expected " + std::to_string(expected));
}

void expectSame(const std::vector<std::string> &got, const std::vector<std::string> &expected, const std::string &what)
{
    if (got == expected)
        return;
    std::size_t i = 0;
    while (i < got.size() && i < expected.size() && got[i] == expected[i])
        ++i;
    const auto line = [i](const std::vector<std::string> &lines) {
        return i < lines.size() ? "\"" + printable(lines[i]) + "\"" : std::string("none");
    };
    fail(what + ": " + std::to_string(got.size()) + " lines, expected " + std::to_string(expected.size()) +
         "; line " + std::to_string(i) + " is " + line(got) + ", expected " + line(expected));
}

} // namespace fuzz
