// The engine against the step-by-step reference, on random dictionaries and texts.

#include "Equivalence.h"
#include "TempFile.h"

#include "translate/TextOperations.h"
#include "translate/WorkingText.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    "A", "B", "AB", "ABC", "ABCD", "ABCE", "ABCDE", "ABC D", "CASA", "LA", "\xC0", "\xC8RA", "CITT\xC0", "UNO\tDUE",
    "", "ABCDEFGHIJKLMNOPQRSTUVWXY", "ABCDEFGHIJKLMNOPQRSTUVWXYZA", "*", "A*", "AB*", "ABC*", "ABCD*", "ABCDEF*",
};
const LookupState Before{"vecchio", "definizione di prima"};

std::string randomDictionary(Rng &rng)
{
    std::vector<std::string> lines = {pick(rng, Words), "intestazione"};
    for (int i = number(rng, 0, 40); i > 0; --i) {
        // Now and then the term before again, or one in small letters.
        const std::string term = chance(rng, 0.25) ? lines[lines.size() - 2] : pick(rng, Words);
        const std::string definition = "d" + std::to_string(i);
        lines.push_back(chance(rng, 0.15) ? someCase(rng, term) : term);
        lines.push_back(chance(rng, 0.25) ? pick(rng, {"", "", "", "Termine non trovato!", definition + " con\nLF"})
                                          : definition);
    }
    return chance(rng, 0.03) ? "" : dictionaryBytes(rng, std::move(lines), "CASA");
}

// Words and placeholder words between blanks and tabs, with punctuation marks
// around them; now and then a last word longer than 25 characters.
std::vector<std::string> randomText(Rng &rng)
{
    std::vector<std::string> text(static_cast<std::size_t>(chance(rng, 0.05) ? 0 : number(rng, 1, 6)));
    const auto mark = [&](double p) {
        return chance(rng, p) ? std::string(1, ",.;:!?\"()[]<>"[number(rng, 0, 12)]) : std::string();
    };
    for (std::string &line : text) {
        for (int i = number(rng, 0, 7); i > 0; --i) {
            line += mark(0.15);
            const char placeholder = "KJYZHIWPQRSUV"[number(rng, 0, 12)];
            line += chance(rng, 0.1) ? std::string(5, placeholder) : someCase(rng, pick(rng, Words));
            line += mark(0.25);
            line += i > 1 ? pick(rng, {" ", " ", "  ", "\t"}) : "";
        }
        if (chance(rng, 0.2))
            line += someCase(rng, " ABCDEFGHIJKLMNOPQRSTUVWXYZ" + pick(rng, {"", "A", "ABC"}));
    }
    return text;
}

void compareTermLookup(const std::string &dictionary, const std::string &typed, Language language,
                       std::size_t earlierLines, std::size_t bufferSize)
{
    SCOPED_TRACE("typed " + testing::PrintToString(typed) + ", " + std::to_string(earlierLines) + " earlier lines");
    const zelvora::TermLookup engine =
        zelvora::lookUpTerm(dictionary, typed, language, earlierLines, Before, bufferSize);
    reference::Window window = windowFor(dictionary, language, {typed, Before.label1, Before.found}, earlierLines);
    reference::Button1Click(window);
    expectSameLines(engine.pane.appended(), reference::newLines(window));
    EXPECT_EQ(engine.pane.emptied(), window.paneCleared);
    expectSameState(engine.state, window);
}

void compareTextOperation(TextOperation operation, const std::string &dictionary, const std::string &workingFile,
                          const std::vector<std::string> &workingLines, Language language,
                          std::size_t bufferSize = zelvora::DefaultBufferSize)
{
    SCOPED_TRACE("operation " + std::to_string(static_cast<int>(operation)));
    const zelvora::TextRun engine =
        zelvora::runTextOperation(operation, dictionary, workingLines, language, Before, bufferSize);
    reference::Window window = windowFor(dictionary, language, Before, 0);
    const auto click = operation == TextOperation::Translate            ? reference::Button8Click
                       : operation == TextOperation::DictionaryFromText ? reference::Button18Click
                                                                        : reference::Button19Click;
    click(window, workingFile);
    expectSameLines(engine.lines, window.pane);
    expectSameState(engine.state, window);
    EXPECT_EQ(engine.progressMaximum, window.progressMaximum);
    EXPECT_EQ(engine.progressPosition, window.progressPosition);
}

} // namespace

// Term lookups and text operations on each random dictionary.
TEST(TranslationEquivalence, RandomDictionariesMatchTheSteps)
{
    Rng rng(1208);
    for (int round = 0; round < 300; ++round) {
        const std::string bytes = randomDictionary(rng);
        const std::vector<std::string> text = randomText(rng);
        const std::size_t bufferSize = bufferSizeFor(round);
        SCOPED_TRACE("dictionary " + testing::PrintToString(bytes) + "\ntext " + testing::PrintToString(text)
                     + "\nbuffer " + std::to_string(bufferSize));
        const TempFile dictionary(bytes);
        const Language language = round % 2 ? Language::English : Language::Italian;
        std::vector<std::string> typed = {bytes.substr(0, bytes.find('\r'))}; // the header's term
        for (int i = 0; i < 8; ++i)
            typed.push_back(someCase(rng, pick(rng, Words)));
        for (std::size_t i = 0; i < typed.size(); ++i)
            compareTermLookup(dictionary.path(), typed[i], i % 2 ? Language::English : Language::Italian,
                              static_cast<std::size_t>(number(rng, 0, 2)), bufferSize);
        // Now and then right at the pane's limit, so that the appends cross it.
        if (round % 10 == 0)
            compareTermLookup(dictionary.path(), round % 20 ? "abc*" : typed[0], language,
                              300000 - static_cast<std::size_t>(number(rng, 0, 3)), bufferSize);

        const TempFile working("");
        const std::vector<std::string> workingLines = zelvora::prepareWorkingFile(working.path(), text, bufferSize);
        std::vector<std::string> expected(std::max<std::size_t>(text.size(), 1)); // an empty file gives one line
        std::transform(text.begin(), text.end(), expected.begin(), reference::removePunctuation);
        ASSERT_EQ(workingLines, expected);
        for (const TextOperation operation :
             {TextOperation::Translate, TextOperation::DictionaryFromText, TextOperation::WordList})
            compareTextOperation(operation, dictionary.path(), working.path(), workingLines, language, bufferSize);
    }
}

TEST(TranslationEquivalence, RemovePunctuationMatchesRepeatedReplacement)
{
    const std::vector<std::string> pieces = {",", ".", ";", ":", "!", "?", "\"", "(", ")", "[", "]", "<", ">", " ",
                                             "  ", "\t", "a", "K", "KKKKK", " KKKKK ", "ZZZZZ", "VVVVV", "KKKKKK"};
    Rng rng(3208);
    for (int i = 0; i < 5000; ++i) {
        std::string line;
        for (int n = number(rng, 0, 14); n > 0; --n)
            line += pick(rng, pieces);
        EXPECT_EQ(zelvora::removePunctuation(line), reference::removePunctuation(line)) << testing::PrintToString(line);
    }
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
