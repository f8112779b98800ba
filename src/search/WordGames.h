#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zelvora {

// The searches over the terms of one dictionary for word games. Each reads the
// file once from its start, tests every term line from line 3 on (the letters
// search from line 1) and lists the matching terms as the file holds them, in
// file order.

// What a walk lists, and how many entries it stepped through (the progress bar's position).
struct WordWalk {
    std::vector<std::string> lines;
    std::size_t steps = 0;
};

// The caps on the lines of these searches' results.
inline constexpr std::size_t WordGameLineCap = 5000;
inline constexpr std::size_t LettersLineCap = 10000;
inline constexpr const char *LettersHeader = "[PAROLE TROVATE]";

// The letters of the anagram search's word, one per slot; 2 to 50 of them.
inline constexpr std::size_t AnagramSlots = 50;
bool isAnagramWordLength(std::size_t length);

// True when the candidate is made of the word's letters: the letters are
// marked off in the candidate one slot after the other, as the search has
// always done it (a "0" in the word also matches an already marked letter).
bool isAnagramOf(std::string_view candidate, const std::string &word);

// Terms that are anagrams of `word` (already upper-cased), stopping at 5000 lines.
WordWalk findAnagrams(const std::string &path, const std::string &word);

// Terms that end with `ending` where the ending first occurs, stopping at 5000 lines.
bool rhymesWith(std::string_view term, const std::string &ending);
WordWalk findRhymes(const std::string &path, const std::string &ending);

// Terms that read the same backwards, stopping at 5000 lines.
WordWalk findPalindromes(const std::string &path);

// Up to 14 characters by position; an empty slot puts no condition.
inline constexpr std::size_t LetterPositions = 14;
using LetterPattern = std::array<std::string, LetterPositions>;
bool matchesLetters(std::string_view term, const LetterPattern &pattern);
// The header line, then every matching term line (line 1 included) while the
// results hold fewer than 10000 lines; the whole file is read.
WordWalk findByLetters(const std::string &path, const LetterPattern &pattern);

} // namespace zelvora
