#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The translation steps of the main window carried out one at a time, as they
// are written, with none of the engine's shortcuts: every lookup opens the
// dictionary and reads it from line 1, every prefix match opens it once more,
// the repeat test scans every line of the results pane, and the punctuation is
// removed by replacing first occurrences over and over. Slow on purpose: the
// tests hold the engine to it. It shares no code with the engine.
namespace zelvora::reference {

// What the translation steps read and write in the main window.
struct Window {
    std::string currentDictPath;
    bool italian = true;           // Panel1 reads "RICERCHE"
    std::vector<std::string> pane; // RxRichEdit2, one string per line
    std::size_t earlierLines = 0;  // its first lines that were there before the operation
    bool paneCleared = false;      // the pane was cleared, earlier lines and all
    std::string termBox;           // ComboBox2's text
    std::string label1;
    std::string label3;
    std::string term;
    std::string typedTerm;
    std::string matchedTerm;
    std::size_t progressMaximum = 0;
    std::size_t progressPosition = 0;
};

// The pane's lines after the earlier ones, or after the last clear.
std::vector<std::string> newLines(const Window &window);

// The term lookup, without the scroll-bar and line-counter steps. A lookup
// that is the n-th match of a listing passes `occurrence` n: it shows the n-th
// entry with its term, or the first when there are fewer.
void Button1Click(Window &window, std::size_t occurrence = 1);
void Button14Click(Window &window); // prefix lookup of Term, a listing of its matches
void Button15Click(Window &window, std::size_t occurrence); // exact lookup of MatchedTerm
void Button22Click(Window &window); // word lookup of the whole-text translation
void Button20Click(Window &window); // word lookup of the dictionary from text
void Button21Click(Window &window); // word lookup of the word list

// The text operations from the results pane's clearing on, over a working file
// already preprocessed; 18 and 19 stop before the final sort.
void Button8Click(Window &window, const std::string &workingFile);
void Button18Click(Window &window, const std::string &workingFile);
void Button19Click(Window &window, const std::string &workingFile);

// Phases 1 and 2 of the preprocessing on one line.
std::string removePunctuation(std::string line);

} // namespace zelvora::reference
