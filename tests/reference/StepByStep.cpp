#include "reference/StepByStep.h"

#include "dictionary/LineReader.h"
#include "dictionary/TextHelpers.h"
#include "dictionary/UpperCase.h"

#include <algorithm>
#include <array>

namespace zelvora::reference {

namespace {

// Small, so that opening the dictionary once per word stays cheap.
constexpr std::size_t ReadBuffer = 4096;
constexpr std::size_t PaneLimit = 300000;
constexpr std::size_t LastWordLength = 25;
const std::string NotFound = "Termine non trovato!";

struct Row {
    std::string mark;
    std::string placeholder;
};

const std::array<Row, 13> PunctuationTable = {{
    {",", " KKKKK "}, {".", " JJJJJ "}, {";", " YYYYY "}, {":", " ZZZZZ "}, {"!", " HHHHH "},
    {"?", " IIIII "}, {"\"", " WWWWW "}, {"(", " PPPPP "}, {")", " QQQQQ "}, {"[", " RRRRR "},
    {"]", " SSSSS "}, {"<", " UUUUU "}, {">", " VVVVV "},
}};

const std::array<std::string, 12> PlaceholderWords = {
    "KKKKK", "JJJJJ", "YYYYY", "HHHHH", "IIIII", "WWWWW", "PPPPP", "QQQQQ", "RRRRR", "SSSSS", "UUUUU", "VVVVV",
};

// What step 2.6 of the term lookup appends, as each lookup words it.
enum class Finding { Term, Translation, Dictionary, WordList };

void clearPane(Window &w)
{
    w.pane.clear();
    w.earlierLines = 0;
    w.paneCleared = true;
}

void applyPaneLimit(Window &w)
{
    if (w.pane.size() > PaneLimit) {
        clearPane(w);
        w.termBox = "RESTRINGERE LA RICERCA";
    }
}

// Looks through every line of the pane, comparing after upper-casing both.
bool paneHoldsIgnoringCase(const Window &w, const std::string &line)
{
    const std::string wanted = toUpperFull(line);
    for (const std::string &held : w.pane)
        if (toUpperFull(held) == wanted)
            return true;
    return false;
}

void appendOnce(Window &w, const std::string &line)
{
    if (!paneHoldsIgnoringCase(w, line))
        w.pane.push_back(line);
}

// Steps 2.1 to 2.6 of the term lookup for `term`.
void exactLookup(Window &w, const std::string &term, Finding finding)
{
    LineReader file(w.currentDictPath, ReadBuffer);
    file.readLine(); // 2.1: line 1 is never compared
    std::string t;
    do { // 2.2
        file.readLine();
        t = file.readLine();
        if (file.atEnd())
            t = term;
    } while (t != term);
    std::string d = file.readLine(); // 2.3
    if (d.empty()) {                 // 2.4
        d = NotFound;
        w.label3 = "NO";
    }
    w.label1 = d; // 2.5, and the file closes on return

    const bool found = d != NotFound; // 2.6 and its variants
    const bool reportMissing = !term.empty()
        && std::find(PlaceholderWords.begin(), PlaceholderWords.end(), term) == PlaceholderWords.end();
    switch (finding) {
    case Finding::Term:
        if (!found)
            return;
        w.pane.push_back(term + " = " + d);
        break;
    case Finding::Translation:
        if (found)
            w.pane.push_back(term + " = " + d);
        else if (reportMissing)
            w.pane.push_back(term + " = -");
        break;
    case Finding::Dictionary:
        if (found)
            appendOnce(w, term + " = " + d);
        else if (reportMissing)
            appendOnce(w, term + " = -");
        break;
    case Finding::WordList:
        if (found)
            appendOnce(w, term);
        else if (reportMissing)
            appendOnce(w, term + " [non trovato]");
        break;
    }
    applyPaneLimit(w);
    w.label3 = "SI";
}

// Steps 1 to 4 of the term lookup on the term box text.
void termLookup(Window &w, Finding finding)
{
    w.termBox = toUpperFull(w.termBox); // 1
    w.term = w.termBox;
    w.typedTerm = w.termBox;
    const bool star = !w.term.empty() && w.term.back() == '*';
    if (!star) // 2
        exactLookup(w, w.term, finding);
    if (star && w.term.size() > 3) // 3
        Button14Click(w);
    if (star && w.term.size() <= 3) // 4
        w.termBox = w.language == Language::Italian ? "INSERIRE ALMENO 3 CARATTERI INIZIALI"
                                                    : "AT LEAST 3 INITIAL CHARACTERS";
}

// Steps 2 and 4 to 7 of the whole-text translation; `step` is what a word
// followed by a blank adds to the progress position.
void wordLoop(Window &w, const std::string &workingFile, bool appendTextLines, std::size_t step,
              void (*wordLookup)(Window &))
{
    w.progressPosition = 0; // 2
    clearPane(w);

    std::string text; // 4: the whole preprocessed text, CR LF after each line
    {
        LineReader file(workingFile, ReadBuffer);
        do
            text += file.readLine() + "\r\n";
        while (!file.atEnd());
    }
    w.progressMaximum = CountWords(text);

    LineReader file(workingFile, ReadBuffer); // 5
    do {                                      // 6
        std::string l = file.readLine();
        if (appendTextLines)
            w.pane.push_back(l);
        while (l.find(' ') != std::string::npos) {
            w.termBox = l.substr(0, l.find(' '));
            wordLookup(w);
            l = l.substr(l.find(' ') + 1);
            w.progressPosition += step;
        }
        w.termBox = l.substr(0, LastWordLength);
        wordLookup(w);
    } while (!file.atEnd());
    w.label1 = "Traduzione terminata!"; // 7
}

} // namespace

std::vector<std::string> newLines(const Window &w)
{
    return {w.pane.begin() + static_cast<std::ptrdiff_t>(w.earlierLines), w.pane.end()};
}

void Button1Click(Window &w) { termLookup(w, Finding::Term); }

void Button14Click(Window &w)
{
    const std::size_t n = w.term.size() - 1; // 1
    const std::string p = w.term.substr(0, n);
    LineReader file(w.currentDictPath, ReadBuffer); // 2
    file.readLine();
    bool matched = false;
    do { // 3
        file.readLine();
        const std::string t = file.readLine();
        if (t.size() >= n && t.substr(0, n) == p) {
            w.termBox = toUpperFull(t);
            w.matchedTerm = w.termBox;
            Button15Click(w);
            w.label3 = "SI";
            matched = true;
        }
        if (!matched)
            w.label3 = "NO";
    } while (!file.atEnd());
    w.termBox = w.typedTerm; // 4
}

void Button15Click(Window &w) { exactLookup(w, w.matchedTerm, Finding::Term); }
void Button22Click(Window &w) { termLookup(w, Finding::Translation); }
void Button20Click(Window &w) { termLookup(w, Finding::Dictionary); }
void Button21Click(Window &w) { termLookup(w, Finding::WordList); }

void Button8Click(Window &w, const std::string &workingFile) { wordLoop(w, workingFile, true, 2, Button22Click); }
void Button18Click(Window &w, const std::string &workingFile) { wordLoop(w, workingFile, false, 1, Button20Click); }
void Button19Click(Window &w, const std::string &workingFile) { wordLoop(w, workingFile, false, 1, Button21Click); }

std::string removePunctuation(std::string line)
{
    std::size_t at = 0;
    for (const Row &row : PunctuationTable) // phase 1: delete the mark, insert the placeholder there
        while ((at = line.find(row.mark)) != std::string::npos)
            line = line.substr(0, at) + row.placeholder + line.substr(at + row.mark.size());
    for (const Row &row : PunctuationTable) // phase 2: the placeholder, blanks included, becomes one blank
        while ((at = line.find(row.placeholder)) != std::string::npos)
            line = line.substr(0, at) + " " + line.substr(at + row.placeholder.size());
    return line;
}

} // namespace zelvora::reference
