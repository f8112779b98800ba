#pragma once

#include "import/Article.h"

#include <string>

namespace zelvora::dictd {

// A prose definition (WordNet, GCIDE, FOLDOC, Jargon File, V.E.R.A....) on one
// line: wrapped lines joined, paragraphs and senses joined ("1. ...; 2. ..."),
// WordNet's "n 1:" as "(n.) 1.", source notes, etymologies on the headword
// line and cross-reference braces dropped, the part of speech in front:
// "(v. t.) To confuse...". Empty when nothing is left.
std::u32string flattenProse(const Article &article);

} // namespace zelvora::dictd
