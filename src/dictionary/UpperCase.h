#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zelvora {

// Capitals of every Windows-1252 letter: a-z, the accented small letters
// (ß, µ and ÷ have no capital here and stay), and š œ ž ÿ to Š Œ Ž Ÿ.
std::string toUpperFull(std::string_view text);
// The capital of every byte, as toUpperFull writes it.
const std::array<unsigned char, 256> &fullCapitals();

// Capitals of a-z only; every other byte stays.
std::string toUpperAscii(std::string_view text);

} // namespace zelvora
