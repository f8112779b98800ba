#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zelvora {

// A quick test to run before a hash table: a text the sieve does not let
// through was surely never put into it. Each text sets one bit, chosen by its
// length and three of its bytes, so most term lines of a dictionary are turned
// away by a few byte reads.
class TermSieve {
public:
    // Sized for about `expected` texts; it takes any number, letting more through the more it holds.
    explicit TermSieve(std::size_t expected);

    void insert(std::string_view text)
    {
        const std::size_t bit = bitOf(text);
        words_[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }

    bool mayHold(std::string_view text) const
    {
        const std::size_t bit = bitOf(text);
        return (words_[bit / 64] >> (bit % 64)) & 1;
    }

private:
    std::size_t bitOf(std::string_view text) const
    {
        // The length, the first two bytes and the last (the first twice for a text of one byte).
        const std::size_t n = text.size();
        const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
        const std::uint64_t key = n == 0 ? 0
                                         : std::uint64_t{n} << 24 | std::uint64_t{bytes[0]} << 16 |
                                               std::uint64_t{bytes[n > 1]} << 8 | bytes[n - 1];
        // Fibonacci hashing: the top bits of the product mix every bit of the key.
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
    }

    std::vector<std::uint64_t> words_;
    unsigned shift_;
};

} // namespace zelvora
