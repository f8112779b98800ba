#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelvora::dictd {

// How a dictionary lays out its definitions.
enum class Layout {
    FreeDict, // headword line, then one line per translation or note, senses numbered "1. "
    Prose,    // headword line(s), then wrapped text (WordNet, GCIDE, FOLDOC, Jargon File...)
};

// One dictd definition taken apart: the headword line's parts and the lines after it.
struct Article {
    std::u32string headword;                  // as spelled on the first line; empty when that line names no key
    std::vector<std::u32string> moreHeadwords; // further headword lines (other keys of the definition)
    std::u32string partOfSpeech;              // short: "n. m.", "v. t."
    std::vector<std::u32string> body;         // the remaining lines, with their indentation
    bool bodyStartsOnHeadLine = false;        // body[0] is what followed the headword on its line
    bool bracketAccents = false;              // GCIDE's "caf['e]" accents were found (and converted)
};

// `keys` are the index keys that point at this definition. The first line is
// the headword line when it starts with the spelling of one of them; in the
// FreeDict layout it always is, and the headword is what comes before the
// pronunciation and the part of speech.
Article parseArticle(std::u32string_view text, const std::vector<std::u32string> &keys, Layout layout);

// How the article's headword lines spell `key`, or else its text; the key
// itself when neither does.
std::u32string spellingOf(const Article &article, const std::u32string &key);

} // namespace zelvora::dictd
