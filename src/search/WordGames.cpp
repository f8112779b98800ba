#include "search/WordGames.h"

#include "dictionary/LineReader.h"
#include "dictionary/TextHelpers.h"

#include <algorithm>

namespace zelvora {

namespace {

constexpr char Marker = '0';

// Walks the term lines from line 3 on, listing those that pass the test,
// until the file ends or the results hold `cap` lines.
template <typename Test> WordWalk walkTerms(const std::string &path, Test &&passes, std::size_t cap)
{
    WordWalk walk;
    LineReader reader(path);
    std::string spill;
    reader.skipLine();
    for (;;) {
        ++walk.steps;
        reader.skipLine();
        // Past the last definition there is no term to test, though reading
        // there gives an empty line (which would pass as a palindrome).
        const bool entryStarts = !reader.atEnd();
        const std::string_view term = reader.readLineView(spill);
        if (entryStarts && passes(term))
            walk.lines.emplace_back(term);
        if (reader.atEnd() || walk.lines.size() >= cap)
            return walk;
    }
}

} // namespace

bool isAnagramWordLength(std::size_t length)
{
    return length >= 2 && length <= AnagramSlots;
}

bool isAnagramOf(std::string_view candidate, const std::string &word)
{
    if (candidate.size() != word.size())
        return false;
    std::string marked(candidate);
    std::size_t unmatchedSlots = 0;
    for (const char letter : word) {
        const std::size_t at = marked.find(letter);
        if (at == std::string::npos)
            ++unmatchedSlots;
        else
            marked[at] = Marker;
    }
    // The empty slots after the word each put a marker in front too, so the
    // marked copy is 50 long exactly when every letter was found.
    const bool allMarked = std::all_of(marked.begin(), marked.end(), [](char c) { return c == Marker; });
    return allMarked && unmatchedSlots == 0;
}

WordWalk findAnagrams(const std::string &path, const std::string &word)
{
    return walkTerms(path, [&word](std::string_view term) { return isAnagramOf(term, word); }, WordGameLineCap);
}

bool rhymesWith(std::string_view term, const std::string &ending)
{
    return ending.size() <= term.size() && term.find(ending) == term.size() - ending.size();
}

WordWalk findRhymes(const std::string &path, const std::string &ending)
{
    return walkTerms(path, [&ending](std::string_view term) { return rhymesWith(term, ending); }, WordGameLineCap);
}

WordWalk findPalindromes(const std::string &path)
{
    return walkTerms(path, [](std::string_view term) { return IsPalindrome(term); }, WordGameLineCap);
}

bool matchesLetters(std::string_view term, const LetterPattern &pattern)
{
    for (std::size_t k = 0; k < LetterPositions; ++k) {
        const std::string &letter = pattern[k];
        if (!letter.empty() && (k >= term.size() || term.substr(k, 1) != letter))
            return false;
    }
    return true;
}

WordWalk findByLetters(const std::string &path, const LetterPattern &pattern)
{
    WordWalk walk;
    walk.lines.push_back(LettersHeader);
    LineReader reader(path);
    std::string spill;
    do {
        ++walk.steps;
        const std::string_view term = reader.readLineView(spill);
        if (walk.lines.size() < LettersLineCap && matchesLetters(term, pattern))
            walk.lines.emplace_back(term);
        reader.skipLine();
    } while (!reader.atEnd());
    return walk;
}

} // namespace zelvora
