#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace zelvora {

// One step of a hash: a word of bytes mixed into the hash so far,
// every bit of both reaching every bit of the result.
inline std::uint64_t mixIn(std::uint64_t hash, std::uint64_t word)
{
    std::uint64_t value = (hash ^ word) * 0x9E3779B97F4A7C15ull;
    value = (value ^ (value >> 31)) * 0x7FB5D329728EA185ull;
    return value ^ (value >> 27);
}

// A quick hash of bytes: a few multiplications for a word, eight bytes a step
// for longer texts.
inline std::uint64_t hashOf(std::string_view text)
{
    const auto load64 = [](const char *at) {
        std::uint64_t word;
        std::memcpy(&word, at, sizeof word);
        return word;
    };
    const auto load32 = [](const char *at) {
        std::uint32_t word;
        std::memcpy(&word, at, sizeof word);
        return std::uint64_t{word};
    };
    const char *bytes = text.data();
    std::size_t left = text.size();
    std::uint64_t hash = mixIn(0, left);
    if (left > 8) {
        for (; left > 8; bytes += 8, left -= 8)
            hash = mixIn(hash, load64(bytes));
        // The last eight bytes, some of them hashed already.
        return mixIn(hash, load64(bytes + left - 8));
    }
    // Two loads that overlap, or three bytes, cover a short text whole.
    std::uint64_t word = 0;
    if (left >= 4)
        word = load32(bytes) << 32 | load32(bytes + left - 4);
    else if (left > 0)
        word = std::uint64_t{static_cast<unsigned char>(bytes[0])} << 16 |
               std::uint64_t{static_cast<unsigned char>(bytes[left / 2])} << 8 |
               static_cast<unsigned char>(bytes[left - 1]);
    return mixIn(hash, word);
}

// Distinct texts, numbered 0, 1, 2... in the order they were first added, and
// found again by their hash in one flat table. The texts are copied back to
// back into one buffer: tens of thousands of them cost no allocation each.
class TextIndex {
public:
    static constexpr std::uint32_t None = UINT32_MAX;

    // Sized for about `expected` texts; it grows past them.
    explicit TextIndex(std::size_t expected = 0);

    struct Insertion {
        std::uint32_t number;
        bool added; // false when the text was there already
    };
    Insertion insert(std::string_view text);
    // The text's number, or None.
    std::uint32_t find(std::string_view text) const;

    std::string_view text(std::uint32_t number) const
    {
        const Span span = spans_[number];
        return std::string_view(bytes_).substr(span.offset, span.length);
    }
    std::size_t size() const { return spans_.size(); }
    bool empty() const { return spans_.empty(); }
    void clear();

private:
    struct Span {
        std::size_t offset;
        std::size_t length;
    };
    // A slot holds a text's number and the top half of its hash, which
    // turns most other texts away without looking at their bytes.
    struct Slot {
        std::uint32_t tag;
        std::uint32_t number = None;
    };
    // The slot that holds the text, or the free slot where it would go.
    std::size_t slotOf(std::string_view text, std::uint64_t hash) const;
    // Where a text with this tag is looked for first: the tag's top bits.
    std::size_t homeOf(std::uint32_t tag) const { return tag >> homeShift_; }
    void grow();

    std::string bytes_;
    std::vector<Span> spans_;
    std::vector<Slot> slots_; // a power of two of them, at most half taken
    unsigned homeShift_;
};

} // namespace zelvora
