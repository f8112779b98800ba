#include "dictionary/LineEnds.h"

#include <bit>
#include <cstring>

namespace zelvora {

namespace {
constexpr char CR = '\r';
} // namespace

std::uint64_t lineEndBitsPortable(const char *block)
{
    std::uint64_t bits = 0;
    for (std::size_t word = 0; word < LineEndBlockBytes / 8; ++word) {
        std::uint64_t x;
        std::memcpy(&x, block + 8 * word, sizeof x);
        if constexpr (std::endian::native == std::endian::big)
            x = __builtin_bswap64(x);
        constexpr std::uint64_t Low7 = 0x7F7F7F7F7F7F7F7F;
        x ^= 0x0101010101010101 * static_cast<unsigned char>(CR);
        // The high bit of each byte of x that is zero, and of no other.
        const std::uint64_t zeros = ~(((x & Low7) + Low7) | x | Low7);
        // Those eight bits gathered into one byte, byte 0's the lowest.
        bits |= ((zeros >> 7) * 0x0102040810204080 >> 56) << (8 * word);
    }
    return bits;
}

} // namespace zelvora
