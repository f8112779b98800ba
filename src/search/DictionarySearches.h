#pragma once

#include "dictionary/Language.h"
#include "translate/LookupSession.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zelvora {

// A dictionary of a list: its name as the list holds it (Windows-1252) and its
// path in the system's encoding.
struct ListedDictionary {
    std::string name;
    std::string path;
};

// "----- name -----": heads the findings of one dictionary.
std::string dictionaryHeader(const std::string &name);

// What a search leaves: the results pane's lines, the term box and labels,
// and how far the progress bar went.
struct SearchRun {
    std::vector<std::string> lines;
    LookupState state;
    std::size_t steps = 0;
};

// The searches run into a SearchRun that starts with the term box and labels
// as the window holds them. They read each dictionary once (the substring
// search a second time only where a listed term itself ends in "*"). On a file
// error they throw FileError and the run keeps what was gathered before.

// Looks the term box's term up in every dictionary of the list, each finding
// under its dictionary's header; separator lines are passed over. A message a
// lookup leaves in the term box is the term of the lookups after it.
void searchWholeWord(const std::vector<ListedDictionary> &list, Language language, SearchRun &run);

// Looks up every item of the current dictionary's term list that contains the
// search text (upper-cased), as the translate bar would.
void searchSubstringInTermList(const std::string &path, const std::vector<std::string> &termList,
                               const std::string &searchText, Language language, SearchRun &run);

// The same in every dictionary of the list, over the first 32500 term lines of
// each, with a header for each dictionary that has a match.
inline constexpr std::size_t SubstringTermListCap = 32500;
void searchSubstringInList(const std::vector<ListedDictionary> &list, const std::string &searchText,
                           Language language, SearchRun &run);

} // namespace zelvora
