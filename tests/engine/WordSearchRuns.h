#pragma once

// One word game or word search run by the step-by-step reference, with the
// term box's text as typed, and by the engine, with what the window hands
// over: for the equivalence tests and the fuzz targets alike.

#include "ReferenceWindow.h"

#include "dictionary/UpperCase.h"
#include "reference/SearchStepByStep.h"
#include "search/DictionarySearches.h"
#include "search/WordGames.h"

#include <string>
#include <vector>

enum class Game { Anagrams, Rhymes, Palindromes, Letters };

struct GamePlayed {
    zelvora::WordWalk engine;
    zelvora::reference::Window reference;
};

inline GamePlayed playGame(Game game, const std::string &path, const std::string &typed,
                           const zelvora::LetterPattern &pattern, std::size_t bufferSize)
{
    GamePlayed played{{}, windowFor(path, zelvora::Language::Italian, {typed, "", zelvora::FoundFlag::Unset}, 1)};
    const std::string word = zelvora::toUpperAscii(typed);
    switch (game) {
    case Game::Anagrams:
        zelvora::reference::Button2Click(played.reference);
        played.engine = zelvora::findAnagrams(path, word, bufferSize);
        break;
    case Game::Rhymes:
        zelvora::reference::Button7Click(played.reference);
        played.engine = zelvora::findRhymes(path, word, bufferSize);
        break;
    case Game::Palindromes:
        zelvora::reference::Button35Click(played.reference);
        played.engine = zelvora::findPalindromes(path, bufferSize);
        break;
    case Game::Letters:
        zelvora::reference::Panel49Click(played.reference, pattern);
        played.engine = zelvora::findByLetters(path, pattern, bufferSize);
        break;
    }
    return played;
}

enum class Search { WholeWord, Substring, SubstringInTermList };

struct SearchDone {
    zelvora::SearchRun engine;
    zelvora::reference::Window reference;
};

// A search for the term box's text over the list, or over the term list of
// the list's first dictionary.
inline SearchDone runSearch(Search search, const std::vector<zelvora::ListedDictionary> &list,
                            const zelvora::LookupState &before, zelvora::Language language,
                            const std::vector<std::string> &termList, std::size_t bufferSize)
{
    namespace reference = zelvora::reference;
    SearchDone done{{{}, before, 0}, windowFor(list[0].path, language, before, 1)};
    std::vector<reference::ListEntry> entries;
    for (const zelvora::ListedDictionary &dictionary : list)
        entries.push_back({dictionary.name, dictionary.path});
    switch (search) {
    case Search::WholeWord:
        zelvora::searchWholeWord(list, language, done.engine, bufferSize);
        reference::Button6Click(done.reference, entries);
        break;
    case Search::Substring:
        zelvora::searchSubstringInList(list, before.termBox, language, done.engine, {}, bufferSize);
        reference::Button25Click(done.reference, entries);
        break;
    case Search::SubstringInTermList:
        zelvora::searchSubstringInTermList(list[0].path, termList, before.termBox, language, done.engine, bufferSize);
        reference::Button23Click(done.reference, termList);
        break;
    }
    return done;
}
