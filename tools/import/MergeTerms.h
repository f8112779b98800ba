#pragma once

#include "import/Entry.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvora::dictd {

// How many other sources (languages) give `item` (an itemKey) as a
// translation of `term`; 0 when none does.
using Agreement = std::function<int(const std::string &term, const std::string &item)>;
// The most that any one translation of `term` gets.
using StrongestAgreement = std::function<int(const std::string &term)>;

struct MergeOptions {
    // Move the translations that a dictionary of the other direction shows to
    // belong to a longer expression to it ("OGNI = daily" to OGNI GIORNO where
    // the other says "daily = ogni giorno"; "ALLA = at last" to ALLA FINE where
    // it says "at = alla fine"), or drop them where it cannot tell which; drop
    // the names of several words given to a word that has common senses
    // ("MARE = Arabian Sea").
    bool dropUnsound = false;
    // With them, translations are ordered by how many sources give them, and a
    // term's direct and inverse senses that fewer than two sources, or less
    // than half of what its strongest translation gets, confirm (a side
    // meaning, or noise) come after the senses found through other languages.
    Agreement agreement;
    StrongestAgreement strongest;
};

struct MergeCounts {
    std::size_t merged = 0;  // entries merged into an earlier entry of their term
    std::size_t repeats = 0; // senses and translations dropped as repeats
    std::size_t unsound = 0; // translations dropped as unsound
    std::size_t moved = 0;   // translations moved to the longer expression they belong to
};

// The key a translation or a term is compared by: capitals, remarks in
// parentheses and a leading "to " dropped, spaces collapsed.
std::string itemKey(std::string_view item);

// The senses on one line: "(n. f.) 1. house, home; 2. household (via fin, spa)".
// A part of speech is written where it changes; senses are numbered when there
// are several.
std::string joinSenses(const std::vector<Sense> &senses);

// One entry per term, ordered by the bytes of the terms: the term's senses,
// direct ones first, then inverse, then through other languages, then the
// rest, names after common senses, each translation and sense once.
std::vector<WrittenEntry> mergeEntries(std::vector<Entry> entries, const MergeOptions &options, MergeCounts &counts);

} // namespace zelvora::dictd
