#pragma once

#include <QCollator>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Alphabetical order ignoring case, as an Italian reader expects it, of lines
// in Windows-1252 bytes: the order of QCollator(QLocale(Italian, Italy))
// ignoring case on their screen text, without the collator's cost where it is
// not needed. Each printable ASCII character weighs alone and at the first
// level (the two cases of a letter alike), so where two lines first differ in
// two such characters, or one ends before such a character, those two decide;
// anything else (accents, other characters) goes to the collator for the whole
// lines.
class AlphabeticalOrder {
public:
    AlphabeticalOrder();

    // Less than, equal to or greater than 0, as QCollator::compare.
    int compare(std::string_view a, std::string_view b) const;
    // A stable sort: lines equal but for case keep their order.
    void sort(std::vector<std::string> &lines) const;

private:
    static constexpr unsigned char FirstPlain = 0x20;
    static constexpr unsigned char LastPlain = 0x7E;

    // The byte's place in the order, 0 for one the collator must weigh.
    unsigned rankOf(char byte) const
    {
        const unsigned at = static_cast<unsigned char>(byte) - unsigned{FirstPlain};
        return at < ranks_.size() ? ranks_[at] : 0;
    }
    int collate(std::string_view a, std::string_view b) const;

    // What sorting compares first: the ranks of a line's first bytes, packed.
    static constexpr std::size_t KeyBytes = 8;
    struct SortKey {
        std::uint64_t ranks;
        bool decides; // no byte among them is one the collator must weigh, and the line is not empty
        std::string *line;
    };
    SortKey sortKeyOf(std::string &line) const;

    QCollator collator_;
    std::array<unsigned char, LastPlain - FirstPlain + 1> ranks_{};
};
