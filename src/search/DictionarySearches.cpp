#include "search/DictionarySearches.h"

#include "dictionary/Catalogue.h"
#include "dictionary/UpperCase.h"
#include "translate/TextOperations.h"

#include <string_view>

namespace zelvora {

namespace {

constexpr std::size_t SubstringTermListCap = 32500;

std::string dictionaryHeader(const std::string &name)
{
    return "----- " + name + " -----";
}

bool containsText(std::string_view term, std::string_view text)
{
    return term.find(text) != std::string_view::npos;
}

// Appends what a lookup appended to the results, after the dictionary's
// header when one is given; the lookup's pane started below that header.
void takeFindings(ResultsPane &pane, const std::string *header, SearchRun &run)
{
    if (pane.emptied())
        run.lines.clear();
    else if (header)
        run.lines.push_back(*header);
    for (std::string &line : pane.takeAppended())
        run.lines.push_back(std::move(line));
}

// Looks the matches up as a listing, their findings under the dictionary's
// header when one is given; the term box ends on the search text.
void lookUpMatches(const Resolution &resolution, const std::vector<std::string> &matches, const std::string *header,
                   const std::string &searchText, Language language, SearchRun &run)
{
    LookupSession session(resolution, WordLookup::Term, language, run.lines.size() + (header ? 1 : 0), run.state);
    session.lookUpListing(matches);
    takeFindings(session.pane(), header, run);
    run.state = session.takeState();
    run.state.termBox = searchText;
}

} // namespace

void searchWholeWord(const std::vector<ListedDictionary> &list, Language language, SearchRun &run,
                     std::size_t bufferSize)
{
    const std::string typed = run.state.termBox;
    for (const ListedDictionary &dictionary : list) {
        ++run.steps;
        if (isSeparator(dictionary.name))
            continue;
        TermLookup lookup = lookUpTerm(dictionary.path, typed, language, run.lines.size() + 1, run.state, bufferSize);
        // A dictionary's header stays only above lines that its own lookup appended.
        const std::string header = dictionaryHeader(dictionary.name);
        const bool appended = lookup.pane.emptied() || !lookup.pane.appended().empty();
        takeFindings(lookup.pane, appended ? &header : nullptr, run);
        run.state = std::move(lookup.state);
    }
}

void searchSubstringInTermList(const std::string &path, const TermList &termList, const std::string &searchText,
                               Language language, SearchRun &run, std::size_t bufferSize)
{
    const std::string text = toUpperFull(searchText);
    std::vector<std::string> matches;
    for (const std::string_view term : termList)
        if (containsText(term, text))
            matches.emplace_back(term);
    const LookupQueries queries = listingQueriesFor(matches);
    const Resolution resolution = resolveTerms(path, queries.terms, queries.prefixes, {}, bufferSize);
    lookUpMatches(resolution, matches, nullptr, text, language, run);
    run.steps += termList.size();
}

void searchSubstringInList(const std::vector<ListedDictionary> &list, const std::string &searchText,
                           Language language, SearchRun &run, const DictionaryReading &reading,
                           std::size_t bufferSize)
{
    const std::string text = toUpperFull(searchText);
    for (const ListedDictionary &dictionary : list) {
        ++run.steps;
        if (isSeparator(dictionary.name))
            continue;
        if (reading)
            reading(dictionary);
        std::vector<std::string> matches;
        bool prefixMatch = false;
        std::size_t termLines = 0;
        Resolution resolution = resolveTerms(
            dictionary.path, {}, {},
            [&](std::string_view term, std::vector<std::string> &moreTerms) {
                if (containsText(term, text)) {
                    matches.emplace_back(term);
                    // A prefix lookup lists the entries before this one too.
                    if (lookupKindOf(term) == LookupKind::Prefix)
                        prefixMatch = true;
                    else
                        moreTerms.push_back(toUpperFull(term));
                }
                return ++termLines < SubstringTermListCap;
            },
            bufferSize);
        if (matches.empty()) {
            run.state.termBox = text;
            continue;
        }
        if (prefixMatch) {
            const LookupQueries queries = listingQueriesFor(matches);
            resolution = resolveTerms(dictionary.path, queries.terms, queries.prefixes, {}, bufferSize);
        }
        const std::string header = dictionaryHeader(dictionary.name);
        lookUpMatches(resolution, matches, &header, text, language, run);
    }
}

} // namespace zelvora
