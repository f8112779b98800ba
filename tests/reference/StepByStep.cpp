#include "reference/StepByStep.h"

#include "reference/PlainText.h"

#include <algorithm>
#include <array>
#include <map>

namespace zelvora::reference {

namespace {

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
    const std::string wanted = upperFull(line);
    for (const std::string &held : w.pane)
        if (upperFull(held) == wanted)
            return true;
    return false;
}

void appendOnce(Window &w, const std::string &line)
{
    if (!paneHoldsIgnoringCase(w, line))
        w.pane.push_back(line);
}

// Steps 2.1 to 2.3 of the term lookup: D, the definition of the
// occurrence-th entry whose term line is `term`, read from line 1 on; the
// first such entry's when the file holds fewer; empty when it holds none.
std::string definitionLine(const std::string &path, const std::string &term, std::size_t occurrence)
{
    PlainFile file(path);
    file.readLine(); // 2.1: line 1 is never compared
    std::size_t seen = 0;
    for (;;) { // 2.2
        file.readLine();                     // a definition, at first the header pair's
        const bool termLine = !file.atEnd(); // past the end, reading gives no term line
        const std::string t = file.readLine();
        if (termLine && t == term && ++seen == occurrence)
            return file.readLine(); // 2.3: empty past the end
        if (file.atEnd())
            return seen > 0 ? definitionLine(path, term, 1) : std::string();
    }
}

// Steps 2.1 to 2.6 of the term lookup for `term`.
void exactLookup(Window &w, const std::string &term, Finding finding, std::size_t occurrence)
{
    std::string d = definitionLine(w.currentDictPath, term, occurrence);
    if (d.empty()) { // 2.4
        d = NotFound;
        w.label3 = "NO";
    }
    w.label1 = d; // 2.5

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
void termLookup(Window &w, Finding finding, std::size_t occurrence = 1)
{
    w.termBox = upperFull(w.termBox); // 1
    w.term = w.termBox;
    w.typedTerm = w.termBox;
    const bool star = !w.term.empty() && w.term.back() == '*';
    if (!star) // 2
        exactLookup(w, w.term, finding, occurrence);
    if (star && w.term.size() > 3) // 3
        Button14Click(w);
    if (star && w.term.size() <= 3) // 4
        w.termBox = w.italian ? "INSERIRE ALMENO 3 CARATTERI INIZIALI" : "AT LEAST 3 INITIAL CHARACTERS";
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
        PlainFile file(workingFile);
        do
            text += file.readLine() + "\r\n";
        while (!file.atEnd());
    }
    w.progressMaximum = countWords(text);

    PlainFile file(workingFile); // 5
    do {                         // 6
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

void Button1Click(Window &w, std::size_t occurrence) { termLookup(w, Finding::Term, occurrence); }

void Button14Click(Window &w)
{
    const std::size_t n = w.term.size() - 1; // 1
    const std::string p = w.term.substr(0, n);
    PlainFile file(w.currentDictPath); // 2
    file.readLine();
    bool matched = false;
    std::map<std::string, std::size_t> occurrences; // of each matched term so far
    do { // 3
        file.readLine();
        const std::string t = file.readLine();
        if (t.size() >= n && t.substr(0, n) == p) {
            w.termBox = upperFull(t);
            w.matchedTerm = w.termBox;
            Button15Click(w, ++occurrences[w.matchedTerm]);
            w.label3 = "SI";
            matched = true;
        }
        if (!matched)
            w.label3 = "NO";
    } while (!file.atEnd());
    w.termBox = w.typedTerm; // 4
}

void Button15Click(Window &w, std::size_t occurrence) { exactLookup(w, w.matchedTerm, Finding::Term, occurrence); }
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
