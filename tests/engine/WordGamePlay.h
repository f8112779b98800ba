#pragma once

// One word game played by the step-by-step reference, with the term box's
// text as typed, and by the engine, with what the window hands over: for the
// equivalence tests and the fuzz targets alike.

#include "ReferenceWindow.h"

#include "dictionary/UpperCase.h"
#include "reference/SearchStepByStep.h"
#include "search/WordGames.h"

#include <string>

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
