#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zelvora::dictd {

// dictd indexes often keep a key in a reduced form ("alsazialorena" for
// "Alsazia‐Lorena", "cè" for "c'è"); these find how the definition spells it.

// The letters and digits of a text, in capitals and without accents; what two
// spellings of a key share ("'Ecart'e", GCIDE's key for "Écarté", gives ECARTE).
std::string foldForMatching(std::u32string_view text);

// The length of the start of `line` that spells `key` (same letters and digits,
// whatever the case, accents, spaces and punctuation) and ends where a word
// ends; 0 when it does not. Closing marks (' . ! ? -) that end the key end the
// spelling too: "etc." for the key "etc.", "ABRACADABRA" for "abracadabra".
std::size_t matchKeyPrefix(std::u32string_view line, std::u32string_view key);

// The same with the key already folded, and the number of its closing marks.
std::size_t matchFoldedPrefix(std::u32string_view line, const std::string &foldedKey, std::size_t closingMarks);
std::size_t closingMarks(std::u32string_view key);

// What follows the headword on its line.
struct HeadTrailer {
    std::u32string partOfSpeech; // already short: "n. m.", "v. t."
    std::u32string rest;         // text that belongs to the definition
};

// FreeDict: "/pronunciation/ <n, masc>": the part of speech, nothing else kept.
HeadTrailer splitFreeDictTrailer(std::u32string_view trailer);
// Other dictionaries: pronunciations (\...\, /.../ and a respelling in
// parentheses after one) dropped, a leading part of speech ("v. t.", "n.")
// taken, the rest kept.
HeadTrailer splitProseTrailer(std::u32string_view trailer);

// A line that is only a short part of speech: "n.", "adj.", "n., v.".
bool isPartOfSpeechLine(std::u32string_view line);

// FreeDict's part-of-speech words made short: "n, masc" to "n. m.",
// "conjunction" to "conj.".
std::u32string shortPartOfSpeech(std::u32string_view words);

} // namespace zelvora::dictd
