#include "translate/TextOperations.h"

#include "dictionary/TextHelpers.h"
#include "morphology/BaseForms.h"

#include <optional>

namespace zelvora {

namespace {

constexpr const char *FinishedText = "Traduzione terminata!";
// The last word of a line is looked up by this many characters at most.
constexpr std::size_t LastWordLength = 25;

WordLookup wordLookupOf(TextOperation operation)
{
    switch (operation) {
    case TextOperation::Translate:
        return WordLookup::Translation;
    case TextOperation::DictionaryFromText:
        return WordLookup::Dictionary;
    case TextOperation::WordList:
        return WordLookup::WordList;
    }
    return WordLookup::Translation;
}

std::size_t wordCountOf(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text.append(line).append("\r\n");
    return CountWords(text);
}

// The words of a preprocessed line as the word loop hands them over.
std::vector<std::string> wordsOfLine(const std::string &line)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    for (std::size_t blank = line.find(' '); blank != std::string::npos; blank = line.find(' ', start)) {
        words.push_back(line.substr(start, blank - start));
        start = blank + 1;
    }
    words.push_back(line.substr(start, LastWordLength));
    return words;
}

std::optional<BaseFormFinder> finderOf(const BaseFormLexicon *lexicon)
{
    std::optional<BaseFormFinder> finder;
    if (lexicon)
        finder.emplace(*lexicon);
    return finder;
}

} // namespace

TermLookup lookUpTerm(const std::string &dictionaryPath, const std::string &typed, Language language,
                      std::size_t paneLines, LookupState state, const BaseFormLexicon *lexicon, std::size_t bufferSize)
{
    std::optional<BaseFormFinder> baseForms = finderOf(lexicon);
    const LookupQueries queries = queriesFor({typed}, baseForms ? &*baseForms : nullptr);
    const Resolution resolution = resolveTerms(dictionaryPath, queries.terms, queries.prefixes, {}, bufferSize);
    LookupSession session(resolution, WordLookup::Term, language, paneLines, std::move(state));
    if (baseForms)
        session.useBaseForms(*baseForms);
    session.lookUp(typed);
    return {std::move(session.pane()), session.state()};
}

TextRun runTextOperation(TextOperation operation, const std::string &dictionaryPath,
                         const std::vector<std::string> &workingLines, Language language, LookupState state,
                         const BaseFormLexicon *lexicon, std::size_t bufferSize)
{
    std::vector<std::string> allWords;
    for (const std::string &line : workingLines)
        for (std::string &word : wordsOfLine(line))
            allWords.push_back(std::move(word));
    std::optional<BaseFormFinder> baseForms = finderOf(lexicon);
    const LookupQueries queries = queriesFor(allWords, baseForms ? &*baseForms : nullptr);
    allWords.clear();
    const Resolution resolution = resolveTerms(dictionaryPath, queries.terms, queries.prefixes, {}, bufferSize);

    const std::size_t progressStep = operation == TextOperation::Translate ? 2 : 1;
    LookupSession session(resolution, wordLookupOf(operation), language, 0, std::move(state));
    if (baseForms)
        session.useBaseForms(*baseForms);
    TextRun run;
    for (const std::string &line : workingLines) {
        if (operation == TextOperation::Translate)
            session.appendLine(line);
        const std::vector<std::string> words = wordsOfLine(line);
        for (const std::string &word : words)
            session.lookUp(word);
        run.progressPosition += progressStep * (words.size() - 1);
    }
    run.lines = session.pane().takeAppended();
    run.state = session.state();
    run.state.label1 = FinishedText;
    run.progressMaximum = wordCountOf(workingLines);
    return run;
}

} // namespace zelvora
