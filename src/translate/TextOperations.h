#pragma once

#include "dictionary/Language.h"
#include "translate/LookupSession.h"

#include <string>
#include <vector>

namespace zelvora {

// Looks up one term typed in the term box, with `paneLines` lines already in
// the results pane. Reads the dictionary once. Throws FileError.
struct TermLookup {
    ResultsPane pane;
    LookupState state;
};
TermLookup lookUpTerm(const std::string &dictionaryPath, const std::string &typed, Language language,
                      std::size_t paneLines, LookupState state, std::size_t bufferSize = DefaultBufferSize);

enum class TextOperation {
    Translate,          // every line, then a line per word
    DictionaryFromText, // each distinct word with its definition
    WordList,           // each distinct word
};

// A text operation over the lines of the working file: what the results pane
// holds afterwards (not yet sorted), the term box and labels, and the progress
// bar. The words of a line are the text before each blank (empty between two
// blanks), then the rest of the line cut to 25 characters. Reads the
// dictionary once. Throws FileError.
struct TextRun {
    std::vector<std::string> lines;
    LookupState state;
    std::size_t progressMaximum = 0;
    std::size_t progressPosition = 0;
};
TextRun runTextOperation(TextOperation operation, const std::string &dictionaryPath,
                         const std::vector<std::string> &workingLines, Language language, LookupState state,
                         std::size_t bufferSize = DefaultBufferSize);

} // namespace zelvora
