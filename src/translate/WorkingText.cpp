#include "translate/WorkingText.h"

#include "dictionary/FileError.h"

#include <algorithm>
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
    std::string pattern(7, ' ');
    std::fill_n(pattern.begin() + 1, 5, letter);
    return pattern;
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
    std::size_t marks = 0;
    for (const char c : line)
        marks += PlaceholderLetters[static_cast<unsigned char>(c)] != 0;
    std::string result(line.size() + 6 * marks, ' ');
    char *out = result.data();
    for (const char c : line) {
        if (const char letter = PlaceholderLetters[static_cast<unsigned char>(c)]) {
            std::fill_n(out + 1, 5, letter); // between the blanks already there
            out += 7;
        } else {
            *out++ = c;
        }
    }
    return result;
}

// Whether the letter stands five times in a row somewhere: only then can it make a placeholder.
std::array<bool, 256> lettersInRuns(const std::string &text)
{
    std::array<bool, 256> inRuns{};
    std::size_t run = 0;
    char previous = 0;
    for (const char c : text) {
        run = run > 0 && c == previous ? run + 1 : 1;
        previous = c;
        if (run == 5)
            inRuns[static_cast<unsigned char>(c)] = true;
    }
    return inRuns;
}

// Replaces the first occurrence of the placeholder by a blank until none is
// left. A replacement can only form a new occurrence that begins at the blank
// it leaves, which is the last blank of the one replaced: so every occurrence
// is found in the line itself, the next search starting at that blank.
void reducePlaceholder(std::string &line, char letter)
{
    const std::string pattern = placeholder(letter);
    std::size_t found = line.find(pattern);
    if (found == std::string::npos)
        return;
    std::string result;
    result.reserve(line.size());
    std::size_t from = 0; // the first byte not yet taken
    for (; found != std::string::npos; found = line.find(pattern, found + pattern.size() - 1)) {
        // An occurrence that begins at the blank just left has nothing before it to take.
        if (found >= from) {
            result.append(line, from, found - from);
            result += ' ';
        }
        from = found + pattern.size();
    }
    result.append(line, from);
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
    const std::array<bool, 256> inRuns = lettersInRuns(result);
    for (const Mark &mark : Marks)
        if (inRuns[static_cast<unsigned char>(mark.letter)])
            reducePlaceholder(result, mark.letter);
    return result;
}

void writeLines(const std::string &path, const std::vector<std::string> &lines)
{
    std::string bytes;
    for (const std::string &line : lines)
        bytes.append(line).append("\r\n");
    // The new bytes go over the old ones and the file is then cut to their
    // length: ext4 writes a file emptied by O_TRUNC and written again through
    // to the disk when it is closed, which costs milliseconds each time.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        throw FileError::fromErrno(path, FileError::Action::Write);
    try {
        writeAll(fd, path, bytes);
        if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
            throw FileError::fromErrno(path, FileError::Action::Write);
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
