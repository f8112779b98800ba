#include "translate/TextIndex.h"

#include <algorithm>
#include <bit>

namespace zelvora {

namespace {

constexpr std::size_t FewestSlots = 16;

std::uint32_t tagOf(std::uint64_t hash)
{
    return static_cast<std::uint32_t>(hash >> 32);
}

std::size_t slotCountFor(std::size_t texts)
{
    return std::bit_ceil(std::max(FewestSlots, 2 * texts));
}

} // namespace

TextIndex::TextIndex(std::size_t expected)
    : slots_(slotCountFor(expected)), homeShift_(32 - static_cast<unsigned>(std::countr_zero(slots_.size())))
{
    spans_.reserve(expected);
}

std::size_t TextIndex::slotOf(std::string_view text, std::uint64_t hash) const
{
    const std::size_t mask = slots_.size() - 1;
    const std::uint32_t tag = tagOf(hash);
    for (std::size_t slot = homeOf(tag);; slot = (slot + 1) & mask) {
        const Slot &held = slots_[slot];
        if (held.number == None || (held.tag == tag && this->text(held.number) == text))
            return slot;
    }
}

TextIndex::Insertion TextIndex::insert(std::string_view text)
{
    const std::uint64_t hash = hashOf(text);
    const std::size_t slot = slotOf(text, hash);
    if (slots_[slot].number != None)
        return {slots_[slot].number, false};
    const auto number = static_cast<std::uint32_t>(spans_.size());
    spans_.push_back({bytes_.size(), text.size()});
    bytes_.append(text);
    slots_[slot] = {tagOf(hash), number};
    if (2 * spans_.size() > slots_.size())
        grow();
    return {number, true};
}

std::uint32_t TextIndex::find(std::string_view text) const
{
    return slots_[slotOf(text, hashOf(text))].number;
}

void TextIndex::clear()
{
    bytes_.clear();
    spans_.clear();
    std::fill(slots_.begin(), slots_.end(), Slot{});
}

// The tags say where each text goes: no text is hashed again.
void TextIndex::grow()
{
    std::vector<Slot> old(2 * slots_.size(), Slot{});
    old.swap(slots_);
    homeShift_ -= 1;
    const std::size_t mask = slots_.size() - 1;
    for (const Slot &held : old) {
        if (held.number == None)
            continue;
        std::size_t slot = homeOf(held.tag);
        while (slots_[slot].number != None)
            slot = (slot + 1) & mask;
        slots_[slot] = held;
    }
}

} // namespace zelvora
