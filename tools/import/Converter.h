#pragma once

#include "import/Article.h"
#include "import/CombinedTerms.h"
#include "import/Entry.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zelvora::dictd {

enum class InputMode {
    Direct,        // each key a term, its definition flattened
    Inverse,       // each translation a term, defined by the headword (FreeDict only)
    Glosses,       // each headword a term, defined by its notes and glosses only (FreeDict only)
    Thesaurus,     // a MyThes thesaurus (.dat): each word a term, defined by its synonyms
    ViaIn,         // FreeDict, from the terms' language into a third one
    ViaInInverse,  // FreeDict, from a third language into the terms' one, read backwards
    ViaOut,        // FreeDict, from a third language into the definitions' one
    ViaOutInverse, // FreeDict, from the definitions' language into a third one, read backwards
    Supplement,    // our own "TERM = definition" lines, shown before every other sense
};

struct Input {
    std::string path; // NAME, NAME.index, NAME.dict or NAME.dict.dz
    InputMode mode = InputMode::Direct;
};

// The files of a dictd dictionary: NAME.index, and NAME.dict.dz or else NAME.dict.
struct InputFiles {
    std::string name;
    std::string index;
    std::string data;
};
InputFiles locateInput(const std::string &path);

struct InputCounts {
    std::size_t articles = 0;        // definitions read, dictd's own entries not counted
    std::size_t internal = 0;        // dictd's own entries (00-database-...), skipped
    std::size_t entries = 0;         // entries made (inverse, glosses: terms given)
    std::size_t badTerms = 0;        // dropped: the term needs a character Windows-1252 cannot hold
    std::size_t emptyDefinitions = 0; // dropped: nothing left of the definition
    std::size_t senseLabels = 0;     // dropped: one-character keys pointing into a longer definition
    std::size_t questionMarks = 0;   // characters of definitions that became '?'
    std::size_t notUtf8 = 0;         // definitions read as Windows-1252
};

struct ConvertedInput {
    std::string name;
    InputMode mode = InputMode::Direct;
    Layout layout = Layout::Prose;
    std::vector<Entry> entries;
    InputCounts counts;
    std::string title;  // Windows-1252, from 00-database-short; the name when absent
    std::string source; // Windows-1252, from 00-database-url and the licence in 00-database-info
};

// Where the inverse and the glosses of several inputs are gathered, so that a
// term gets one entry for all of them.
struct Collectors {
    CombinedTerms inverse{CombinedTerms::Style::List, Standing::Inverse};
    CombinedTerms glosses{CombinedTerms::Style::Numbered, Standing::Other};
};

// Reads one dictd dictionary and makes its entries. The layout is FreeDict's
// when the dictionary names FreeDict, unless `layout` says otherwise. With
// `collectors`, the inverse's and the glosses' terms go there instead of into
// the result's entries (its counts still count them). Throws ImportError
// naming the file at fault.
ConvertedInput convertInput(const Input &input, std::optional<Layout> layout = std::nullopt,
                            Collectors *collectors = nullptr);

// A FreeDict article's headword and its translations, in order, as the
// dictionary spells them (not made Windows-1252).
struct Translations {
    std::u32string headword;
    std::vector<std::u32string> translations;
};

// Every article of a FreeDict dictionary. Throws ImportError naming the file at fault.
std::vector<Translations> readTranslations(const std::string &path);

} // namespace zelvora::dictd
