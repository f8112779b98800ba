#include "import/Text.h"

#include "dictionary/Cp1252.h"

namespace zelvora::dictd {

std::optional<std::u32string> decodeUtf8(std::string_view bytes)
{
    std::u32string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            text.push_back(lead);
            ++i;
            continue;
        }
        int extra = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if ((lead & 0xE0) == 0xC0) {
            extra = 1, c = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, c = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, c = lead & 0x07, minimum = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + extra >= bytes.size())
            return std::nullopt;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return std::nullopt;
        text.push_back(c);
        i += extra + 1;
    }
    return text;
}

std::u32string decodeText(std::string_view bytes)
{
    if (auto text = decodeUtf8(bytes))
        return std::move(*text);
    std::u32string text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.push_back(decodeCp1252(static_cast<unsigned char>(byte)));
    return text;
}

std::string encodeUtf8(std::u32string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (const char32_t c : text) {
        if (c < 0x80) {
            bytes.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | (c >> 6)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            bytes.push_back(static_cast<char>(0xE0 | (c >> 12)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xF0 | (c >> 18)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return bytes;
}

bool isSpace(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\r' || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x202F || c == 0x205F || c == 0x3000;
}

std::u32string_view trim(std::u32string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::u32string collapseSpaces(std::u32string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    bool pendingSpace = false;
    for (const char32_t c : text) {
        if (isSpace(c)) {
            pendingSpace = !result.empty();
            continue;
        }
        if (pendingSpace)
            result.push_back(U' ');
        pendingSpace = false;
        result.push_back(c);
    }
    return result;
}

std::vector<std::u32string> splitLines(std::u32string_view text)
{
    std::vector<std::u32string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(U'\n', start);
        if (end == std::u32string_view::npos)
            end = text.size();
        std::u32string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == U'\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    while (!lines.empty() && trim(lines.back()).empty())
        lines.pop_back();
    return lines;
}

bool startsWith(std::u32string_view text, std::u32string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace zelvora::dictd
