#pragma once

#include "dictionary/Language.h"
#include "translate/ResultsPane.h"
#include "translate/TermResolver.h"
#include "translate/FoldedLines.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelvora {

class BaseFormFinder;

// Whether the last lookup appended something (the hidden label Label3 says
// "SI" or "NO"); Unset until a lookup says.
enum class FoundFlag { Unset, Yes, No };

// The texts a lookup leaves in the main window besides the results pane.
struct LookupState {
    std::string termBox;
    std::string label1; // the last definition written, or "Termine non trovato!"
    FoundFlag found = FoundFlag::Unset;
};

// What looking a term up does (the case of its letters changes nothing here).
enum class LookupKind {
    Exact,       // the first entry with that term line
    Prefix,      // it ends in "*" after at least three characters: every entry that begins with them
    ShortPrefix, // it ends in "*" sooner: nothing is looked up
};
LookupKind lookupKindOf(std::string_view term);
// A Prefix term without its "*".
std::string_view prefixOf(std::string_view term);

// How a word's finding is written.
enum class WordLookup {
    Term,        // "TERM = definition", nothing when not found
    Translation, // as Term, and "TERM = -" when not found
    Dictionary,  // as Translation, each line once (ignoring case)
    WordList,    // "TERM", or "TERM [non trovato]", each line once (ignoring case)
};

// The terms and prefixes that lookups need resolved, from the words as typed.
struct LookupQueries {
    std::vector<std::string> terms;
    std::vector<std::string> prefixes;
};
// For lookups of the words: each term once, as a lookup shows its first entry;
// with base forms, also every term that they may bring.
LookupQueries queriesFor(const std::vector<std::string> &words, BaseFormFinder *baseForms = nullptr);
// For a listing of matches (LookupSession::lookUpListing): each term once per
// match, as its n-th match shows its n-th entry.
LookupQueries listingQueriesFor(const std::vector<std::string> &matches);

// Replays lookups, word by word, against a dictionary already resolved: what
// each lookup appends to the results pane and leaves in the term box and the
// hidden labels.
//
// A listing (a prefix lookup's matches, a substring search's) shows no meaning
// of a term twice while another is hidden: the n-th match whose term is T
// writes the definition of the n-th entry whose term line is T, or of the
// first when there are fewer.
class LookupSession {
public:
    LookupSession(const Resolution &resolution, WordLookup kind, Language language, std::size_t paneLinesBefore,
                  LookupState state);

    // Looks up a word as handed over in the term box.
    void lookUp(const std::string &word);
    // Looks up each match in turn as a listing, as the translate bar would.
    void lookUpListing(const std::vector<std::string> &matches);
    // A line written straight into the pane.
    void appendLine(std::string line);
    // From now on, a word that the dictionary lacks as typed is looked up
    // through its base forms (the finder that brought the queries): one line
    // for each term found, "MANGIAMO (MANGIARE) = eat" ("MANGIAMO (MANGIARE)"
    // in a word list); a word found as typed, or through nothing, is written
    // as before.
    void useBaseForms(BaseFormFinder &baseForms) { baseForms_ = &baseForms; }

    ResultsPane &pane() { return pane_; }
    // The state, moved out: the last definition written may be megabytes long.
    LookupState takeState() { return std::move(state_); }

private:
    void lookUpOccurrence(const std::string &word, std::size_t occurrence);
    void showDefinition(std::string_view definition);
    void exactLookup(const std::string &term, WordLookup kind, std::size_t occurrence);
    void prefixLookup(const std::string &typedTerm);
    bool baseFormLookup(const std::string &term);
    void appendOnce(std::string line);
    void applyLimit();

    const Resolution &resolution_;
    BaseFormFinder *baseForms_ = nullptr;
    WordLookup kind_;
    Language language_;
    ResultsPane pane_;
    LookupState state_;
    // For the lookups that write each line once.
    FoldedLines foldedLines_;
};

} // namespace zelvora
