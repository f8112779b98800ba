#pragma once

#include "import/Article.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelvora::dictd {

// A FreeDict definition is a list of senses, numbered "1. " when there are
// several; a sense's first line holds its translations, separated by commas,
// and the lines after it notes or glosses in the headword's language
// ("1. hogar, casa" then "domicilio"). A number alone on a line starts a
// sense that has no translation; WikDict also ends some translation lines
// with a number ("hyytyä 2."), which belongs to nothing: the note after it is
// still the translation's.
struct FreeDictSense {
    std::u32string number;
    std::u32string translations;
    std::vector<std::u32string> notes;
};

std::vector<FreeDictSense> freeDictSenses(const std::vector<std::u32string> &body);

// The translations of a sense's line: split at commas and semicolons outside
// parentheses, parenthesised remarks dropped: "casa (edificio), dimora" to
// "casa", "dimora".
std::vector<std::u32string> splitTranslations(std::u32string_view line);

// The translations of a sense's line as they are written, remarks kept:
// "casa (edificio), dimora" to "casa (edificio)", "dimora".
std::vector<std::u32string> splitItems(std::u32string_view line);

// A sense as a learner reads it: its translations, then its notes on one
// line ("domicilio; edificio"), the part of speech being the article's.
struct TranslationSense {
    std::vector<std::u32string> items;
    std::u32string note;
};
std::vector<TranslationSense> translationSenses(const Article &article);

// Only the notes and glosses, each once: what a FreeDict definition says in
// the headword's own language. Notes wholly in parentheses are left out.
std::vector<std::u32string> glossesOf(const Article &article);

// Every translation of every sense, in order, each once.
std::vector<std::u32string> translationsOf(const Article &article);

} // namespace zelvora::dictd
