#include "search/DictionarySearches.h"

#include "dictionary/Catalogue.h"
#include "dictionary/UpperCase.h"
#include "translate/TextOperations.h"

#include <algorithm>

namespace zelvora {

namespace {

bool contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

// Looks the matches up in order, their findings under the dictionary's header
// when one is given; the term box ends on the search text.
void lookUpMatches(const Resolution &resolution, const std::vector<std::string> &matches, const std::string *header,
                   const std::string &searchText, Language language, SearchRun &run)
{
    LookupSession session(resolution, language, run.lines.size() + (header ? 1 : 0), run.state);
    for (const std::string &match : matches)
        session.lookUp(match, WordLookup::Term);
    if (header)
        run.lines.push_back(*header);
    if (session.pane().emptied())
        run.lines.clear();
    std::vector<std::string> &appended = session.pane().appended();
    run.lines.insert(run.lines.end(), std::make_move_iterator(appended.begin()),
                     std::make_move_iterator(appended.end()));
    run.state = session.state();
    run.state.termBox = searchText;
}

} // namespace

std::string dictionaryHeader(const std::string &name)
{
    return "----- " + name + " -----";
}

void searchWholeWord(const std::vector<ListedDictionary> &list, Language language, SearchRun &run)
{
    for (const ListedDictionary &dictionary : list) {
        ++run.steps;
        if (isSeparator(dictionary.name))
            continue;
        TermLookup lookup = lookUpTerm(dictionary.path, run.state.termBox, language, run.lines.size() + 1, run.state);
        run.lines.push_back(dictionaryHeader(dictionary.name));
        if (lookup.pane.emptied())
            run.lines.clear();
        for (std::string &line : lookup.pane.appended())
            run.lines.push_back(std::move(line));
        run.state = std::move(lookup.state);
        // A lookup that found nothing appended nothing: its header goes.
        if (run.state.label3 == "NO" && !run.lines.empty())
            run.lines.pop_back();
    }
}

void searchSubstringInTermList(const std::string &path, const std::vector<std::string> &termList,
                               const std::string &searchText, Language language, SearchRun &run)
{
    const std::string text = toUpperFull(searchText);
    std::vector<std::string> matches;
    std::copy_if(termList.begin(), termList.end(), std::back_inserter(matches),
                 [&text](const std::string &term) { return contains(term, text); });
    const LookupQueries queries = queriesFor(matches);
    const Resolution resolution = resolveTerms(path, queries.terms, queries.prefixes);
    lookUpMatches(resolution, matches, nullptr, text, language, run);
    run.steps += termList.size();
}

void searchSubstringInList(const std::vector<ListedDictionary> &list, const std::string &searchText,
                           Language language, SearchRun &run)
{
    const std::string text = toUpperFull(searchText);
    for (const ListedDictionary &dictionary : list) {
        ++run.steps;
        if (isSeparator(dictionary.name))
            continue;
        std::vector<std::string> matches;
        bool prefixMatch = false;
        std::size_t termLines = 0;
        Resolution resolution = resolveTerms(
            dictionary.path, {}, {}, [&](std::string_view term, std::vector<std::string> &moreTerms) {
                if (term.find(text) != std::string_view::npos) {
                    matches.emplace_back(term);
                    // A prefix lookup lists the entries before this one too.
                    if (isPrefixLookup(matches.back()))
                        prefixMatch = true;
                    else
                        moreTerms.push_back(toUpperFull(term));
                }
                return ++termLines < SubstringTermListCap;
            });
        if (matches.empty()) {
            run.state.termBox = text;
            continue;
        }
        if (prefixMatch) {
            const LookupQueries queries = queriesFor(matches);
            resolution = resolveTerms(dictionary.path, queries.terms, queries.prefixes);
        }
        const std::string header = dictionaryHeader(dictionary.name);
        lookUpMatches(resolution, matches, &header, text, language, run);
    }
}

} // namespace zelvora
