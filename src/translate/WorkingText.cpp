#include "translate/WorkingText.h"

#include "dictionary/FileError.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace zelvora {

namespace {

struct Mark {
    char mark;
    char letter; // the placeholder is a blank, five of these, a blank
};

constexpr std::array<Mark, 13> Marks = {{
    {',', 'K'}, {'.', 'J'}, {';', 'Y'}, {':', 'Z'}, {'!', 'H'}, {'?', 'I'}, {'"', 'W'},
    {'(', 'P'}, {')', 'Q'}, {'[', 'R'}, {']', 'S'}, {'<', 'U'}, {'>', 'V'},
}};

std::string placeholder(char letter)
{
    return " " + std::string(5, letter) + " ";
}

// The placeholder letter of each byte that is a mark, 0 for the others.
constexpr std::array<char, 256> PlaceholderLetters = [] {
    std::array<char, 256> letters{};
    for (const Mark &mark : Marks)
        letters[static_cast<unsigned char>(mark.mark)] = mark.letter;
    return letters;
}();

// Every mark becomes its placeholder. No placeholder holds a mark, so this
// gives what turning the marks into placeholders one mark after the other does.
std::string expandMarks(const std::string &line)
{
    std::string result;
    result.reserve(line.size());
    for (const char c : line) {
        if (const char letter = PlaceholderLetters[static_cast<unsigned char>(c)]) {
            result += ' ';
            result.append(5, letter);
            result += ' ';
        } else {
            result += c;
        }
    }
    return result;
}

// Replaces the first occurrence of the placeholder by a blank until none is
// left. Building the result from the left and reducing its end whenever it
// ends with the placeholder gives the same text in one pass: a reduction can
// only form a new occurrence that ends at the blank it leaves.
void reducePlaceholder(std::string &line, char letter)
{
    const std::string pattern = placeholder(letter);
    if (line.find(pattern) == std::string::npos)
        return;
    std::string result;
    result.reserve(line.size());
    for (const char c : line) {
        result += c;
        // The placeholder ends with a blank: only a blank can complete it.
        while (c == ' ' && result.ends_with(pattern))
            result.erase(result.size() - pattern.size() + 1);
    }
    line = std::move(result);
}

void writeAll(int fd, const std::string &path, const std::string &bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw FileError::fromErrno(path, FileError::Action::Write);
        written += static_cast<std::size_t>(n);
    }
}

} // namespace

std::string removePunctuation(const std::string &line)
{
    std::string result = expandMarks(line);
    for (const Mark &mark : Marks)
        reducePlaceholder(result, mark.letter);
    return result;
}

void writeLines(const std::string &path, const std::vector<std::string> &lines)
{
    std::string bytes;
    for (const std::string &line : lines)
        bytes.append(line).append("\r\n");
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw FileError::fromErrno(path, FileError::Action::Write);
    try {
        writeAll(fd, path, bytes);
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0)
        throw FileError::fromErrno(path, FileError::Action::Write);
}

std::vector<std::string> readLines(const std::string &path, std::size_t bufferSize)
{
    LineReader reader(path, bufferSize);
    std::vector<std::string> lines;
    do
        lines.emplace_back(reader.readLineView());
    while (!reader.atEnd());
    return lines;
}

std::vector<std::string> prepareWorkingFile(const std::string &path, const std::vector<std::string> &inputLines,
                                            std::size_t bufferSize)
{
    writeLines(path, inputLines);
    std::vector<std::string> lines;
    lines.reserve(inputLines.size());
    for (const std::string &line : inputLines)
        lines.push_back(removePunctuation(line));
    writeLines(path, lines);
    return readLines(path, bufferSize);
}

} // namespace zelvora
