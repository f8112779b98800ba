#pragma once

#include <string>
#include <string_view>

namespace zelvora {

// Windows-1252 bytes to UTF-16 text. Every byte has a character: the five bytes
// the code page leaves unassigned (81 8D 8F 90 9D) map to the C1 controls of the
// same number, as Windows does, so that decoding and encoding round-trip.
std::u16string decodeCp1252(std::string_view bytes);
char16_t decodeCp1252(unsigned char byte);

// UTF-16 text to Windows-1252 bytes; a character the code page cannot hold
// (a surrogate pair counts as one character) becomes '?'.
std::string encodeCp1252(std::u16string_view text);

} // namespace zelvora
