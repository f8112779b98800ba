#include "import/Markup.h"

#include "import/Text.h"

#include <array>
#include <utility>

namespace zelvora::dictd {

namespace {

bool isAsciiLetter(char32_t c) { return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'); }

char32_t combiningMarkFor(char32_t sign)
{
    switch (sign) {
    case U'\'': return 0x0301;
    case U'`': return 0x0300;
    case U'^': return 0x0302;
    case U'"': return 0x0308;
    case U'~': return 0x0303;
    case U',': return 0x0327;
    case U'=': return 0x0304;
    case U'-': return 0x0306;
    case U'.': return 0x0307;
    default: return 0;
    }
}

// The replacement of the bracketed accent at the start of `text`, with the
// length it takes; nothing (length 0) when `text` does not start with one.
std::pair<std::u32string, std::size_t> bracketAccent(std::u32string_view text)
{
    static const std::array<std::pair<std::u32string_view, std::u32string_view>, 7> Named = {{
        {U"[ae]", U"æ"}, {U"[AE]", U"Æ"}, {U"[oe]", U"œ"}, {U"[OE]", U"Œ"}, {U"[deg]", U"°"},
        {U"[eth]", U"ð"}, {U"[th]", U"þ"},
    }};
    for (const auto &[from, to] : Named)
        if (startsWith(text, from))
            return {std::u32string(to), from.size()};
    if (text.size() >= 4 && text[0] == U'[' && text[3] == U']') {
        if (const char32_t mark = combiningMarkFor(text[1]); mark && isAsciiLetter(text[2]))
            return {std::u32string{text[2], mark}, 4};
        if (isAsciiLetter(text[1]) && text[2] == U'^')
            return {std::u32string{text[1]}, 4};
    }
    return {std::u32string(), 0};
}

} // namespace

std::u32string convertBracketAccents(std::u32string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == U'[') {
            auto [replacement, length] = bracketAccent(text.substr(i));
            if (length > 0) {
                result += replacement;
                i += length;
                continue;
            }
        }
        result.push_back(text[i++]);
    }
    return result;
}

std::u32string dropBraces(std::u32string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    for (const char32_t c : text)
        if (c != U'{' && c != U'}')
            result.push_back(c);
    return result;
}

bool isSourceNote(std::u32string_view line)
{
    line = trim(line);
    if (line.size() < 3 || line.size() > 40 || line.front() != U'[' || line.back() != U']')
        return false;
    return line.substr(1, line.size() - 2).find_first_of(U"[]") == std::u32string_view::npos;
}

std::u32string dropEtymologies(std::u32string_view text)
{
    constexpr std::size_t ShortestEtymology = 8; // "[Obs.]" and "[R.]" are usage notes
    std::u32string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'[') {
            int depth = 0;
            std::size_t end = i;
            for (; end < text.size(); ++end) {
                if (text[end] == U'[')
                    ++depth;
                else if (text[end] == U']' && --depth == 0)
                    break;
            }
            if (end < text.size() && end + 1 - i >= ShortestEtymology) {
                i = end;
                continue;
            }
        }
        result.push_back(text[i]);
    }
    std::u32string_view rest = trim(result);
    while (!rest.empty() && (rest.front() == U';' || rest.front() == U',' || isSpace(rest.front())))
        rest.remove_prefix(1);
    return collapseSpaces(rest);
}

std::u32string apostropheAccents(std::u32string_view text)
{
    std::u32string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool accent = text[i] == U'\'' && i + 1 < text.size() && (text[i + 1] == U'e' || text[i + 1] == U'E') &&
                            (i == 0 || isAsciiLetter(text[i - 1]));
        if (accent) {
            result.push_back(text[++i] == U'e' ? U'é' : U'É');
            continue;
        }
        result.push_back(text[i]);
    }
    return result;
}

std::u32string labelInParentheses(std::u32string_view text)
{
    if (text.empty() || text.front() != U'<')
        return std::u32string(text);
    const std::size_t close = text.find(U'>');
    if (close == std::u32string_view::npos || close > 60 || text.substr(1, close - 1).find(U'<') != std::u32string_view::npos)
        return std::u32string(text);
    return U"(" + std::u32string(text.substr(1, close - 1)) + U")" + std::u32string(text.substr(close + 1));
}

std::u32string joinPieces(const std::vector<std::u32string> &pieces)
{
    std::u32string line;
    for (const std::u32string &piece : pieces) {
        if (piece.empty())
            continue;
        if (!line.empty()) {
            const char32_t last = line.back();
            const bool sentenceEnds = last == U'.' || last == U'!' || last == U'?' || last == U':' || last == U';';
            line += sentenceEnds ? U" " : U"; ";
        }
        line += piece;
    }
    return line;
}

} // namespace zelvora::dictd
