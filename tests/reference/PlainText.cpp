#include "reference/PlainText.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zelvora::reference {

std::vector<std::string> linesOf(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\x1A'));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t cr = bytes.find('\r', start);
        if (cr == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        lines.emplace_back(bytes.substr(start, cr - start));
        start = cr + 1;
        if (start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return lines;
}

PlainFile::PlainFile(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        throw std::runtime_error("cannot read " + path);
    lines_ = linesOf(bytes);
}

std::string PlainFile::readLine()
{
    return atEnd() ? std::string() : lines_[next_++];
}

std::string upperFull(std::string text)
{
    for (char &c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
            c = static_cast<char>(b - 0x20);
        else if (b == 0x9A || b == 0x9C || b == 0x9E) // š œ ž
            c = static_cast<char>(b - 0x10);
        else if (b == 0xFF) // ÿ
            c = static_cast<char>(0x9F);
    }
    return text;
}

std::string upperAscii(std::string text)
{
    for (char &c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool isPalindrome(const std::string &text)
{
    const std::size_t length = text.size();
    for (std::size_t i = 1; i <= length / 2; ++i)
        if (text[i - 1] != text[length - i])
            return false;
    return true;
}

std::size_t countWords(const std::string &text)
{
    if (text.empty())
        return 0;
    const auto separator = [](char c) { return c == ' ' || c == '\r' || c == '\n'; };
    std::size_t count = 1;
    for (std::size_t i = 1; i < text.size(); ++i)
        if (separator(text[i - 1]) && !separator(text[i]))
            ++count;
    return count;
}

std::string replaceFirst(const std::string &text, const std::string &oldText, const std::string &newText)
{
    // p is the 1-based position of oldText, 0 when it does not occur.
    const std::size_t at = oldText.empty() ? std::string::npos : text.find(oldText);
    const std::size_t p = at == std::string::npos ? 0 : at + 1;
    const std::size_t removed = p + oldText.size() > 0 ? p + oldText.size() - 1 : 0;
    const std::string before = p > 0 ? text.substr(0, p - 1) : std::string();
    return before + newText + (removed < text.size() ? text.substr(removed) : std::string());
}

} // namespace zelvora::reference
