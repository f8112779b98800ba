// Term lookups, whole-text translation, dictionary from text and word list on
// small dictionaries whose outcome is known by heart.

#include "TempFile.h"

#include "dictionary/FileError.h"
#include "translate/TextOperations.h"
#include "translate/WorkingText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using zelvora::Language;
using zelvora::TextOperation;
using Lines = std::vector<std::string>;

namespace {

const std::string Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

const std::string Dictionary = crlf({
    "TITOLO", "intestazione", "LA", "the", "CASA", "house", "BELLA", "beautiful", "UNO\tDUE", "one two",
    Alphabet, "whole", Alphabet.substr(0, 25), "cut",
});

const zelvora::LookupState Before{"", "prima", "??"};

zelvora::TextRun run(TextOperation operation, const Lines &input, const std::string &dictionary = Dictionary)
{
    const TempFile file(dictionary);
    const TempFile working("");
    return zelvora::runTextOperation(operation, file.path(), zelvora::prepareWorkingFile(working.path(), input),
                                     Language::Italian, Before);
}

zelvora::TermLookup lookUp(const std::string &dictionary, const std::string &typed,
                           Language language = Language::Italian, std::size_t paneLines = 0)
{
    const TempFile file(dictionary);
    return zelvora::lookUpTerm(file.path(), typed, language, paneLines, Before);
}

std::string bytesOf(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(Translation, WholeTextGivesEachLineThenOneLinePerWord)
{
    const zelvora::TextRun text = run(TextOperation::Translate, {"la casa, bella."});
    EXPECT_EQ(text.lines, (Lines{"la casa  bella ", "LA = the", "CASA = house", "BELLA = beautiful"}));
    EXPECT_EQ(text.state.termBox, ""); // the empty last word
    EXPECT_EQ(text.state.label1, "Traduzione terminata!");
    EXPECT_EQ(text.state.label3, "SI");
    EXPECT_EQ(text.progressMaximum, 3u);
    EXPECT_EQ(text.progressPosition, 8u); // 2 for each of the four words followed by a blank

    // A long word is looked up whole in the middle of a line, by its first 25
    // characters at the end; a tab does not split a word.
    const std::string small = "abcdefghijklmnopqrstuvwxyz";
    const zelvora::TextRun cut = run(TextOperation::Translate, {small + " " + small, "uno\tdue"});
    EXPECT_EQ(cut.lines, (Lines{small + " " + small, Alphabet + " = whole", Alphabet.substr(0, 25) + " = cut",
                                "uno\tdue", "UNO\tDUE = one two"}));
    EXPECT_EQ(cut.state.termBox, "UNO\tDUE");

    for (const Lines &empty : {Lines{}, Lines{""}})
        EXPECT_EQ(run(TextOperation::Translate, empty).lines, Lines{""});
}

TEST(Translation, PlaceholderWordsAndRepeatedWords)
{
    // ":" stands for ZZZZZ but ZZZZZ is no placeholder word: it is reported as missing, KKKKK is not.
    EXPECT_EQ(run(TextOperation::Translate, {"ZZZZZ KKKKK"}).lines, (Lines{"ZZZZZ KKKKK", "ZZZZZ = -"}));
    EXPECT_EQ(run(TextOperation::DictionaryFromText, {"ZZZZZ KKKKK"}).lines, Lines{"ZZZZZ = -"});
    EXPECT_EQ(run(TextOperation::WordList, {"ZZZZZ KKKKK"}).lines, Lines{"ZZZZZ [non trovato]"});

    const Lines text = {"casa Casa CASA. nulla Nulla", "NULLA"};
    const zelvora::TextRun dictionary = run(TextOperation::DictionaryFromText, text);
    EXPECT_EQ(dictionary.lines, (Lines{"CASA = house", "NULLA = -"}));
    EXPECT_EQ(dictionary.progressPosition, 5u); // 1 for each word followed by a blank
    EXPECT_EQ(run(TextOperation::WordList, text).lines, (Lines{"CASA", "NULLA [non trovato]"}));
    EXPECT_EQ(run(TextOperation::Translate, text).lines,
              (Lines{"casa Casa CASA  nulla Nulla", "CASA = house", "CASA = house", "CASA = house", "NULLA = -",
                     "NULLA = -", "NULLA", "NULLA = -"}));
}

TEST(Translation, PrefixLookupListsMatchesInFileOrder)
{
    const std::string dictionary = crlf({
        "ABC", "testata", "ABCD", "primo", "ABX", "x", "ABCD", "secondo", "abce", "minuscolo",
        "ABC\xC8", "", "ABCz", "z", "ABC", "tre",
    });
    // The header is not compared; a repeated term shows its first definition;
    // "abce" does not begin with ABC; the matches without a definition append nothing.
    const zelvora::TermLookup found = lookUp(dictionary, "abc*");
    EXPECT_EQ(found.pane.appended(), (Lines{"ABCD = primo", "ABCD = primo", "ABC = tre"}));
    EXPECT_EQ(found.state.termBox, "ABC*");
    EXPECT_EQ(found.state.label1, "tre");
    EXPECT_EQ(found.state.label3, "SI");

    const zelvora::TermLookup none = lookUp(dictionary, "QQQ*");
    EXPECT_TRUE(none.pane.appended().empty());
    EXPECT_EQ(none.state.termBox, "QQQ*");
    EXPECT_EQ(none.state.label1, "prima");
    EXPECT_EQ(none.state.label3, "NO");

    // Inside a text, the listing comes at the word's place.
    EXPECT_EQ(run(TextOperation::Translate, {"la abc* la"}, dictionary).lines,
              (Lines{"la abc* la", "LA = -", "ABCD = primo", "ABCD = primo", "ABC = tre", "LA = -"}));
}

TEST(Translation, ShortPrefixNeedsThreeCharacters)
{
    for (const char *typed : {"AB*", "x*", "*"}) {
        const zelvora::TermLookup italian = lookUp(Dictionary, typed, Language::Italian);
        EXPECT_EQ(italian.state.termBox, "INSERIRE ALMENO 3 CARATTERI INIZIALI");
        EXPECT_EQ(italian.state.label1, "prima");
        EXPECT_EQ(italian.state.label3, "??");
        EXPECT_TRUE(italian.pane.appended().empty());
        EXPECT_EQ(lookUp(Dictionary, typed, Language::English).state.termBox, "AT LEAST 3 INITIAL CHARACTERS");
    }
    // Nothing is looked up, so the dictionary is never opened.
    const std::string missing = TempFile::missingPath();
    EXPECT_NO_THROW(zelvora::lookUpTerm(missing, "AB*", Language::Italian, 0, Before));
    EXPECT_NO_THROW(zelvora::runTextOperation(TextOperation::Translate, missing, {"x* ab*"}, Language::Italian, Before));
}

TEST(Translation, HeaderLastEntryAndEmptyDefinitions)
{
    const std::string dictionary = "CASA\r\ntestata\r\nLA\r\nthe\r\nVUOTO\r\n\r\nSTRANO\r\nTermine non trovato!\r\n"
                                   "ULTIMO\r\nfine\r\nSOLO";
    const zelvora::TermLookup header = lookUp(dictionary, "casa");
    EXPECT_TRUE(header.pane.appended().empty());
    EXPECT_EQ(header.state.termBox, "CASA");
    EXPECT_EQ(header.state.label1, "Termine non trovato!");
    EXPECT_EQ(header.state.label3, "NO");

    EXPECT_EQ(lookUp(dictionary, "ultimo").pane.appended(), Lines{"ULTIMO = fine"});
    // A term on the file's last line has no definition; so has VUOTO.
    EXPECT_EQ(lookUp(dictionary, "solo").state.label3, "NO");
    EXPECT_EQ(lookUp(dictionary, "vuoto").state.label3, "NO");
    // A definition that reads "Termine non trovato!" appends nothing and leaves Label3 alone.
    const zelvora::TermLookup odd = lookUp(dictionary, "strano");
    EXPECT_TRUE(odd.pane.appended().empty());
    EXPECT_EQ(odd.state.label1, "Termine non trovato!");
    EXPECT_EQ(odd.state.label3, "??");
}

TEST(Translation, PaneLimit)
{
    const zelvora::TermLookup below = lookUp(Dictionary, "la", Language::Italian, 299999);
    EXPECT_FALSE(below.pane.emptied());
    EXPECT_EQ(below.pane.appended(), Lines{"LA = the"});
    EXPECT_EQ(below.state.termBox, "LA");

    const zelvora::TermLookup past = lookUp(Dictionary, "la", Language::English, 300000);
    EXPECT_TRUE(past.pane.emptied());
    EXPECT_TRUE(past.pane.appended().empty());
    EXPECT_EQ(past.state.termBox, "RESTRINGERE LA RICERCA");
    EXPECT_EQ(past.state.label3, "SI");

    // A prefix listing of 300000 lines empties the pane at its last line; a
    // word seen before is then new to the pane again.
    std::string many = crlf({"TITOLO", "x", "CASA", "house"});
    for (int i = 0; i < 300000; ++i)
        many += "ABCD\r\nquattro\r\n";
    const zelvora::TextRun words = run(TextOperation::WordList, {"casa abcd*", "casa"}, many);
    EXPECT_EQ(words.lines, Lines{"CASA"});
    EXPECT_EQ(words.state.termBox, "CASA");
}

TEST(Translation, WorkingFile)
{
    const TempFile working(std::string(100, 'x')); // overwritten, not appended to
    const Lines lines = zelvora::prepareWorkingFile(working.path(), {"Ciao, mondo!", "", "citt\xE0 (vera)"});
    EXPECT_EQ(lines, (Lines{"Ciao  mondo ", "", "citt\xE0  vera "}));
    EXPECT_EQ(bytesOf(working.path()), "Ciao  mondo \r\n\r\ncitt\xE0  vera \r\n");

    for (const std::string &path : {TempFile::missingPath(), std::filesystem::temp_directory_path().string()}) {
        try {
            zelvora::prepareWorkingFile(path, {"uno"});
            ADD_FAILURE() << "no error writing " << path;
        } catch (const zelvora::FileError &error) {
            EXPECT_EQ(error.path(), path);
        }
    }
}

TEST(Translation, MissingDictionary)
{
    const std::string missing = TempFile::missingPath();
    for (const char *typed : {"casa", "abc*", ""})
        EXPECT_THROW(zelvora::lookUpTerm(missing, typed, Language::Italian, 0, Before), zelvora::FileError);
    try {
        zelvora::runTextOperation(TextOperation::WordList, missing, {"casa"}, Language::Italian, Before);
        ADD_FAILURE() << "no error";
    } catch (const zelvora::FileError &error) {
        EXPECT_EQ(error.path(), missing);
    }
}
