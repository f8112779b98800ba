#include "translate/TermSieve.h"

#include <algorithm>
#include <bit>

namespace zelvora {

namespace {

// About one bit in this many is set when the sieve holds what it was sized for.
constexpr std::size_t BitsPerText = 32;
constexpr unsigned FewestBitsLog2 = 12;
constexpr unsigned MostBitsLog2 = 24;

} // namespace

TermSieve::TermSieve(std::size_t expected)
{
    const unsigned bitsLog2 = std::clamp<unsigned>(
        static_cast<unsigned>(std::bit_width(expected * BitsPerText)), FewestBitsLog2, MostBitsLog2);
    words_.assign((std::size_t{1} << bitsLog2) / 64, 0);
    shift_ = 64 - bitsLog2;
}

} // namespace zelvora
