#include "translate/FoldedLines.h"

#include "dictionary/UpperCase.h"
#include "translate/TextIndex.h"

#include <algorithm>

namespace zelvora {

namespace {

constexpr std::size_t FewestSlots = 1024;
// A long line is hashed by its length and the bytes at its two ends: lines
// that differ only in their middle are told apart by comparing them.
constexpr std::size_t HashedEndBytes = 128;

} // namespace

FoldedLines::FoldedLines(const std::vector<std::string> &lines)
    : lines_(lines), capitals_(fullCapitals())
{
}

std::uint64_t FoldedLines::hashOf(std::string_view line) const
{
    const auto hashBytes = [this](std::uint64_t hash, std::string_view bytes) {
        // Eight capitals to a word, each word mixed in.
        for (std::size_t at = 0; at < bytes.size(); at += 8) {
            std::uint64_t word = 0;
            const std::size_t end = std::min(bytes.size(), at + 8);
            for (std::size_t i = at; i < end; ++i)
                word = word << 8 | capitals_[static_cast<unsigned char>(bytes[i])];
            hash = mixIn(hash, word);
        }
        return hash;
    };
    const std::uint64_t hash = mixIn(0, line.size());
    if (line.size() <= 2 * HashedEndBytes)
        return hashBytes(hash, line);
    return hashBytes(hashBytes(hash, line.substr(0, HashedEndBytes)), line.substr(line.size() - HashedEndBytes));
}

bool FoldedLines::sameButForCase(std::string_view a, std::string_view b) const
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [this](char x, char y) {
               return capitals_[static_cast<unsigned char>(x)] == capitals_[static_cast<unsigned char>(y)];
           });
}

bool FoldedLines::insert(std::string_view line, std::size_t at)
{
    // Most lookups write no line once: the table is made for the first that does.
    if (slots_.empty())
        slots_.assign(FewestSlots, Slot{});
    const std::uint64_t hash = hashOf(line);
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = hash & mask;
    for (; slots_[slot].line != None; slot = (slot + 1) & mask)
        if (slots_[slot].hash == hash && sameButForCase(lines_[slots_[slot].line], line))
            return false;
    slots_[slot] = {hash, at};
    if (2 * ++count_ > slots_.size())
        grow();
    return true;
}

void FoldedLines::clear()
{
    std::fill(slots_.begin(), slots_.end(), Slot{});
    count_ = 0;
}

void FoldedLines::grow()
{
    std::vector<Slot> old(2 * slots_.size());
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot &held : old) {
        if (held.line == None)
            continue;
        std::size_t slot = held.hash & mask;
        while (slots_[slot].line != None)
            slot = (slot + 1) & mask;
        slots_[slot] = held;
    }
}

} // namespace zelvora
