#pragma once

#include "import/Article.h"

#include <string>
#include <vector>

namespace zelvora::dictd {

// A prose definition (WordNet, GCIDE, FOLDOC, Jargon File, V.E.R.A....) on one
// line: wrapped lines joined, paragraphs and senses joined ("1. ...; 2. ..."),
// WordNet's "n 1:" as "(n.) 1.", source notes, etymologies on the headword
// line and cross-reference braces dropped, the part of speech in front:
// "(v. t.) To confuse...". Empty when nothing is left.
std::u32string flattenProse(const Article &article);

// The same definition as its senses, without their numbers: a numbered
// paragraph and the unnumbered ones after it are one sense, and so are the
// paragraphs before the first number.
struct ProseSense {
    std::u32string partOfSpeech;
    std::u32string text;
};
std::vector<ProseSense> proseSenses(const Article &article);

} // namespace zelvora::dictd
