#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelvora::dictd {

// The markup dictd dictionaries leave in their text, and how pieces of a
// definition are joined onto one line.

// GCIDE's bracketed accents: "caf['e]" to "café", "[ae]" to "æ", "[=a]" to "ā".
std::u32string convertBracketAccents(std::u32string_view text);

// Cross-references are braced: "{Lotus 1-2-3}" to "Lotus 1-2-3".
std::u32string dropBraces(std::u32string_view text);

// A line that is only a source note: "[1913 Webster]", "[WordNet 1.5 +PJC]".
bool isSourceNote(std::u32string_view line);

// Etymologies and inflections in brackets, as GCIDE puts them after the
// headword: "[imp. & p. p. Abashed] [F. abandonner.] To give up" to "To give
// up". Short brackets ("[Obs.]", "[R.]") stay.
std::u32string dropEtymologies(std::u32string_view text);

// GCIDE spells some keys and headwords with an apostrophe before an accented
// e: "'Ecart'e" to "Écarté".
std::u32string apostropheAccents(std::u32string_view text);

// A subject label at the start: "<networking> A protocol" to "(networking) A protocol".
std::u32string labelInParentheses(std::u32string_view text);

// Joins the pieces of a definition: "; " after a piece that ends without
// punctuation ("1. house; 2. home"), a space after one that ends a sentence.
std::u32string joinPieces(const std::vector<std::u32string> &pieces);

} // namespace zelvora::dictd
