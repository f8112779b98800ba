#include "translate/LookupSession.h"

#include "dictionary/UpperCase.h"

#include <algorithm>
#include <array>

namespace zelvora {

namespace {

constexpr std::array<std::string_view, 12> PlaceholderWords = {
    "KKKKK", "JJJJJ", "YYYYY", "HHHHH", "IIIII", "WWWWW", "PPPPP", "QQQQQ", "RRRRR", "SSSSS", "UUUUU", "VVVVV",
};

// A term ending in "*" is a prefix; with three characters or fewer it is too short.
constexpr std::size_t ShortestPrefixLookup = 4;

bool isPrefixTerm(const std::string &term)
{
    return !term.empty() && term.back() == '*';
}

} // namespace

bool isPrefixLookup(const std::string &word)
{
    return isPrefixTerm(word) && word.size() >= ShortestPrefixLookup;
}

const char *shortPrefixText(Language language)
{
    return language == Language::Italian ? "INSERIRE ALMENO 3 CARATTERI INIZIALI" : "AT LEAST 3 INITIAL CHARACTERS";
}

bool isPlaceholderWord(std::string_view word)
{
    return std::find(PlaceholderWords.begin(), PlaceholderWords.end(), word) != PlaceholderWords.end();
}

LookupQueries queriesFor(const std::vector<std::string> &words)
{
    LookupQueries queries;
    for (const std::string &word : words) {
        std::string term = toUpperFull(word);
        if (!isPrefixTerm(term))
            queries.terms.push_back(std::move(term));
        else if (term.size() >= ShortestPrefixLookup)
            queries.prefixes.push_back(term.substr(0, term.size() - 1));
    }
    return queries;
}

LookupSession::LookupSession(const Resolution &resolution, Language language, std::size_t paneLinesBefore,
                             LookupState state)
    : resolution_(resolution), language_(language), pane_(paneLinesBefore), state_(std::move(state))
{
}

void LookupSession::lookUp(const std::string &word, WordLookup kind)
{
    const std::string term = toUpperFull(word);
    state_.termBox = term;
    if (!isPrefixTerm(term))
        exactLookup(term, kind);
    else if (term.size() >= ShortestPrefixLookup)
        prefixLookup(term);
    else
        state_.termBox = shortPrefixText(language_);
}

void LookupSession::exactLookup(const std::string &term, WordLookup kind)
{
    std::string definition = resolution_.definitionOf(term);
    if (definition.empty()) {
        definition = NotFoundText;
        state_.label3 = "NO";
    }
    state_.label1 = definition;
    const bool found = definition != NotFoundText;
    const bool reportMissing = !term.empty() && !isPlaceholderWord(term);

    switch (kind) {
    case WordLookup::Term:
        if (!found)
            return;
        appendLine(term + " = " + definition);
        break;
    case WordLookup::Translation:
        if (found)
            appendLine(term + " = " + definition);
        else if (reportMissing)
            appendLine(term + " = -");
        break;
    case WordLookup::Dictionary:
        if (found)
            appendOnce(term + " = " + definition);
        else if (reportMissing)
            appendOnce(term + " = -");
        break;
    case WordLookup::WordList:
        if (found)
            appendOnce(term);
        else if (reportMissing)
            appendOnce(term + " [non trovato]");
        break;
    }
    applyLimit();
    state_.label3 = "SI";
}

void LookupSession::prefixLookup(const std::string &typedTerm)
{
    const std::vector<std::string> &matches = resolution_.matchesOf(std::string_view(typedTerm).substr(0, typedTerm.size() - 1));
    for (const std::string &matched : matches) {
        state_.termBox = matched;
        exactLookup(matched, WordLookup::Term);
        state_.label3 = "SI";
    }
    if (matches.empty())
        state_.label3 = "NO";
    state_.termBox = typedTerm;
}

void LookupSession::appendLine(std::string line)
{
    foldedLines_.insert(toUpperFull(line));
    pane_.append(std::move(line));
}

void LookupSession::appendOnce(std::string line)
{
    if (!foldedLines_.contains(toUpperFull(line)))
        appendLine(std::move(line));
}

void LookupSession::applyLimit()
{
    if (!pane_.applyLimit())
        return;
    foldedLines_.clear();
    state_.termBox = NarrowSearchText;
}

} // namespace zelvora
