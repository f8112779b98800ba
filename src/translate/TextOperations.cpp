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

// Appends the words of a preprocessed line as the word loop hands them over.
void appendWordsOfLine(const std::string &line, std::vector<std::string> &words)
{
    std::size_t start = 0;
    for (std::size_t blank = line.find(' '); blank != std::string::npos; blank = line.find(' ', start)) {
        words.push_back(line.substr(start, blank - start));
        start = blank + 1;
    }
    words.push_back(line.substr(start, LastWordLength));
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
    return {std::move(session.pane()), session.takeState()};
}

TextRun runTextOperation(TextOperation operation, const std::string &dictionaryPath,
                         const std::vector<std::string> &workingLines, Language language, LookupState state,
                         const BaseFormLexicon *lexicon, std::size_t bufferSize)
{
    // The words of all the lines, and where each line's words end.
    std::vector<std::string> words;
    std::vector<std::size_t> lineEnds;
    lineEnds.reserve(workingLines.size());
    for (const std::string &line : workingLines) {
        appendWordsOfLine(line, words);
        lineEnds.push_back(words.size());
    }
    std::optional<BaseFormFinder> baseForms = finderOf(lexicon);
    const LookupQueries queries = queriesFor(words, baseForms ? &*baseForms : nullptr);
    const Resolution resolution = resolveTerms(dictionaryPath, queries.terms, queries.prefixes, {}, bufferSize);

    const std::size_t progressStep = operation == TextOperation::Translate ? 2 : 1;
    LookupSession session(resolution, wordLookupOf(operation), language, 0, std::move(state));
    if (baseForms)
        session.useBaseForms(*baseForms);
    TextRun run;
    std::size_t word = 0;
    for (std::size_t line = 0; line < workingLines.size(); ++line) {
        if (operation == TextOperation::Translate)
            session.appendLine(workingLines[line]);
        // Every word of a line but its last is followed by a blank, which moves the bar.
        run.progressPosition += progressStep * (lineEnds[line] - word - 1);
        for (; word < lineEnds[line]; ++word)
            session.lookUp(words[word]);
    }
    run.lines = session.pane().takeAppended();
    run.state = session.takeState();
    run.state.label1 = FinishedText;
    run.progressMaximum = wordCountOf(workingLines);
    return run;
}

} // namespace zelvora
