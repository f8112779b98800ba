#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The reference's own plain ways with files and text, written from the rules
// alone so that they share nothing with what the tests check.
namespace zelvora::reference {

// The lines of a file's bytes: cut at the first Ctrl+Z, split at every CR,
// a LF right after a CR going with it; nothing after the last line end is no line.
std::vector<std::string> linesOf(std::string_view bytes);

// A file read whole into memory, then handed out one line at a time.
class PlainFile {
public:
    // Throws std::runtime_error when the file cannot be read.
    explicit PlainFile(const std::string &path);

    // The next line; past the last one, the empty line.
    std::string readLine();
    // True once every line is read.
    bool atEnd() const { return next_ == lines_.size(); }
    // Every line of the file.
    const std::vector<std::string> &lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

// Capitals of every letter of the code page that has one: a to z, à to þ
// (not ÷), and š œ ž ÿ; ß and µ stay.
std::string upperFull(std::string text);
// Capitals of a to z only.
std::string upperAscii(std::string text);

bool isPalindrome(const std::string &text);
std::size_t countWords(const std::string &text);
// The text with the first `oldText` replaced by `newText`, cut as the routine
// has always cut it when `oldText` does not occur.
std::string replaceFirst(const std::string &text, const std::string &oldText, const std::string &newText);

} // namespace zelvora::reference
