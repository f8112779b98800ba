#include "ui/AlphabeticalOrder.h"

#include "app/ScreenText.h"

#include <algorithm>
#include <numeric>

AlphabeticalOrder::AlphabeticalOrder() : collator_(QLocale(QLocale::Italian, QLocale::Italy))
{
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    // The places are the collator's own order of the characters taken one by one.
    std::array<char, LastPlain - FirstPlain + 1> characters;
    std::iota(characters.begin(), characters.end(), static_cast<char>(FirstPlain));
    const auto compareOne = [this](char a, char b) { return collate({&a, 1}, {&b, 1}); };
    std::stable_sort(characters.begin(), characters.end(),
                     [&compareOne](char a, char b) { return compareOne(a, b) < 0; });
    unsigned char rank = 1;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        if (i > 0 && compareOne(characters[i - 1], characters[i]) != 0)
            ++rank;
        ranks_[static_cast<unsigned char>(characters[i]) - FirstPlain] = rank;
    }
}

int AlphabeticalOrder::collate(std::string_view a, std::string_view b) const
{
    return collator_.compare(toScreen(a), toScreen(b));
}

int AlphabeticalOrder::compare(std::string_view a, std::string_view b) const
{
    // The collator puts the empty text first by a rule of its own.
    if (a.empty() || b.empty())
        return collate(a, b);
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned rankA = rankOf(a[i]);
        const unsigned rankB = rankOf(b[i]);
        if (rankA == 0 || rankB == 0)
            return collate(a, b);
        if (rankA != rankB)
            return rankA < rankB ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    // The shorter comes first, unless what follows in the longer may weigh nothing.
    const char next = a.size() > b.size() ? a[common] : b[common];
    if (rankOf(next) == 0)
        return collate(a, b);
    return a.size() < b.size() ? -1 : 1;
}

AlphabeticalOrder::SortKey AlphabeticalOrder::sortKeyOf(std::string &line) const
{
    // The ranks of the first bytes, the first in the highest byte, so that
    // keys compare as the ranks do; 0 past the line's end.
    SortKey key{0, !line.empty(), &line};
    const std::size_t length = std::min(line.size(), KeyBytes);
    for (std::size_t i = 0; i < KeyBytes; ++i) {
        const unsigned rank = i < length ? rankOf(line[i]) : 0;
        if (i < length && rank == 0)
            key.decides = false;
        key.ranks = key.ranks << 8 | rank;
    }
    return key;
}

void AlphabeticalOrder::sort(std::vector<std::string> &lines) const
{
    // The lines stay in place while their keys are sorted. Where two keys that
    // decide differ, they tell the order compare() would tell: at the first
    // place they differ, two ranks of plain characters, or the end of the
    // shorter line before a plain character.
    std::vector<SortKey> order;
    order.reserve(lines.size());
    for (std::string &line : lines)
        order.push_back(sortKeyOf(line));
    std::stable_sort(order.begin(), order.end(), [this](const SortKey &a, const SortKey &b) {
        if (a.decides && b.decides && a.ranks != b.ranks)
            return a.ranks < b.ranks;
        return compare(*a.line, *b.line) < 0;
    });
    std::vector<std::string> sorted;
    sorted.reserve(lines.size());
    for (const SortKey &key : order)
        sorted.push_back(std::move(*key.line));
    lines = std::move(sorted);
}
