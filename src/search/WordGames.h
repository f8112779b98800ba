#pragma once

#include "dictionary/LineReader.h"
#include "search/LengthRule.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace zelvora {

// The searches over the terms of one dictionary for word games. Each reads the
// file once from its start, tests every term line from line 3 on (the letters
// search from line 1) and lists the matching terms as the file holds them, in
// file order. They throw FileError.

// What a walk lists, and how many entries it stepped through (the progress bar's position).
struct WordWalk {
    std::vector<std::string> lines;
    std::size_t steps = 0;
};

// The texts the searches take from the term box.
inline constexpr LengthRule AnagramWordLength{2, 50};
inline constexpr LengthRule RhymeEndingLength{2};

// Terms made of the letters of `word` (already upper-cased), as often as it
// holds each, stopping at 5000 lines. The letters are marked off in each term
// one after the other, as the search has always done it (so a "0" in the word
// also matches a letter already marked).
WordWalk findAnagrams(const std::string &path, const std::string &word, std::size_t bufferSize = DefaultBufferSize);

// Terms that end with `ending` where the ending first occurs, stopping at 5000 lines.
WordWalk findRhymes(const std::string &path, const std::string &ending, std::size_t bufferSize = DefaultBufferSize);

// Terms that read the same backwards, stopping at 5000 lines.
WordWalk findPalindromes(const std::string &path, std::size_t bufferSize = DefaultBufferSize);

// Up to 14 characters by position; an empty slot puts no condition.
inline constexpr std::size_t LetterPositions = 14;
using LetterPattern = std::array<std::string, LetterPositions>;
// The header line "[PAROLE TROVATE]", then every matching term line (line 1
// included) while the results hold fewer than 10000 lines; the whole file is read.
WordWalk findByLetters(const std::string &path, const LetterPattern &pattern,
                       std::size_t bufferSize = DefaultBufferSize);

} // namespace zelvora
