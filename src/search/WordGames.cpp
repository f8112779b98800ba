#include "search/WordGames.h"

#include "dictionary/TextHelpers.h"

#include <algorithm>
#include <string_view>

namespace zelvora {

namespace {

constexpr std::size_t WordGameLineCap = 5000;
constexpr std::size_t LettersLineCap = 10000;
constexpr const char *LettersHeader = "[PAROLE TROVATE]";
constexpr char Marker = '0';

// Walks the term lines from line 3 on, listing those that pass the test,
// until the file ends or the results hold 5000 lines.
template <typename Test> WordWalk walkTerms(const std::string &path, std::size_t bufferSize, Test &&passes)
{
    WordWalk walk;
    LineReader reader(path, bufferSize);
    reader.skipLine();
    for (;;) {
        ++walk.steps;
        reader.skipLine();
        // Past the last definition there is no term to test, though reading
        // there gives an empty line (which would pass as a palindrome).
        if (reader.atEnd())
            return walk;
        const std::string_view term = reader.readLineView();
        if (passes(term))
            walk.lines.emplace_back(term);
        if (reader.atEnd() || walk.lines.size() >= WordGameLineCap)
            return walk;
    }
}

bool isAnagramOf(std::string_view candidate, const std::string &word)
{
    if (candidate.size() != word.size())
        return false;
    std::string marked(candidate);
    for (const char letter : word) {
        const std::size_t at = marked.find(letter);
        if (at == std::string::npos)
            return false;
        marked[at] = Marker;
    }
    // Every letter found its place; the term qualifies when nothing of it is left unmarked.
    return std::all_of(marked.begin(), marked.end(), [](char c) { return c == Marker; });
}

bool rhymesWith(std::string_view term, const std::string &ending)
{
    return ending.size() <= term.size() && term.find(ending) == term.size() - ending.size();
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

} // namespace

WordWalk findAnagrams(const std::string &path, const std::string &word, std::size_t bufferSize)
{
    return walkTerms(path, bufferSize, [&word](std::string_view term) { return isAnagramOf(term, word); });
}

WordWalk findRhymes(const std::string &path, const std::string &ending, std::size_t bufferSize)
{
    return walkTerms(path, bufferSize, [&ending](std::string_view term) { return rhymesWith(term, ending); });
}

WordWalk findPalindromes(const std::string &path, std::size_t bufferSize)
{
    return walkTerms(path, bufferSize, [](std::string_view term) { return IsPalindrome(term); });
}

WordWalk findByLetters(const std::string &path, const LetterPattern &pattern, std::size_t bufferSize)
{
    WordWalk walk;
    walk.lines.push_back(LettersHeader);
    LineReader reader(path, bufferSize);
    do {
        ++walk.steps;
        const std::string_view term = reader.readLineView();
        if (walk.lines.size() < LettersLineCap && matchesLetters(term, pattern))
            walk.lines.emplace_back(term);
        reader.skipLine();
    } while (!reader.atEnd());
    return walk;
}

} // namespace zelvora
