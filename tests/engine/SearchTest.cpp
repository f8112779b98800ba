// The word searches on small dictionaries whose outcome is known by heart.

#include "TempFile.h"

#include "dictionary/Dictionary.h"
#include "dictionary/FileError.h"
#include "search/DictionarySearches.h"
#include "search/WordGames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zelvora::Language;
using zelvora::LookupState;
using zelvora::SearchRun;
using Lines = std::vector<std::string>;

namespace {

const std::string Separator(24, '_');

zelvora::LetterPattern letters(std::initializer_list<std::pair<std::size_t, const char *>> boxes)
{
    zelvora::LetterPattern pattern;
    for (const auto &[box, letter] : boxes)
        pattern[box - 1] = letter;
    return pattern;
}

} // namespace

TEST(SearchWordGames, AnagramsHaveTheSameLettersAsOften)
{
    // The header pair's term is an anagram too, and never listed.
    const TempFile file(crlf({"ROMA", "intestazione", "AMOR", "1", "AMORE", "2", "MORA", "3", "ROMANA", "4", "ORMA",
                              "5", "roma", "6", "RAMO", "7", "ROMA", "8", "ALA", "9", "AAL", "10", "ALL", "11", "LAA",
                              "12"}));
    const zelvora::WordWalk roma = zelvora::findAnagrams(file.path(), "ROMA");
    EXPECT_EQ(roma.lines, (Lines{"AMOR", "MORA", "ORMA", "RAMO", "ROMA"}));
    EXPECT_EQ(roma.steps, 13u); // the last step reads past "12"
    EXPECT_EQ(zelvora::findAnagrams(file.path(), "ALA").lines, (Lines{"ALA", "AAL", "LAA"}));
}

TEST(SearchWordGames, RhymesEndWhereTheEndingFirstOccurs)
{
    const TempFile file(crlf({"ARE", "intestazione", "AMARE", "1", "ARENARE", "2", "CANTARE", "3", "ARE", "4", "RE",
                              "5", "AAA", "6", "AA", "7", "BAA", "8"}));
    EXPECT_EQ(zelvora::findRhymes(file.path(), "ARE").lines, (Lines{"AMARE", "CANTARE", "ARE"}));
    const zelvora::WordWalk aa = zelvora::findRhymes(file.path(), "AA");
    EXPECT_EQ(aa.lines, (Lines{"AA", "BAA"}));
    EXPECT_EQ(aa.steps, 9u);
}

TEST(SearchWordGames, PalindromesCountEveryCharacter)
{
    const Lines lines = {"ANNA", "intestazione", "ANNA", "1", "ROMA", "2", "OSSO", "3", "A CASA", "4", "RADAR", "5",
                         "", "6", "Anna", "7", "A", "8"};
    const TempFile file(crlf(lines));
    const zelvora::WordWalk found = zelvora::findPalindromes(file.path());
    EXPECT_EQ(found.lines, (Lines{"ANNA", "OSSO", "RADAR", "", "A"}));
    // The last step reads past the last definition: an empty line that is no
    // term line. A blank line after the last entry is one, and is listed.
    EXPECT_EQ(found.steps, 9u);
    const TempFile blankLast(crlf(lines) + "\r\n");
    EXPECT_EQ(zelvora::findPalindromes(blankLast.path()).lines, (Lines{"ANNA", "OSSO", "RADAR", "", "A", ""}));
}

TEST(SearchWordGames, LettersByPositionFromLineOne)
{
    const std::string fourteen = "PRECIPITEVOLISSIMEVOLMENTE"; // S is its 14th character
    const TempFile file(crlf({"CASTELLO", "intestazione", "CASA", "1", "CAS", "2", "CA", "3", "cas", "4", "ACASA",
                              "5", "CASA", "6", "PIZZA", "7", fourteen, "8"}));
    const zelvora::WordWalk cas = zelvora::findByLetters(file.path(), letters({{1, "C"}, {2, "A"}, {3, "S"}}));
    EXPECT_EQ(cas.lines, (Lines{"[PAROLE TROVATE]", "CASTELLO", "CASA", "CAS", "CASA"}));
    EXPECT_EQ(cas.steps, 9u);
    EXPECT_EQ(zelvora::findByLetters(file.path(), letters({{5, "A"}})).lines,
              (Lines{"[PAROLE TROVATE]", "ACASA", "PIZZA"}));
    EXPECT_EQ(zelvora::findByLetters(file.path(), letters({{14, "S"}})).lines, (Lines{"[PAROLE TROVATE]", fourteen}));
    EXPECT_EQ(zelvora::findByLetters(file.path(), letters({{14, "O"}})).lines, (Lines{"[PAROLE TROVATE]"}));
}

TEST(SearchWholeWord, FindingsUnderTheirDictionaryHeaders)
{
    const TempFile first(crlf({"CASA", "intestazione", "CASA", "house", "CASALE", "farmhouse"}));
    const TempFile middle(crlf({"CASA", "intestazione", "CASTELLO", "castle"}));
    const TempFile last(crlf({"TITOLO", "intestazione", "CASA", "home"}));
    const std::vector<zelvora::ListedDictionary> list = {
        {"primo.txt", first.path()}, {Separator, TempFile::missingPath()}, {"medio.txt", middle.path()},
        {"ultimo.txt", last.path()}};

    SearchRun run{{}, {"casa", "prima", "NO"}, 0};
    zelvora::searchWholeWord(list, Language::Italian, run);
    EXPECT_EQ(run.lines, (Lines{"----- primo.txt -----", "CASA = house", "----- ultimo.txt -----", "CASA = home"}));
    EXPECT_EQ(run.state.termBox, "CASA");
    EXPECT_EQ(run.state.label1, "home");
    EXPECT_EQ(run.steps, 4u);

    SearchRun prefix{{}, {"cas*", "", ""}, 0};
    zelvora::searchWholeWord(list, Language::Italian, prefix);
    EXPECT_EQ(prefix.lines, (Lines{"----- primo.txt -----", "CASA = house", "CASALE = farmhouse",
                                   "----- medio.txt -----", "CASTELLO = castle", "----- ultimo.txt -----",
                                   "CASA = home"}));
    EXPECT_EQ(prefix.state.termBox, "CAS*");

    // The short prefix's message is the term of the lookups after it.
    SearchRun shortPrefix{{}, {"ab*", "prima", "NO"}, 0};
    zelvora::searchWholeWord({{"primo.txt", first.path()}, {"ultimo.txt", last.path()}}, Language::English,
                             shortPrefix);
    EXPECT_EQ(shortPrefix.lines, Lines{});
    EXPECT_EQ(shortPrefix.state.termBox, "AT LEAST 3 INITIAL CHARACTERS");
    EXPECT_EQ(shortPrefix.state.label1, "Termine non trovato!");
}

TEST(SearchWholeWord, MissingDictionaryKeepsTheFindingsBeforeIt)
{
    const TempFile first(crlf({"TITOLO", "intestazione", "CASA", "house"}));
    SearchRun run{{}, {"CASA", "", ""}, 0};
    EXPECT_THROW(zelvora::searchWholeWord({{"primo.txt", first.path()}, {"manca.txt", TempFile::missingPath()},
                                           {"ultimo.txt", first.path()}},
                                          Language::Italian, run),
                 zelvora::FileError);
    ASSERT_GE(run.lines.size(), 2u);
    EXPECT_EQ(Lines(run.lines.begin(), run.lines.begin() + 2), (Lines{"----- primo.txt -----", "CASA = house"}));
}

TEST(SearchSubstring, HeaderAtTheFirstHitAndTheFirstEntrysDefinition)
{
    const TempFile first(crlf({"CASATA", "intestazione", "CASA", "casa 1", "CASA", "casa 2", "CASALE", "",
                               "ROMA", "rome", "CASALINGA", "housewife"}));
    const TempFile headerOnly(crlf({"CASATA", "intestazione", "ROMA", "rome"}));
    SearchRun run{{}, {"casa", "", ""}, 0};
    zelvora::searchSubstringInList({{"uno.txt", first.path()}, {Separator, TempFile::missingPath()},
                                    {"due.txt", headerOnly.path()}},
                                   "casa", Language::Italian, run);
    EXPECT_EQ(run.lines, (Lines{"----- uno.txt -----", "CASA = casa 1", "CASA = casa 1", "CASALINGA = housewife",
                                "----- due.txt -----"}));
    EXPECT_EQ(run.state.termBox, "CASA");
    EXPECT_EQ(run.steps, 3u);

    // The current dictionary's term list, as the window holds it.
    for (const auto repeats : {zelvora::TermRepeats::Keep, zelvora::TermRepeats::DropConsecutive}) {
        Lines termList;
        zelvora::readTerms(first.path(), repeats, termList);
        SearchRun current{{}, {"casa", "", ""}, 0};
        zelvora::searchSubstringInTermList(first.path(), termList, "casa", Language::Italian, current);
        const Lines twice = {"CASA = casa 1", "CASA = casa 1", "CASALINGA = housewife"};
        const Lines once = {"CASA = casa 1", "CASALINGA = housewife"};
        EXPECT_EQ(current.lines, repeats == zelvora::TermRepeats::Keep ? twice : once);
        EXPECT_EQ(current.steps, termList.size());
        EXPECT_EQ(current.state.termBox, "CASA");
    }
}
