// The word searches against their step-by-step reference, on random dictionaries.

#include "Equivalence.h"
#include "TempFile.h"
#include "WordSearchRuns.h"

#include "dictionary/Dictionary.h"
#include "search/DictionarySearches.h"
#include "search/WordGames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>
#include <string>
#include <vector>

using zelvora::Language;
using zelvora::ListedDictionary;
using Lines = std::vector<std::string>;

namespace {

const std::string Separator(24, '_');

// Few characters, so that anagrams, rhymes, palindromes and substrings are
// common; '0' is the anagram test's marker, '*' makes prefix lookups, and the
// small a and à are never found by a lookup.
const std::string Alphabet = "AROMN0a\xE0\xC0 *";
const Lines Bases = {"ROMA", "ALA", "ANNA", "RADAR", "A0", "MORA0", "AR", "\xE0" "A", "ARE"};

std::string randomString(Rng &rng, int low, int high)
{
    std::string s;
    for (int n = number(rng, low, high); n > 0; --n)
        s += Alphabet[static_cast<std::size_t>(number(rng, 0, static_cast<int>(Alphabet.size()) - 1))];
    return s;
}

std::string shuffled(Rng &rng, std::string word)
{
    std::shuffle(word.begin(), word.end(), rng);
    return word;
}

// Up to four characters from inside the word, its last ones or none.
std::string partOf(Rng &rng, const std::string &word)
{
    const auto from = static_cast<std::size_t>(number(rng, 0, static_cast<int>(word.size())));
    return someCase(rng, word.substr(from, static_cast<std::size_t>(number(rng, 1, 4))));
}

// An earlier term again, an anagram, a palindrome, a prefix, a rhyme, or 49 to
// 51 letters (the anagram search takes 50 at most).
std::string randomTerm(Rng &rng, const Lines &earlier)
{
    const std::string base = pick(rng, Bases), half = randomString(rng, 0, 3);
    switch (number(rng, 0, 10)) {
    case 0: return earlier.empty() ? base : pick(rng, earlier);
    case 1: return earlier.empty() ? base : earlier.back();
    case 2: return shuffled(rng, base);
    case 3: return half + randomString(rng, 0, 1) + std::string(half.rbegin(), half.rend());
    case 4: return half + "*";
    case 5: return base + randomString(rng, 1, 2);
    case 6: return std::string(static_cast<std::size_t>(number(rng, 49, 51)), 'A');
    default: return randomString(rng, 0, 5);
    }
}

// A random dictionary's bytes, and its terms as they were written.
std::pair<std::string, Lines> randomDictionary(Rng &rng)
{
    Lines terms, lines = {randomTerm(rng, Bases), "intestazione"};
    for (int i = number(rng, 0, 30); i > 0; --i) {
        terms.push_back(someCase(rng, randomTerm(rng, terms)));
        lines.insert(lines.end(), {terms.back(), chance(rng, 0.15) ? "" : "d" + std::to_string(i)});
    }
    return {chance(rng, 0.03) ? "" : dictionaryBytes(rng, lines, "ROMA"), terms};
}

// One word game: the reference clicks with `typed` in the term box, the engine
// gets what the window hands over.
zelvora::WordWalk compareGame(Game game, const std::string &path, const std::string &typed,
                              const zelvora::LetterPattern &pattern = {},
                              std::size_t bufferSize = zelvora::DefaultBufferSize)
{
    SCOPED_TRACE("game " + std::to_string(static_cast<int>(game)) + " with " + testing::PrintToString(typed));
    const GamePlayed played = playGame(game, path, typed, pattern, bufferSize);
    expectSameLines(played.engine.lines, played.reference.pane);
    EXPECT_EQ(played.engine.steps, played.reference.progressPosition);
    return played.engine;
}

// A search for the term box's text over the list, or over the term list of
// the list's first dictionary.
zelvora::SearchRun compareSearch(Search search, const std::vector<ListedDictionary> &list,
                                 const zelvora::LookupState &before, Language language, const Lines &termList = {},
                                 std::size_t bufferSize = zelvora::DefaultBufferSize)
{
    SCOPED_TRACE("search " + std::to_string(static_cast<int>(search)) + ": " + testing::PrintToString(before.termBox));
    const SearchDone done = runSearch(search, list, before, language, termList, bufferSize);
    expectSameLines(done.engine.lines, done.reference.pane);
    expectSameState(done.engine.state, done.reference);
    EXPECT_EQ(done.engine.steps, done.reference.progressPosition);
    return done.engine;
}

std::string bigDictionary(std::size_t entries, const auto &term)
{
    std::string bytes = std::string(term(0)) + "\r\nintestazione\r\n";
    for (std::size_t i = 1; i <= entries; ++i)
        bytes += std::string(term(i)) + "\r\nd" + std::to_string(i) + "\r\n";
    return bytes;
}

} // namespace

TEST(SearchEquivalence, RandomDictionariesMatchTheSteps)
{
    Rng rng(1306);
    for (int round = 0; round < 200; ++round) {
        const std::size_t bufferSize = bufferSizeFor(round);
        SCOPED_TRACE("buffer " + std::to_string(bufferSize));
        std::deque<TempFile> files;
        std::vector<ListedDictionary> list;
        Lines allTerms = Bases;
        const Language language = round % 2 ? Language::English : Language::Italian;
        for (int i = 0; i < 3; ++i) {
            const auto [bytes, terms] = randomDictionary(rng);
            const std::string &path = files.emplace_back(bytes).path();
            SCOPED_TRACE("dictionary " + testing::PrintToString(bytes));
            allTerms.insert(allTerms.end(), terms.begin(), terms.end());
            // Words from its terms: shuffled, their last letters, some of their letters at their places.
            const std::string word = pick(rng, terms.empty() ? Bases : terms);
            const std::string anagram = someCase(rng, shuffled(rng, word));
            compareGame(Game::Anagrams, path, zelvora::AnagramWordLength.admits(anagram.size()) ? anagram : "ROMA", {},
                        bufferSize);
            const auto ending = static_cast<std::size_t>(number(rng, 2, 3));
            compareGame(Game::Rhymes, path, word.size() < 3 ? "AR" : someCase(rng, word.substr(word.size() - ending)),
                        {}, bufferSize);
            compareGame(Game::Palindromes, path, "", {}, bufferSize);
            zelvora::LetterPattern pattern;
            for (const std::size_t k : {number(rng, 0, 5), number(rng, 0, 13)})
                pattern[k] = k < word.size() && chance(rng, 0.8) ? word.substr(k, 1) : randomString(rng, 1, 1);
            compareGame(Game::Letters, path, "", pattern, bufferSize);
            // The window's term list, with or without consecutive repeats.
            Lines termList;
            using enum zelvora::TermRepeats;
            zelvora::readTerms(path, chance(rng, 0.5) ? Keep : DropConsecutive, termList, {}, bufferSize);
            compareSearch(Search::SubstringInTermList, {{"", path}}, {partOf(rng, word), "prima"},
                          language, termList, bufferSize);
            list.push_back({"d" + std::to_string(i) + ".txt", path});
        }
        // One to five of them and separators, which name no file.
        std::shuffle(list.begin(), list.end(), rng);
        list.resize(static_cast<std::size_t>(number(rng, 1, 3)));
        const int at = number(rng, 0, static_cast<int>(list.size())), separators = number(rng, 0, 2);
        list.insert(list.begin() + at, static_cast<std::size_t>(separators), {Separator, TempFile::missingPath()});
        using enum zelvora::FoundFlag;
        const std::vector<zelvora::FoundFlag> flags = {Yes, No, Unset};
        for (const std::string &typed : {pick(rng, allTerms), pick(rng, allTerms), pick(rng, {"ar*", "ROM*", "*"})})
            compareSearch(Search::WholeWord, list,
                          {someCase(rng, typed), "", flags[static_cast<std::size_t>(number(rng, 0, 2))]}, language, {},
                          bufferSize);
        for (int n = 0; n < 2; ++n)
            compareSearch(Search::Substring, list, {partOf(rng, pick(rng, allTerms)), "prima"}, language,
                          {}, bufferSize);
    }
}

// Dictionaries big enough for the caps: 5000 lines for the word games, 10000
// for the letters, 32500 term lines per dictionary for the substring search,
// 300000 lines for the results pane.
TEST(SearchEquivalence, CapsMatchTheSteps)
{
    const TempFile letters(bigDictionary(12000, [](std::size_t i) { return i % 10 == 5 ? "B" : "A"; }));
    const Lines four = {"ROMA", "AMOR", "ARMA", "MORA0"};
    const TempFile words(bigDictionary(12000, [&](std::size_t i) { return four[i % 4]; }));
    EXPECT_EQ(compareGame(Game::Anagrams, words.path(), "roma").lines.size(), 5000u);
    EXPECT_EQ(compareGame(Game::Rhymes, words.path(), "MA").lines.size(), 5000u);
    EXPECT_EQ(compareGame(Game::Palindromes, letters.path(), "").lines.size(), 5000u);
    zelvora::LetterPattern pattern;
    pattern[0] = "A";
    EXPECT_EQ(compareGame(Game::Letters, letters.path(), "", pattern).lines.size(), 10000u);

    // Term line 32500 is the last one searched; a prefix lookup from it still
    // lists the matching entries after it.
    const std::map<std::size_t, std::string> terms = {{0, "ZZZZ TITOLO"}, {100, "ZZZZA"},   {32499, "ZZZZ*"},
                                                      {32500, "ZZZZC"},     {32600, "zzzzb"}, {32700, "ZZZZB"}};
    const TempFile substring(bigDictionary(33000, [&](std::size_t i) {
        return terms.contains(i) ? terms.at(i) : "T" + std::to_string(i);
    }));
    const std::vector<ListedDictionary> list = {{"grande.txt", substring.path()}, {Separator, TempFile::missingPath()}};
    EXPECT_EQ(compareSearch(Search::Substring, list, {"zzzz", "prima", zelvora::FoundFlag::Yes}, Language::Italian, {}, 7).lines,
              (Lines{"----- grande.txt -----", "ZZZZA = d100", "ZZZZA = d100", "ZZZZ* = d32499", "ZZZZC = d32500",
                     "ZZZZB = d32700"}));
    compareSearch(Search::Substring, list, {"ZZZ*", "prima", zelvora::FoundFlag::Yes}, Language::English);
    compareSearch(Search::WholeWord, list, {"zzz*", "prima", zelvora::FoundFlag::Yes}, Language::Italian);
}

// The lookup whose finding passes 300000 lines empties the pane, the
// dictionary's header with it, and the search goes on for the user's term,
// not for the message the lookup left in the term box. (The reference would
// read the file from its start for every one of the matches: too slow here.)
TEST(SearchEquivalence, WholeWordSearchGoesOnPastThePaneLimit)
{
    const TempFile half(bigDictionary(150001, [](std::size_t) { return "ABCD"; }));
    const TempFile small(crlf({"TITOLO", "intestazione", "ABCZ", "z"}));
    zelvora::SearchRun run{{}, {"abc*", "prima", zelvora::FoundFlag::No}, 0};
    zelvora::searchWholeWord({{"a.txt", half.path()}, {"b.txt", half.path()}, {"c.txt", small.path()}},
                             Language::English, run);
    // 150002 lines for a.txt, then b.txt's header and 149998 of its lines pass 300000.
    EXPECT_EQ(run.lines, (Lines{"ABCD = d149999", "ABCD = d150000", "ABCD = d150001", "----- c.txt -----",
                                "ABCZ = z"}));
    EXPECT_EQ(run.state.termBox, "ABC*");
}
