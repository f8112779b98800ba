#include "dictionary/TextHelpers.h"

namespace zelvora {

namespace {

// An empty marker is never found, as with a search for nothing in the text.
std::size_t findMarker(std::string_view text, std::string_view marker)
{
    return marker.empty() ? std::string_view::npos : text.find(marker);
}

bool isWordSeparator(char c) { return c == ' ' || c == '\r' || c == '\n'; }
bool isTokenSeparator(char c) { return c == ' ' || c == '\t' || c == ';'; }

} // namespace

bool IsPalindrome(std::string_view text)
{
    const std::size_t length = text.size();
    for (std::size_t i = 0; i < length / 2; ++i)
        if (text[i] != text[length - 1 - i])
            return false;
    return true;
}

std::string TextBefore(std::string_view text, std::string_view marker)
{
    const std::size_t at = findMarker(text, marker);
    return std::string(at == std::string_view::npos ? text : text.substr(0, at));
}

std::string TextAfter(std::string_view text, std::string_view marker)
{
    const std::size_t at = findMarker(text, marker);
    return at == std::string_view::npos ? std::string() : std::string(text.substr(at + marker.size()));
}

std::string ReplaceFirst(std::string_view text, std::string_view oldText, std::string_view newText)
{
    const std::size_t at = findMarker(text, oldText);
    if (at != std::string_view::npos)
        return std::string(text.substr(0, at)).append(newText).append(text.substr(at + oldText.size()));
    const std::size_t dropped = oldText.empty() ? 0 : oldText.size() - 1;
    std::string result(newText);
    if (dropped < text.size())
        result.append(text.substr(dropped));
    return result;
}

std::size_t CountWords(std::string_view text)
{
    if (text.empty())
        return 0;
    std::size_t count = 1;
    for (std::size_t i = 1; i < text.size(); ++i)
        if (!isWordSeparator(text[i]) && isWordSeparator(text[i - 1]))
            ++count;
    return count;
}

std::size_t CountTokens(std::string_view text)
{
    std::size_t count = 0;
    bool inToken = false;
    for (const char c : text) {
        const bool separator = isTokenSeparator(c);
        if (!separator && !inToken)
            ++count;
        inToken = !separator;
    }
    return count;
}

} // namespace zelvora
