#pragma once

#include "dictionary/Language.h"
#include "translate/LookupSession.h"

#include <string>
#include <utility>
#include <vector>

namespace zelvora {

class BaseFormLexicon;

// Looks up one term typed in the term box, with `paneLines` lines already in
// the results pane; with a lexicon, through its base forms when the dictionary
// lacks it (BaseFormFinder). Reads the dictionary once. Throws FileError.
struct TermLookup {
    ResultsPane pane;
    LookupState state;
};
TermLookup lookUpTerm(const std::string &dictionaryPath, const std::string &typed, Language language,
                      std::size_t paneLines, LookupState state, const BaseFormLexicon *lexicon,
                      std::size_t bufferSize = DefaultBufferSize);
inline TermLookup lookUpTerm(const std::string &dictionaryPath, const std::string &typed, Language language,
                             std::size_t paneLines, LookupState state, std::size_t bufferSize = DefaultBufferSize)
{
    return lookUpTerm(dictionaryPath, typed, language, paneLines, std::move(state), nullptr, bufferSize);
}

enum class TextOperation {
    Translate,          // every line, then a line per word
    DictionaryFromText, // each distinct word with its definition
    WordList,           // each distinct word
};

// A text operation over the lines of the working file: what the results pane
// holds afterwards (not yet sorted), the term box and labels, and the progress
// bar. The words of a line are the text before each blank (empty between two
// blanks), then the rest of the line cut to 25 characters. With a lexicon,
// the words the dictionary lacks are looked up through their base forms.
// Reads the dictionary once. Throws FileError.
struct TextRun {
    std::vector<std::string> lines;
    LookupState state;
    std::size_t progressMaximum = 0;
    std::size_t progressPosition = 0;
};
TextRun runTextOperation(TextOperation operation, const std::string &dictionaryPath,
                         const std::vector<std::string> &workingLines, Language language, LookupState state,
                         const BaseFormLexicon *lexicon, std::size_t bufferSize = DefaultBufferSize);
inline TextRun runTextOperation(TextOperation operation, const std::string &dictionaryPath,
                                const std::vector<std::string> &workingLines, Language language, LookupState state,
                                std::size_t bufferSize = DefaultBufferSize)
{
    return runTextOperation(operation, dictionaryPath, workingLines, language, std::move(state), nullptr, bufferSize);
}

} // namespace zelvora
