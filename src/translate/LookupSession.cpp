#include "translate/LookupSession.h"

#include "dictionary/UpperCase.h"
#include "morphology/BaseForms.h"
#include "translate/TextIndex.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <unordered_set>

namespace zelvora {

namespace {

constexpr const char *NotFoundText = "Termine non trovato!";
constexpr const char *NarrowSearchText = "RESTRINGERE LA RICERCA";

// The twelve words that stand for punctuation; never reported as not found.
constexpr std::array<std::string_view, 12> PlaceholderWords = {
    "KKKKK", "JJJJJ", "YYYYY", "HHHHH", "IIIII", "WWWWW", "PPPPP", "QQQQQ", "RRRRR", "SSSSS", "UUUUU", "VVVVV",
};

// A term ending in "*" is a prefix; with three characters or fewer it is too short.
constexpr std::size_t ShortestPrefixLookup = 4;

bool isPlaceholderWord(std::string_view word)
{
    return std::find(PlaceholderWords.begin(), PlaceholderWords.end(), word) != PlaceholderWords.end();
}

// "TERM = definition", built in one allocation.
std::string findingLine(const std::string &term, std::string_view definition)
{
    std::string line;
    line.reserve(term.size() + 3 + definition.size());
    line.append(term).append(" = ").append(definition);
    return line;
}

const char *shortPrefixText(Language language)
{
    return language == Language::Italian ? "INSERIRE ALMENO 3 CARATTERI INIZIALI" : "AT LEAST 3 INITIAL CHARACTERS";
}

// With base forms, each term brings the terms behind it, asked for once.
LookupQueries queries(const std::vector<std::string> &words, bool eachTermOnce,
                      BaseFormFinder *baseForms = nullptr)
{
    LookupQueries queries;
    queries.terms.reserve(words.size());
    TextIndex terms(words.size()); // the terms already asked for
    // The terms the base forms may need, added after the words' own, each once.
    std::unordered_set<std::string> termsBehind;
    for (const std::string &word : words) {
        std::string term = toUpperFull(word);
        switch (lookupKindOf(term)) {
        case LookupKind::Exact:
            queries.terms.push_back(std::move(term));
            if (eachTermOnce && !terms.insert(queries.terms.back()).added)
                queries.terms.pop_back();
            else if (baseForms)
                for (std::string &behind : baseForms->termsBehind(queries.terms.back()))
                    termsBehind.insert(std::move(behind));
            break;
        case LookupKind::Prefix:
            queries.prefixes.emplace_back(prefixOf(term));
            break;
        case LookupKind::ShortPrefix:
            break;
        }
    }
    for (const std::string &term : queries.terms)
        termsBehind.erase(term);
    queries.terms.insert(queries.terms.end(), std::make_move_iterator(termsBehind.begin()),
                         std::make_move_iterator(termsBehind.end()));
    return queries;
}

} // namespace

LookupKind lookupKindOf(std::string_view term)
{
    if (term.empty() || term.back() != '*')
        return LookupKind::Exact;
    return term.size() >= ShortestPrefixLookup ? LookupKind::Prefix : LookupKind::ShortPrefix;
}

std::string_view prefixOf(std::string_view term)
{
    return term.substr(0, term.size() - 1);
}

LookupQueries queriesFor(const std::vector<std::string> &words, BaseFormFinder *baseForms)
{
    return queries(words, true, baseForms);
}

LookupQueries listingQueriesFor(const std::vector<std::string> &matches)
{
    return queries(matches, false);
}

LookupSession::LookupSession(const Resolution &resolution, WordLookup kind, Language language,
                             std::size_t paneLinesBefore, LookupState state)
    : resolution_(resolution), kind_(kind), language_(language), pane_(paneLinesBefore), state_(std::move(state)),
      foldedLines_(pane_.appended())
{
}

void LookupSession::lookUp(const std::string &word)
{
    lookUpOccurrence(word, 1);
}

void LookupSession::lookUpListing(const std::vector<std::string> &matches)
{
    StringMap<std::size_t> occurrences;
    for (const std::string &match : matches)
        lookUpOccurrence(match, ++occurrences[toUpperFull(match)]);
}

// The lookup of a word whose term shows its occurrence-th entry.
void LookupSession::lookUpOccurrence(const std::string &word, std::size_t occurrence)
{
    const std::string term = toUpperFull(word);
    state_.termBox = term;
    switch (lookupKindOf(term)) {
    case LookupKind::Exact:
        if (!baseFormLookup(term))
            exactLookup(term, kind_, occurrence);
        break;
    case LookupKind::Prefix:
        prefixLookup(term);
        break;
    case LookupKind::ShortPrefix:
        state_.termBox = shortPrefixText(language_);
        break;
    }
}

void LookupSession::exactLookup(const std::string &term, WordLookup kind, std::size_t occurrence)
{
    const std::string_view stored = resolution_.definitionOf(term, occurrence);
    if (stored.empty())
        state_.found = FoundFlag::No;
    const std::string_view definition = stored.empty() ? std::string_view(NotFoundText) : stored;
    showDefinition(definition);
    const bool found = definition != NotFoundText;
    const auto reportMissing = [&term] { return !term.empty() && !isPlaceholderWord(term); };

    switch (kind) {
    case WordLookup::Term:
        if (!found)
            return;
        appendLine(findingLine(term, definition));
        break;
    case WordLookup::Translation:
        if (found)
            appendLine(findingLine(term, definition));
        else if (reportMissing())
            appendLine(term + " = -");
        break;
    case WordLookup::Dictionary:
        if (found)
            appendOnce(findingLine(term, definition));
        else if (reportMissing())
            appendOnce(term + " = -");
        break;
    case WordLookup::WordList:
        if (found)
            appendOnce(term);
        else if (reportMissing())
            appendOnce(term + " [non trovato]");
        break;
    }
    applyLimit();
    state_.found = FoundFlag::Yes;
}

// Writes what a term the dictionary lacks is found through; false when it is
// there as typed, or nothing is found, or there are no base forms to use.
bool LookupSession::baseFormLookup(const std::string &term)
{
    if (!baseForms_ || !resolution_.definitionOf(term).empty())
        return false;
    const std::vector<BaseFormFinding> &found =
        baseForms_->find(term, [this](std::string_view tried) { return resolution_.definitionOf(tried); });
    if (found.empty())
        return false;
    for (const auto &[baseForm, definition] : found) {
        std::string line = term;
        line.append(" (").append(baseForm).append(")");
        if (kind_ != WordLookup::WordList)
            line.append(" = ").append(definition);
        if (kind_ == WordLookup::Dictionary || kind_ == WordLookup::WordList)
            appendOnce(std::move(line));
        else
            appendLine(std::move(line));
        applyLimit();
        showDefinition(definition);
    }
    state_.found = FoundFlag::Yes;
    return true;
}

void LookupSession::prefixLookup(const std::string &typedTerm)
{
    const std::vector<std::string> &matches = resolution_.matchesOf(prefixOf(typedTerm));
    StringMap<std::size_t> occurrences;
    for (const std::string &matched : matches) {
        state_.termBox = matched;
        exactLookup(matched, WordLookup::Term, ++occurrences[matched]);
        state_.found = FoundFlag::Yes;
    }
    if (matches.empty())
        state_.found = FoundFlag::No;
    state_.termBox = typedTerm;
}

// A text operation ends by saying it has finished: the definitions it passes
// are never shown, and copying each of them, megabytes at times, is waste.
void LookupSession::showDefinition(std::string_view definition)
{
    if (kind_ == WordLookup::Term)
        state_.label1 = definition;
}

void LookupSession::appendLine(std::string line)
{
    if (kind_ == WordLookup::Dictionary || kind_ == WordLookup::WordList)
        foldedLines_.insert(line, pane_.appended().size());
    pane_.append(std::move(line));
}

void LookupSession::appendOnce(std::string line)
{
    if (foldedLines_.insert(line, pane_.appended().size()))
        pane_.append(std::move(line));
}

void LookupSession::applyLimit()
{
    if (!pane_.applyLimit())
        return;
    foldedLines_.clear();
    state_.termBox = NarrowSearchText;
}

} // namespace zelvora
