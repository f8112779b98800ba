#pragma once

#include "dictionary/Language.h"
#include "dictionary/LineReader.h"
#include "dictionary/TermList.h"
#include "search/LengthRule.h"
#include "translate/LookupSession.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace zelvora {

// A dictionary of a list: its name as the list holds it (Windows-1252) and its
// path in the system's encoding.
struct ListedDictionary {
    std::string name;
    std::string path;
};

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

// Looks the term box's term up in every dictionary of the list, each
// dictionary's findings under its header "----- name -----"; separator lines
// are passed over. Every dictionary is searched for that term, whatever
// message a lookup leaves in the term box.
void searchWholeWord(const std::vector<ListedDictionary> &list, Language language, SearchRun &run,
                     std::size_t bufferSize = DefaultBufferSize);

// The search texts the substring searches take.
inline constexpr LengthRule SubstringInTermListLength{3};
inline constexpr LengthRule SubstringInListLength{4};

// Looks up, as a listing, every item of the current dictionary's term list
// that contains the search text (upper-cased).
void searchSubstringInTermList(const std::string &path, const TermList &termList,
                               const std::string &searchText, Language language, SearchRun &run,
                               std::size_t bufferSize = DefaultBufferSize);

// The same in every dictionary of the list, over the first 32500 term lines of
// each, with a header for each dictionary that has a match. `reading` hears of
// each dictionary as its walk begins.
using DictionaryReading = std::function<void(const ListedDictionary &dictionary)>;
void searchSubstringInList(const std::vector<ListedDictionary> &list, const std::string &searchText,
                           Language language, SearchRun &run, const DictionaryReading &reading = {},
                           std::size_t bufferSize = DefaultBufferSize);

} // namespace zelvora
