#pragma once

#include <cstddef>
#include <cstdint>

namespace zelvora {

// Where the CRs of a 64-byte block are: bit i is set when byte i is a CR.
// Finding the line ends of a whole buffer a block at a time is quicker than a
// search per line, whose length no branch predicts.
inline constexpr std::size_t LineEndBlockBytes = 64;
std::uint64_t lineEndBits(const char *block);
// The same on any processor, eight bytes at a time.
std::uint64_t lineEndBitsPortable(const char *block);

} // namespace zelvora
