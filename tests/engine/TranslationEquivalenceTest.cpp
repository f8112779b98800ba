// The engine against the step-by-step reference, on random dictionaries and texts.

#include "Equivalence.h"
#include "TempFile.h"

#include "reference/StepByStep.h"
#include "translate/TextOperations.h"
#include "translate/WorkingText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zelvora::Language;
using zelvora::LookupState;
using zelvora::TextOperation;
namespace reference = zelvora::reference;

namespace {

// Terms and words share one small alphabet, so that lookups often hit,
// prefixes often match and terms often repeat.
const std::vector<std::string> Words = {
    "A", "B", "AB", "ABC", "ABCD", "ABCE", "ABCDE", "ABC D", "CASA", "LA", "\xC0", "\xC8RA", "CITT\xC0", "KKKKK",
    "ZZZZZ", "UNO\tDUE", "", "ABCDEFGHIJKLMNOPQRSTUVWXY", "ABCDEFGHIJKLMNOPQRSTUVWXYZA",
};
const std::string Marks = ",.;:!?\"()[]<>";
const LookupState Before{"vecchio", "definizione di prima", "??"};

// Small letters for A to Z and the accented capitals.
std::string lower(std::string text)
{
    for (char &c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
            c = static_cast<char>(b + 0x20);
    }
    return text;
}

std::string someCase(Rng &rng, std::string word)
{
    if (chance(rng, 0.5))
        return word;
    if (chance(rng, 0.5))
        return lower(word);
    for (char &c : word)
        if (chance(rng, 0.5))
            c = lower(std::string(1, c))[0];
    return word;
}

std::string randomDictionary(Rng &rng)
{
    if (chance(rng, 0.03))
        return "";
    std::vector<std::string> lines = {pick(rng, {"CASA", "A", "ABCD", "TITOLO"}), "intestazione"};
    const int entries = number(rng, 0, 40);
    for (int i = 0; i < entries; ++i) {
        std::string term = lines.size() > 2 && chance(rng, 0.25) ? lines[lines.size() - 2] : pick(rng, Words);
        if (chance(rng, 0.15))
            term = lower(term);
        std::string definition = "d" + std::to_string(i);
        if (chance(rng, 0.15))
            definition.clear();
        else if (chance(rng, 0.05))
            definition = "Termine non trovato!";
        else if (chance(rng, 0.05))
            definition += " con\nLF";
        lines.push_back(term);
        lines.push_back(definition);
    }
    return dictionaryBytes(rng, std::move(lines), "CASA");
}

std::string randomWord(Rng &rng)
{
    switch (number(rng, 0, 7)) {
    case 0: return someCase(rng, std::string("ABCDEF").substr(0, static_cast<std::size_t>(number(rng, 0, 5))) + "*");
    case 1: return pick(rng, {"KKKKK", "ZZZZZ", "JJJJJ"});
    default: return someCase(rng, pick(rng, Words));
    }
}

std::vector<std::string> randomText(Rng &rng)
{
    std::vector<std::string> text(static_cast<std::size_t>(chance(rng, 0.05) ? 0 : number(rng, 1, 6)));
    for (std::string &line : text) {
        const int words = number(rng, 0, 7);
        for (int i = 0; i < words; ++i) {
            if (i > 0)
                line += pick(rng, {" ", " ", " ", "  ", "\t"});
            if (chance(rng, 0.15))
                line += Marks[static_cast<std::size_t>(number(rng, 0, 12))];
            line += randomWord(rng);
            if (chance(rng, 0.25))
                line += Marks[static_cast<std::size_t>(number(rng, 0, 12))];
        }
        if (chance(rng, 0.2))
            line += someCase(rng, " ABCDEFGHIJKLMNOPQRSTUVWXYZ" + pick(rng, {"", "A", "ABC"}));
    }
    return text;
}

std::string describe(std::string_view dictionary, const std::vector<std::string> &text)
{
    std::string out = "dictionary " + escaped(dictionary) + "\ntext {";
    for (const std::string &line : text)
        out += escaped(line) + ", ";
    return out + "}";
}

reference::Window windowFor(const std::string &dictionary, Language language, std::size_t earlierLines)
{
    reference::Window window;
    window.currentDictPath = dictionary;
    window.language = language;
    window.pane.reserve(earlierLines + 100);
    window.pane.assign(earlierLines, "prima");
    window.earlierLines = earlierLines;
    window.termBox = Before.termBox;
    window.label1 = Before.label1;
    window.label3 = Before.label3;
    return window;
}

void expectSameState(const LookupState &engine, const reference::Window &window)
{
    EXPECT_EQ(escaped(engine.termBox), escaped(window.termBox));
    EXPECT_EQ(engine.label1, window.label1);
    EXPECT_EQ(engine.label3, window.label3);
}

void compareTermLookup(const std::string &dictionary, const std::string &typed, Language language,
                       std::size_t earlierLines)
{
    SCOPED_TRACE("typed " + escaped(typed) + ", " + std::to_string(earlierLines) + " earlier lines");
    const zelvora::TermLookup engine = zelvora::lookUpTerm(dictionary, typed, language, earlierLines, Before);
    reference::Window window = windowFor(dictionary, language, earlierLines);
    window.termBox = typed;
    reference::Button1Click(window);
    expectSameLines(engine.pane.appended(), reference::newLines(window), ShortLists::AsTheyAre);
    EXPECT_EQ(engine.pane.emptied(), window.paneCleared);
    expectSameState(engine.state, window);
}

void compareTextOperation(TextOperation operation, const std::string &dictionary, const std::string &workingFile,
                          const std::vector<std::string> &workingLines, Language language)
{
    SCOPED_TRACE("operation " + std::to_string(static_cast<int>(operation)));
    const zelvora::TextRun engine = zelvora::runTextOperation(operation, dictionary, workingLines, language, Before);
    reference::Window window = windowFor(dictionary, language, 0);
    switch (operation) {
    case TextOperation::Translate: reference::Button8Click(window, workingFile); break;
    case TextOperation::DictionaryFromText: reference::Button18Click(window, workingFile); break;
    case TextOperation::WordList: reference::Button19Click(window, workingFile); break;
    }
    expectSameLines(engine.lines, window.pane, ShortLists::AsTheyAre);
    expectSameState(engine.state, window);
    EXPECT_EQ(engine.progressMaximum, window.progressMaximum);
    EXPECT_EQ(engine.progressPosition, window.progressPosition);
}

} // namespace

TEST(TranslationEquivalence, TermLookupsMatchTheSteps)
{
    Rng rng(1208);
    for (int round = 0; round < 300; ++round) {
        const std::string bytes = randomDictionary(rng);
        const TempFile dictionary(bytes);
        SCOPED_TRACE(describe(bytes, {}));
        std::vector<std::string> typed = {"", "x*", "AB*", "*", "abc*", "ABCD*", "abc d", "uno\tdue",
                                          bytes.substr(0, bytes.find('\r'))};
        for (int i = 0; i < 4; ++i)
            typed.push_back(someCase(rng, pick(rng, Words)));
        typed.push_back(someCase(rng, pick(rng, Words).substr(0, 3)) + "*");
        for (std::size_t i = 0; i < typed.size(); ++i)
            compareTermLookup(dictionary.path(), typed[i], i % 2 ? Language::English : Language::Italian,
                              static_cast<std::size_t>(number(rng, 0, 2)));
        // Now and then right at the pane's limit, so that the appends cross it.
        if (round % 10 == 0)
            compareTermLookup(dictionary.path(), round % 20 ? "abc*" : typed.back(), Language::Italian,
                              300000 - static_cast<std::size_t>(number(rng, 0, 3)));
    }
}

TEST(TranslationEquivalence, TextOperationsMatchTheSteps)
{
    Rng rng(2208);
    for (int round = 0; round < 300; ++round) {
        const std::string bytes = randomDictionary(rng);
        const std::vector<std::string> text = randomText(rng);
        SCOPED_TRACE(describe(bytes, text));
        const TempFile dictionary(bytes);
        const TempFile working("");
        const std::vector<std::string> workingLines = zelvora::prepareWorkingFile(working.path(), text);
        std::vector<std::string> expected;
        for (const std::string &line : text)
            expected.push_back(reference::removePunctuation(line));
        if (expected.empty())
            expected.emplace_back();
        ASSERT_EQ(workingLines, expected);
        const Language language = round % 2 ? Language::English : Language::Italian;
        for (const TextOperation operation :
             {TextOperation::Translate, TextOperation::DictionaryFromText, TextOperation::WordList})
            compareTextOperation(operation, dictionary.path(), working.path(), workingLines, language);
    }
}

TEST(TranslationEquivalence, RemovePunctuationMatchesRepeatedReplacement)
{
    const std::vector<std::string> pieces = {",", ".", ";", ":", "!", "?", "\"", "(", ")", "[", "]", "<", ">",
                                             " ", "  ", "\t", "a", "x", "K", "KKKKK", " KKKKK ", "ZZZZZ", "JJJJJ",
                                             "VVVVV", "KKKK", "KKKKKK"};
    std::vector<std::string> lines = {"a,KKKKK b", " KKKKK  KKKKK ", "x KKKKK,", "ZZZZZ", " KKKKK KKKKK KKKKK ",
                                      "a: ZZZZZ :b", ", ,", "", "Ciao, mondo!"};
    Rng rng(3208);
    for (int i = 0; i < 5000; ++i) {
        std::string line;
        for (int n = number(rng, 0, 14); n > 0; --n)
            line += pick(rng, pieces);
        lines.push_back(line);
    }
    for (const std::string &line : lines)
        EXPECT_EQ(escaped(zelvora::removePunctuation(line)), escaped(reference::removePunctuation(line)))
            << "line " << escaped(line);
}

// A translation long enough to take the results pane past its limit: mostly
// lines whose only word is too short a prefix, which append no finding and so
// never apply the limit themselves, and now and then a line of real lookups.
TEST(TranslationEquivalence, LongTranslationEmptiesThePane)
{
    const TempFile dictionary("TITOLO\r\nx\r\nA\r\nuno\r\nABCD\r\nquattro\r\nABCE\r\n\r\n");
    Rng rng(4208);
    std::vector<std::string> text(260000, "x*");
    for (std::string &line : text)
        if (chance(rng, 0.1))
            line = pick(rng, {"a b", "abc* a", "A  kkkkk", "b abce"});
    const TempFile working("");
    zelvora::writeLines(working.path(), text); // no punctuation: already as preprocessed
    compareTextOperation(TextOperation::Translate, dictionary.path(), working.path(), text, Language::Italian);
}
