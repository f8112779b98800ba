// The word searches against their step-by-step reference, on random dictionaries.

#include "Equivalence.h"
#include "TempFile.h"

#include "dictionary/LineReader.h"
#include "dictionary/UpperCase.h"
#include "reference/SearchStepByStep.h"
#include "search/DictionarySearches.h"
#include "search/WordGames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using zelvora::Language;
using zelvora::LookupState;
using zelvora::SearchRun;
using zelvora::WordWalk;
namespace reference = zelvora::reference;

namespace {

const std::string Separator(24, '_');

// Few characters, so that anagrams, rhymes, palindromes and substrings are
// common; '0' is the anagram test's marker, '*' makes prefix lookups, and the
// small a and à are never found by a lookup.
const std::string Alphabet = "AROMN0a\xE0\xC0 *";
const std::vector<std::string> Bases = {"ROMA", "ALA", "ANNA", "RADAR", "A0", "MORA0", "AR", "\xE0" "A", "ARE"};

std::string lowerAscii(std::string text)
{
    for (char &c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
        else if (c == '\xC0')
            c = '\xE0';
    return text;
}

std::string someCase(Rng &rng, const std::string &word)
{
    return chance(rng, 0.3) ? lowerAscii(word) : word;
}

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

std::string randomTerm(Rng &rng, const std::vector<std::string> &earlier)
{
    switch (number(rng, 0, 10)) {
    case 0:
        if (!earlier.empty())
            return pick(rng, earlier);
        [[fallthrough]];
    case 1:
    case 2: return shuffled(rng, pick(rng, Bases));
    case 3: {
        const std::string half = randomString(rng, 0, 3);
        return half + randomString(rng, 0, 1) + std::string(half.rbegin(), half.rend());
    }
    case 4: return randomString(rng, 0, 3) + "*";
    case 5: return pick(rng, Bases) + randomString(rng, 1, 2);
    case 6: return chance(rng, 0.2) ? std::string(static_cast<std::size_t>(number(rng, 49, 51)), 'A') : "";
    default: return randomString(rng, 1, 5);
    }
}

struct Dictionary {
    std::string bytes;
    std::vector<std::string> terms;
};

Dictionary randomDictionary(Rng &rng)
{
    Dictionary d;
    if (chance(rng, 0.03))
        return d;
    std::vector<std::string> lines = {chance(rng, 0.5) ? pick(rng, Bases) : randomTerm(rng, {}), "intestazione"};
    for (int i = number(rng, 0, 30); i > 0; --i) {
        std::string term = randomTerm(rng, d.terms);
        if (chance(rng, 0.15))
            term = lowerAscii(term);
        d.terms.push_back(term);
        lines.push_back(term);
        lines.push_back(chance(rng, 0.15) ? "" : "d" + std::to_string(i));
    }
    d.bytes = dictionaryBytes(rng, std::move(lines), "ROMA");
    return d;
}

reference::Window windowFor(const std::string &path, Language language, const LookupState &before)
{
    reference::Window w;
    w.currentDictPath = path;
    w.language = language;
    w.pane = {"prima"};
    w.termBox = before.termBox;
    w.label1 = before.label1;
    w.label3 = before.label3;
    return w;
}

void expectSameWalk(const WordWalk &engine, const reference::Window &w)
{
    expectSameLines(engine.lines, w.pane, ShortLists::Escaped);
    EXPECT_EQ(engine.steps, w.progressPosition);
}

void expectSameRun(const SearchRun &engine, const reference::Window &w)
{
    expectSameLines(engine.lines, w.pane, ShortLists::Escaped);
    EXPECT_EQ(escaped(engine.state.termBox), escaped(w.termBox));
    EXPECT_EQ(escaped(engine.state.label1), escaped(w.label1));
    EXPECT_EQ(engine.state.label3, w.label3);
    EXPECT_EQ(engine.steps, w.progressPosition);
}

LookupState randomBefore(Rng &rng, const std::string &typed)
{
    return {typed, "prima", pick(rng, std::vector<std::string>{"SI", "NO", "??"})};
}

// One word game: the reference clicks with `typed` in the term box, the engine
// gets what the window hands over.
void compareWalk(const std::string &what, const std::string &path, const std::string &typed,
                 const std::function<void(reference::Window &)> &click, const std::function<WordWalk()> &walk)
{
    SCOPED_TRACE(what + " " + escaped(typed));
    reference::Window w = windowFor(path, Language::Italian, {typed, "", ""});
    click(w);
    expectSameWalk(walk(), w);
}

void compareWordGames(Rng &rng, const std::string &path, const std::vector<std::string> &terms,
                      const zelvora::LetterPattern &pattern)
{
    const std::vector<std::string> words = terms.empty() ? Bases : terms;
    for (int i = 0; i < 2; ++i) {
        std::string typed = someCase(rng, chance(rng, 0.8) ? shuffled(rng, pick(rng, words)) : randomString(rng, 2, 4));
        if (!zelvora::isAnagramWordLength(typed.size()))
            typed = pick(rng, Bases);
        compareWalk("anagrams of", path, typed, reference::Button2Click,
                    [&] { return zelvora::findAnagrams(path, zelvora::toUpperAscii(typed)); });
    }
    for (int i = 0; i < 2; ++i) {
        const std::string word = pick(rng, words);
        std::string typed = word.substr(word.size() - std::min<std::size_t>(word.size(), number(rng, 2, 3)));
        typed = someCase(rng, typed.size() < 2 || chance(rng, 0.2) ? randomString(rng, 2, 3) : typed);
        compareWalk("rhymes with", path, typed, reference::Button7Click,
                    [&] { return zelvora::findRhymes(path, zelvora::toUpperAscii(typed)); });
    }
    compareWalk("palindromes", path, "", reference::Button35Click, [&] { return zelvora::findPalindromes(path); });
    compareWalk("letters", path, "", [&](reference::Window &w) { reference::Panel49Click(w, pattern); },
                [&] { return zelvora::findByLetters(path, pattern); });
}

// Some characters of a term at their places, now and then one past its end.
zelvora::LetterPattern randomPattern(Rng &rng, const std::vector<std::string> &terms)
{
    const std::string word = terms.empty() ? pick(rng, Bases) : pick(rng, terms);
    zelvora::LetterPattern pattern;
    for (int n = number(rng, 1, 3); n > 0; --n) {
        const auto k = static_cast<std::size_t>(chance(rng, 0.1) ? 13 : number(rng, 0, 5));
        pattern[k] = k < word.size() && chance(rng, 0.8) ? word.substr(k, 1) : randomString(rng, 1, 1);
    }
    return pattern;
}

std::string randomSearchText(Rng &rng, const std::vector<std::string> &terms)
{
    const std::string word = terms.empty() || chance(rng, 0.2) ? randomString(rng, 0, 4) : pick(rng, terms);
    const std::size_t from = static_cast<std::size_t>(number(rng, 0, static_cast<int>(word.size())));
    return someCase(rng, word.substr(from, static_cast<std::size_t>(number(rng, 1, 4))));
}

void compareSubstringInTermList(Rng &rng, const std::string &path, const std::string &text, Language language)
{
    std::vector<std::string> termList; // the window's: every term line, or without consecutive repeats
    const bool dropRepeats = chance(rng, 0.5);
    zelvora::LineReader file(path, 4096);
    do {
        std::string term = file.readLine();
        file.readLine();
        if (!dropRepeats || termList.empty() || termList.back() != term)
            termList.push_back(std::move(term));
    } while (!file.atEnd());
    SCOPED_TRACE("substring " + escaped(text) + " in the term list");
    const LookupState before = randomBefore(rng, text);
    SearchRun run{{}, before, 0};
    zelvora::searchSubstringInTermList(path, termList, text, language, run);
    reference::Window w = windowFor(path, language, before);
    reference::Button23Click(w, termList);
    expectSameRun(run, w);
}

// The whole-word search, or the substring search, over a list of dictionaries.
void compareListSearch(bool substring, const std::vector<reference::ListEntry> &list, const LookupState &before,
                       Language language)
{
    SCOPED_TRACE((substring ? "substring " : "whole word ") + escaped(before.termBox));
    std::vector<zelvora::ListedDictionary> listed;
    for (const reference::ListEntry &entry : list)
        listed.push_back({entry.name, entry.path});
    SearchRun run{{}, before, 0};
    reference::Window w = windowFor("corrente", language, before);
    if (substring) {
        zelvora::searchSubstringInList(listed, before.termBox, language, run);
        reference::Button25Click(w, list);
    } else {
        zelvora::searchWholeWord(listed, language, run);
        reference::Button6Click(w, list);
    }
    expectSameRun(run, w);
}

std::string bigDictionary(std::size_t entries, const std::function<std::string(std::size_t)> &term)
{
    std::string bytes = term(0) + "\r\nintestazione\r\n";
    for (std::size_t i = 1; i <= entries; ++i)
        bytes += term(i) + "\r\nd" + std::to_string(i) + "\r\n";
    return bytes;
}

} // namespace

TEST(SearchEquivalence, RandomDictionariesMatchTheSteps)
{
    Rng rng(1306);
    for (int round = 0; round < 120; ++round) {
        std::vector<Dictionary> dictionaries;
        std::vector<std::unique_ptr<TempFile>> files;
        std::vector<std::string> allTerms;
        std::string described;
        for (int i = 0; i < 3; ++i) {
            dictionaries.push_back(randomDictionary(rng));
            files.push_back(std::make_unique<TempFile>(dictionaries.back().bytes));
            allTerms.insert(allTerms.end(), dictionaries.back().terms.begin(), dictionaries.back().terms.end());
            described += "dictionary " + std::to_string(i) + ": " + escaped(dictionaries.back().bytes) + "\n";
        }
        SCOPED_TRACE("round " + std::to_string(round) + "\n" + described);
        const Language language = round % 2 ? Language::English : Language::Italian;
        for (std::size_t i = 0; i < files.size(); ++i) {
            SCOPED_TRACE("dictionary " + std::to_string(i));
            compareWordGames(rng, files[i]->path(), dictionaries[i].terms, randomPattern(rng, dictionaries[i].terms));
            for (int n = 0; n < 2; ++n) {
                const std::string text = randomSearchText(rng, dictionaries[i].terms);
                compareSubstringInTermList(rng, files[i]->path(), text, language);
            }
        }

        std::vector<reference::ListEntry> list;
        for (int n = number(rng, 1, 5); n > 0; --n) {
            const int which = number(rng, 0, 3);
            if (which == 3) // a separator names no file: opening it would throw
                list.push_back({Separator, TempFile::missingPath()});
            else
                list.push_back({"dizionario" + std::to_string(which) + ".txt",
                                files[static_cast<std::size_t>(which)]->path()});
        }
        const std::vector<std::string> words = allTerms.empty() ? Bases : allTerms;
        for (const std::string &typed : {someCase(rng, pick(rng, words)), someCase(rng, pick(rng, words)),
                                         pick(rng, std::vector<std::string>{"", "ar*", "RO*", "ROM*", "AN*", "*"})})
            compareListSearch(false, list, randomBefore(rng, typed), language);
        for (int n = 0; n < 2; ++n)
            compareListSearch(true, list, randomBefore(rng, randomSearchText(rng, words)), language);
    }
}

// Dictionaries big enough for the caps: 5000 lines for the word games, 10000
// for the letters, 32500 term lines per dictionary for the substring search.
TEST(SearchEquivalence, CapsMatchTheSteps)
{
    const TempFile letters(bigDictionary(12000, [](std::size_t i) { return i % 10 == 5 ? "B" : "A"; }));
    const TempFile words(bigDictionary(9000, [](std::size_t i) {
        return std::vector<std::string>{"ROMA", "AMOR", "ARMA", "ROMA", "MORA0"}[i % 5];
    }));
    const std::string w = words.path(), l = letters.path();
    for (const std::string typed : {"ROMA", "mora0"})
        compareWalk("anagrams of", w, typed, reference::Button2Click,
                    [&] { return zelvora::findAnagrams(w, zelvora::toUpperAscii(typed)); });
    for (const std::string typed : {"ma", "A0"})
        compareWalk("rhymes with", w, typed, reference::Button7Click,
                    [&] { return zelvora::findRhymes(w, zelvora::toUpperAscii(typed)); });
    compareWalk("palindromes", l, "", reference::Button35Click, [&] { return zelvora::findPalindromes(l); });
    for (const char *letter : {"A", "B"}) {
        zelvora::LetterPattern pattern;
        pattern[0] = letter;
        compareWalk("letters", l, letter, [&](reference::Window &window) { reference::Panel49Click(window, pattern); },
                    [&] { return zelvora::findByLetters(l, pattern); });
    }
    EXPECT_EQ(zelvora::findAnagrams(w, "ROMA").lines.size(), 5000u);
    EXPECT_EQ(zelvora::findRhymes(w, "MA").lines.size(), 5000u);
    EXPECT_EQ(zelvora::findPalindromes(l).lines.size(), 5000u);
    zelvora::LetterPattern a;
    a[0] = "A";
    const WordWalk found = zelvora::findByLetters(l, a);
    EXPECT_EQ(found.lines.size(), 10000u);
    EXPECT_EQ(found.steps, 12001u);

    // Term line 32500 is the last one searched; a prefix lookup from it still
    // lists the matching entries after it.
    const TempFile substring(bigDictionary(33000, [](std::size_t i) -> std::string {
        switch (i) {
        case 0: return "ZZZZ TITOLO";
        case 100: return "ZZZZA";
        case 32499: return "ZZZZ*";
        case 32500: return "ZZZZC";
        case 32600: return "zzzzb";
        case 32700: return "ZZZZB";
        default: return "T" + std::to_string(i);
        }
    }));
    const std::vector<reference::ListEntry> list = {{"grande.txt", substring.path()},
                                                    {Separator, TempFile::missingPath()}};
    compareListSearch(true, list, {"zzzz", "prima", "SI"}, Language::Italian);
    compareListSearch(true, list, {"ZZZ*", "prima", "SI"}, Language::English);
    compareListSearch(false, list, {"zzz*", "prima", "SI"}, Language::Italian);
    compareListSearch(false, list, {"ZZZZC", "prima", "SI"}, Language::English);
    SearchRun run{{}, {"zzzz", "", ""}, 0};
    zelvora::searchSubstringInList({{"grande.txt", substring.path()}}, "zzzz", Language::Italian, run);
    EXPECT_EQ(run.lines, (std::vector<std::string>{"----- grande.txt -----", "ZZZZA = d100", "ZZZZA = d100",
                                                   "ZZZZ* = d32499", "ZZZZC = d32500", "ZZZZB = d32700"}));
}

// More than 300000 findings: the lookup whose finding passes the limit empties
// the pane, the dictionary's header with it, and the search goes on.
TEST(SearchEquivalence, PaneLimitMatchesTheSteps)
{
    const TempFile half(bigDictionary(150001, [](std::size_t) { return "ABCD"; }));
    const std::vector<reference::ListEntry> list = {{"a.txt", half.path()}, {"b.txt", half.path()}};
    compareListSearch(false, list, {"abc*", "prima", "NO"}, Language::English);
    SearchRun run{{}, {"abc*", "prima", "NO"}, 0};
    zelvora::searchWholeWord({{"a.txt", half.path()}, {"b.txt", half.path()}}, Language::Italian, run);
    EXPECT_EQ(run.lines, std::vector<std::string>(3, "ABCD = d1")); // 150003 + 149998 > 300000
    EXPECT_EQ(run.state.termBox, "ABC*");
}
