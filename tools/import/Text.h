#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvora::dictd {

// The conversion works on code points; these turn the dictd bytes into them and
// do the few string jobs every step needs.

// UTF-8 to code points; nothing when the bytes are not valid UTF-8 (overlong
// forms, surrogates and values past U+10FFFF are not valid).
std::optional<std::u32string> decodeUtf8(std::string_view bytes);

// Valid UTF-8 is read as UTF-8, anything else as Windows-1252.
std::u32string decodeText(std::string_view bytes);

std::string encodeUtf8(std::u32string_view text);

// Space, tab, no-break space and the other Unicode spaces.
bool isSpace(char32_t c);

std::u32string_view trim(std::u32string_view text);

// Every run of spaces becomes one space; none at either end.
std::u32string collapseSpaces(std::u32string_view text);

// The lines of a text split at LF, a CR before the LF dropped.
std::vector<std::u32string> splitLines(std::u32string_view text);

bool startsWith(std::u32string_view text, std::u32string_view prefix);

} // namespace zelvora::dictd
