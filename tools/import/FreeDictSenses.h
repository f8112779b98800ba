#pragma once

#include "import/Article.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelvora::dictd {

// A FreeDict definition is a list of senses, numbered "1. " when there are
// several; a sense's first line holds its translations, separated by commas,
// and the lines after it notes or glosses in the headword's language
// ("1. hogar, casa" then "domicilio"). A number alone on a line or at the end
// of one ("hyytyä 2.") starts a sense that has no translation.
struct Sense {
    std::u32string number;
    std::u32string translations;
    std::vector<std::u32string> notes;
};

std::vector<Sense> freeDictSenses(const std::vector<std::u32string> &body);

// The translations of a sense's line: split at commas and semicolons outside
// parentheses, parenthesised remarks dropped: "casa (edificio), dimora" to
// "casa", "dimora".
std::vector<std::u32string> splitTranslations(std::u32string_view line);

// The definition on one line: "(n.) 1. house; 2. home", notes in parentheses
// after their sense's translations. Empty when nothing is left.
std::u32string flattenFreeDict(const Article &article);

// Only the notes and glosses, each once: what a FreeDict definition says in
// the headword's own language. Notes wholly in parentheses are left out.
std::vector<std::u32string> glossesOf(const Article &article);

// Every translation of every sense, in order, each once.
std::vector<std::u32string> translationsOf(const Article &article);

} // namespace zelvora::dictd
