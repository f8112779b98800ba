#pragma once

#include "dictionary/Language.h"
#include "translate/ResultsPane.h"
#include "translate/TermResolver.h"

#include <string>
#include <unordered_set>

namespace zelvora {

// The texts a lookup leaves in the main window besides the results pane.
struct LookupState {
    std::string termBox;
    std::string label1; // the last definition found, or "Termine non trovato!"
    std::string label3; // "SI" when the last lookup appended something, else "NO"
};

inline constexpr const char *NotFoundText = "Termine non trovato!";
inline constexpr const char *NarrowSearchText = "RESTRINGERE LA RICERCA";
const char *shortPrefixText(Language language);

// How a word's finding is written.
enum class WordLookup {
    Term,        // "TERM = definition", nothing when not found
    Translation, // as Term, and "TERM = -" when not found
    Dictionary,  // as Translation, each line once (ignoring case)
    WordList,    // "TERM", or "TERM [non trovato]", each line once (ignoring case)
};

// True when looking the word up lists the entries that begin with it: it ends
// in "*" after at least three characters.
bool isPrefixLookup(const std::string &word);

// The twelve words that stand for punctuation; never reported as not found.
bool isPlaceholderWord(std::string_view word);

// The terms and prefixes a run of lookups needs resolved, from the words as typed.
struct LookupQueries {
    std::vector<std::string> terms;
    std::vector<std::string> prefixes;
};
LookupQueries queriesFor(const std::vector<std::string> &words);

// Replays lookups, word by word, against a dictionary already resolved: what
// each lookup appends to the results pane and leaves in the term box and the
// hidden labels.
class LookupSession {
public:
    LookupSession(const Resolution &resolution, Language language, std::size_t paneLinesBefore, LookupState state);

    // Looks up a word as handed over in the term box.
    void lookUp(const std::string &word, WordLookup kind);
    // A line written straight into the pane.
    void appendLine(std::string line);

    ResultsPane &pane() { return pane_; }
    const LookupState &state() const { return state_; }

private:
    void exactLookup(const std::string &term, WordLookup kind);
    void prefixLookup(const std::string &typedTerm);
    void appendOnce(std::string line);
    void applyLimit();

    const Resolution &resolution_;
    Language language_;
    ResultsPane pane_;
    LookupState state_;
    // The pane's lines upper-cased, for the lookups that write each line once.
    std::unordered_set<std::string> foldedLines_;
};

} // namespace zelvora
