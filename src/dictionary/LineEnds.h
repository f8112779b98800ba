#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zelvora {

// Where the CRs of a 64-byte block are: bit i is set when byte i is a CR.
// Finding the line ends of a whole buffer a block at a time is quicker than a
// search per line, whose length no branch predicts.
inline constexpr std::size_t LineEndBlockBytes = 64;

// The same on any processor, eight bytes at a time.
std::uint64_t lineEndBitsPortable(const char *block);

inline std::uint64_t lineEndBits(const char *block)
{
#if defined(__SSE2__)
    const __m128i crs = _mm_set1_epi8('\r');
    std::uint64_t bits = 0;
    for (std::size_t part = 0; part < LineEndBlockBytes / 16; ++part) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(block + 16 * part));
        const auto found = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, crs)));
        bits |= std::uint64_t{found} << (16 * part);
    }
    return bits;
#else
    return lineEndBitsPortable(block);
#endif
}

} // namespace zelvora
