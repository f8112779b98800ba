#pragma once

#include <string>
#include <vector>

namespace zelvora::dictd {

// One sense of a definition, in Windows-1252. A bilingual sense lists its
// translations as items ("house", "home"); a prose sense is one item of text.
struct Sense {
    std::string partOfSpeech;       // short, without parentheses: "n. f."; may be empty
    std::vector<std::string> items;
    std::string note;               // shown in parentheses after the items: "domicilio"
    std::string via;                // the languages it was found through: "fin, spa"
};

// Where an entry's senses come from, in the order a term shows them.
enum class Standing {
    Supplement, // our own glosses of the commonest words, where the sources fall short
    Direct,     // the dictionary's own definition
    Inverse,    // a dictionary of the other direction read backwards
    Via,        // through other languages
    Other,      // glosses and the like
};

// What an input says about one term, before the entries of the term are
// merged into the one the file holds.
struct Entry {
    std::string term; // in capitals
    Standing standing = Standing::Direct;
    bool translations = false; // items are translations, compared and dropped one by one
    std::vector<Sense> senses;
    // A prose definition as it is written when the term has no other entry
    // (its own numbering and joins kept); empty for bilingual entries.
    std::string alone;
};

// One entry of a dictionary file: the term in capitals and its definition on one line.
struct WrittenEntry {
    std::string term;
    std::string definition;
};

} // namespace zelvora::dictd
