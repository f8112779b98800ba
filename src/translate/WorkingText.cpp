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

// Every occurrence of the mark becomes its placeholder.
std::string expandMark(const std::string &line, const Mark &mark)
{
    if (line.find(mark.mark) == std::string::npos)
        return line;
    const std::string replacement = placeholder(mark.letter);
    std::string result;
    for (const char c : line) {
        if (c == mark.mark)
            result += replacement;
        else
            result += c;
    }
    return result;
}

// Replaces the first occurrence of the placeholder by a blank until none is
// left. Building the result from the left and reducing its end whenever it
// ends with the placeholder gives the same text in one pass: a reduction can
// only form a new occurrence that ends at the blank it leaves.
std::string reducePlaceholder(const std::string &line, char letter)
{
    const std::string pattern = placeholder(letter);
    if (line.find(pattern) == std::string::npos)
        return line;
    std::string result;
    result.reserve(line.size());
    for (const char c : line) {
        result += c;
        while (result.size() >= pattern.size() && result.ends_with(pattern))
            result.erase(result.size() - pattern.size() + 1);
    }
    return result;
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
    std::string result = line;
    for (const Mark &mark : Marks)
        result = expandMark(result, mark);
    for (const Mark &mark : Marks)
        result = reducePlaceholder(result, mark.letter);
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
