#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zelvora::dictd {

// Text in Windows-1252 bytes, with the number of characters that had neither a
// Windows-1252 form nor a plain equivalent and so became '?'.
struct Cp1252Text {
    std::string bytes;
    std::size_t questionMarks = 0;
};

// Code points to Windows-1252. A letter followed by a combining accent becomes
// the accented letter where the code page has it (else the accent is dropped);
// characters the code page lacks become a plain equivalent where one exists
// (‐ to -, ā to a, ł to l, ‛ to ', ﬁ to fi, → to ->) and '?' otherwise.
// Control characters are dropped, tabs become spaces.
Cp1252Text toCp1252(std::u32string_view text);

// The letter without its accent: 'É' and 'ě' to 'E' and 'e'; any other character as it is.
char32_t plainLetter(char32_t c);

} // namespace zelvora::dictd
