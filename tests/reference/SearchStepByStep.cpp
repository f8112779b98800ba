#include "reference/SearchStepByStep.h"

#include "reference/PlainText.h"

#include <algorithm>
#include <functional>
#include <map>

namespace zelvora::reference {

namespace {

const std::string Separator(24, '_');
constexpr std::size_t WordGameCap = 5000;
constexpr std::size_t LettersCap = 10000;
constexpr std::size_t TermListCap = 32500;
constexpr std::size_t Slots = 50;

void clearPane(Window &w)
{
    w.pane.clear();
    w.earlierLines = 0;
}

std::string header(const std::string &name) { return "----- " + name + " -----"; }
bool occursIn(const std::string &text, const std::string &part) { return text.find(part) != std::string::npos; }

// Pos: the 1-based position of the first occurrence, 0 when there is none.
std::size_t pos(const std::string &part, const std::string &text)
{
    const std::size_t at = text.find(part);
    return at == std::string::npos ? 0 : at + 1;
}

// The per-dictionary step of the substring search over all dictionaries.
void Button24Click(Window &w, const std::string &fileName, const std::vector<std::string> &termList)
{
    const std::string text = upperFull(w.termBox); // 1
    std::size_t hits = 0;
    std::map<std::string, std::size_t> occurrences; // of each term looked up so far
    for (const std::string &item : termList) { // 2
        if (!occursIn(item, text))
            continue;
        if (++hits == 1)
            w.pane.push_back(header(fileName));
        w.termBox = item;
        Button1Click(w, ++occurrences[upperFull(item)]);
    }
    w.termBox = text; // 3
}

// The anagram test of one candidate against the letter slots.
bool qualifies(const std::string &candidate, const std::array<std::string, Slots> &slots, std::size_t n)
{
    std::string c = candidate; // 1
    for (const std::string &s : slots) { // 2
        if (!s.empty() && occursIn(c, s))
            c = replaceFirst(c, s, "0");
        else
            c = "0" + c;
    }
    return candidate.size() == n && c.find_first_not_of('0') == std::string::npos && c.size() >= 2
        && c.size() <= Slots; // 3
}

// The k-th character of the word (1-based), or the empty string past its end.
std::string characterAt(const std::string &s, std::size_t k) { return k <= s.size() ? s.substr(k - 1, 1) : ""; }

// The word games' loop: read the header term, then two lines at a time, a
// definition and the candidate after it, one progress step per pair, adding the
// candidates that `keeps` accepts to the pane, until the end of the file or the cap.
void walkCandidates(Window &w, const std::function<bool(const std::string &)> &keeps)
{
    PlainFile file(w.currentDictPath);
    file.readLine();
    for (;;) {
        ++w.progressPosition;
        file.readLine();
        const bool termLine = !file.atEnd();
        const std::string candidate = file.readLine();
        if (termLine && keeps(candidate))
            w.pane.push_back(candidate);
        if (file.atEnd())
            break;
        if (w.pane.size() >= WordGameCap)
            break;
    }
}

} // namespace

void Button6Click(Window &w, const std::vector<ListEntry> &list)
{
    clearPane(w); // 1
    const std::string savedDictPath = w.currentDictPath; // 2
    w.progressPosition = 0; // 3
    w.progressMaximum = list.size(); // 4
    const std::string typed = w.termBox; // every dictionary is searched for it
    for (const ListEntry &entry : list) { // 5
        w.currentDictPath = entry.path;
        if (entry.name != Separator) {
            w.pane.push_back(header(entry.name));
            const std::size_t withHeader = w.pane.size();
            w.paneCleared = false;
            w.termBox = typed;
            Button1Click(w);
            if (!w.paneCleared && w.pane.size() == withHeader) // the lookup appended nothing
                w.pane.pop_back();
        }
        ++w.progressPosition;
    }
    w.currentDictPath = savedDictPath; // 9
}

void Button23Click(Window &w, const std::vector<std::string> &termList)
{
    w.progressPosition = 0; // 2
    w.progressMaximum = termList.size();
    clearPane(w); // 4
    const std::string text = upperFull(w.termBox);
    std::map<std::string, std::size_t> occurrences; // of each term looked up so far
    for (const std::string &item : termList) { // 6
        if (occursIn(item, text)) {
            w.termBox = item;
            Button1Click(w, ++occurrences[upperFull(item)]);
        }
        ++w.progressPosition;
    }
    w.termBox = text; // 7
}

void Button25Click(Window &w, const std::vector<ListEntry> &list)
{
    w.progressPosition = 0; // 2
    clearPane(w);
    w.progressMaximum = list.size();
    for (const ListEntry &entry : list) { // 3
        w.currentDictPath = entry.path;
        if (entry.name != Separator) {
            std::vector<std::string> termList;
            {
                PlainFile file(w.currentDictPath);
                do {
                    std::string term = file.readLine();
                    file.readLine();
                    if (termList.size() < TermListCap)
                        termList.push_back(std::move(term));
                } while (!file.atEnd());
            }
            Button24Click(w, entry.name, termList);
        }
        ++w.progressPosition;
    }
}

// In the word games the candidates are the term lines of the file: after the
// last definition, "read two lines" reads past the end and gets an empty line,
// which is no term line and is not tested (it would pass as a palindrome).

void Button2Click(Window &w)
{
    w.progressPosition = 0; // 1
    if (w.termBox.size() < 2 || w.termBox.size() > Slots) // 2
        return;
    clearPane(w); // 3
    w.termBox = upperAscii(w.termBox); // 4
    const std::size_t n = w.termBox.size();
    std::array<std::string, Slots> slots;
    for (std::size_t k = 1; k <= n; ++k)
        slots[k - 1] = characterAt(w.termBox, k);
    walkCandidates(w, [&](const std::string &candidate) { return qualifies(candidate, slots, n); }); // 5, 6
}

void Button7Click(Window &w)
{
    w.progressPosition = 0; // 1
    w.termBox = upperAscii(w.termBox); // 2
    if (w.termBox.size() < 2) // 4
        return;
    const std::string ending = w.termBox;
    const std::size_t k = ending.size();
    clearPane(w); // 5
    walkCandidates(w, [&](const std::string &word) { // 6
        return k <= word.size() && pos(ending, word) == word.size() - k + 1;
    });
}

void Button35Click(Window &w)
{
    w.progressPosition = 0; // 1
    w.termBox = upperAscii(w.termBox);
    clearPane(w); // 2
    walkCandidates(w, [](const std::string &word) { return isPalindrome(word); }); // 3
}

void Panel49Click(Window &w, const std::array<std::string, 14> &boxes)
{
    std::size_t entries = 0; // 1
    {
        PlainFile file(w.currentDictPath);
        do {
            file.readLine();
            file.readLine();
            ++entries;
        } while (!file.atEnd());
    }
    if (std::all_of(boxes.begin(), boxes.end(), [](const std::string &box) { return box.empty(); })) // 2
        return;
    PlainFile file(w.currentDictPath); // 3
    clearPane(w);
    w.pane.push_back("[PAROLE TROVATE]");
    w.progressPosition = 0; // 4
    w.progressMaximum = entries;
    do { // 5
        ++w.progressPosition;
        const std::string word = file.readLine();
        bool matches = true;
        for (std::size_t k = 1; k <= boxes.size(); ++k)
            if (!boxes[k - 1].empty() && boxes[k - 1] != characterAt(word, k))
                matches = false;
        if (matches && w.pane.size() < LettersCap)
            w.pane.push_back(word);
        file.readLine();
    } while (!file.atEnd());
}

} // namespace zelvora::reference
