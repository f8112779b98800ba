// The word searches against their step-by-step reference: the whole word in
// a list of dictionaries, a substring in the current dictionary's term list
// and in a list of dictionaries, anagrams, rhymes, palindromes and words from
// letters by position, on two dictionaries read through a buffer of 1 byte up
// to the default size.
//
// Input: two bytes of buffer size, a byte of choices, a byte that takes the
// term box's text from a term of the first dictionary (0: as given), then
// the two dictionaries' bytes, the term box's text and the letter boxes (a
// blank for an empty box), in parts.

#include "FuzzSupport.h"
#include "SameState.h"
#include "WordSearchRuns.h"

#include "dictionary/Dictionary.h"
#include "reference/PlainText.h"
#include "search/DictionarySearches.h"
#include "search/WordGames.h"

#include <algorithm>
#include <string>
#include <vector>

using zelvora::Language;
using zelvora::ListedDictionary;
using zelvora::LookupState;
using Lines = std::vector<std::string>;
namespace reference = zelvora::reference;

namespace {

const std::string Separator(24, '_');

void compareGame(Game game, const std::string &path, const std::string &typed, const zelvora::LetterPattern &pattern,
                 std::size_t bufferSize)
{
    const std::string what = "word game " + std::to_string(static_cast<int>(game));
    const GamePlayed played = playGame(game, path, typed, pattern, bufferSize);
    fuzz::expectSame(played.engine.lines, played.reference.pane, what);
    fuzz::expectSame(played.engine.steps, played.reference.progressPosition, what + ": progress");
}

void compareSearch(Search search, const std::vector<ListedDictionary> &list, const LookupState &before,
                   Language language, const Lines &termList, std::size_t bufferSize)
{
    const std::string what = "search " + std::to_string(static_cast<int>(search));
    const SearchDone done = runSearch(search, list, before, language, termList, bufferSize);
    fuzz::expectSame(done.engine.lines, done.reference.pane, what);
    fuzz::expectSameState(done.engine.state, done.reference, what);
    fuzz::expectSame(done.engine.steps, done.reference.progressPosition, what + ": progress");
}

// A piece of a term line of the dictionary, so that anagrams, rhymes and
// substrings are found often: the term turned round, its last two to four
// bytes, or two to four bytes from its middle.
std::string pieceOfATerm(const Lines &lines, unsigned piece)
{
    if (lines.size() < 3)
        return "";
    const std::string &term = lines[2 + 2 * ((piece >> 2) % ((lines.size() - 1) / 2))];
    const std::size_t length = 2 + (piece >> 4) % 3;
    switch (piece & 3) {
    case 1: return std::string(term.rbegin(), term.rend());
    case 2: return term.substr(term.size() - std::min(length, term.size()));
    default: return term.substr(term.size() / 3, length);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::size_t bufferSize = input.bufferSize();
    const unsigned choices = input.byte();
    const Language language = choices & 1 ? Language::English : Language::Italian;
    const auto found = static_cast<zelvora::FoundFlag>((choices >> 1 & 3) % 3);
    const unsigned piece = input.byte();
    const std::string_view firstBytes = input.part();
    const std::string first = fuzz::writeScratch("primo.txt", firstBytes);
    const std::string second = fuzz::writeScratch("secondo.txt", input.part());
    const std::string given(input.part());
    const std::string_view boxes = input.part();
    const std::string typed = piece == 0 ? given : pieceOfATerm(reference::linesOf(firstBytes), piece);

    // The games take the term box's text within their lengths, as the window hands it over.
    if (zelvora::AnagramWordLength.admits(typed.size()))
        compareGame(Game::Anagrams, first, typed, {}, bufferSize);
    if (zelvora::RhymeEndingLength.admits(typed.size()))
        compareGame(Game::Rhymes, first, typed, {}, bufferSize);
    compareGame(Game::Palindromes, first, "", {}, bufferSize);
    zelvora::LetterPattern pattern;
    for (std::size_t k = 0; k < pattern.size() && k < boxes.size(); ++k)
        if (boxes[k] != ' ')
            pattern[k] = boxes.substr(k, 1);
    if (std::any_of(pattern.begin(), pattern.end(), [](const std::string &box) { return !box.empty(); }))
        compareGame(Game::Letters, first, "", pattern, bufferSize);

    const LookupState before{typed, "prima", found};
    Lines termList;
    zelvora::readTerms(first, choices & 8 ? zelvora::TermRepeats::Keep : zelvora::TermRepeats::DropConsecutive,
                       termList, {}, bufferSize);
    if (zelvora::SubstringInTermListLength.admits(typed.size()))
        compareSearch(Search::SubstringInTermList, {{"primo.txt", first}}, before, language, termList, bufferSize);

    // The two dictionaries in either order, a separator (which names no file) before, between or after them.
    std::vector<ListedDictionary> list = {{"primo.txt", first}, {"secondo.txt", second}};
    if (choices & 16)
        std::swap(list[0], list[1]);
    list.insert(list.begin() + (choices >> 5) % 3, {Separator, fuzz::scratchPath("missing.txt")});
    compareSearch(Search::WholeWord, list, before, language, {}, bufferSize);
    if (zelvora::SubstringInListLength.admits(typed.size()))
        compareSearch(Search::Substring, list, before, language, {}, bufferSize);
    return 0;
}
