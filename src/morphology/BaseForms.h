#pragma once

#include "morphology/BaseFormLexicon.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zelvora {

// How a word that the dictionary lacks as typed is still found in it, trying
// in turn, until one step finds something:
// 1. the word with its typographic apostrophes (’) written plain ('), as the
//    dictionaries write them;
// 2. the word's base forms in the lexicon (MANGIAMO: MANGIARE); for a word
//    the lexicon does not know, those of a verb with unstressed pronouns
//    joined to it (TROVARMI, DIMMI, SALUTAMI: TROVARE, DIRE, SALUTARE) or of a
//    superlative (BELLISSIMA: BELLO);
// 3. when an apostrophe stands between two of its characters (DELL'ACQUA,
//    C'È): each part, the elided ones keeping their apostrophe (DELL', ACQUA),
//    looked up as a word: as typed, else through its base forms (C': CI).

struct BaseFormFinding {
    std::string baseForm;        // the term found in the dictionary
    std::string_view definition; // the dictionary's, where DefinitionOf keeps it
};
// A term's definition in the dictionary; empty when the dictionary lacks it.
// The definitions stay where they are while the findings are read.
using DefinitionOf = std::function<std::string_view(std::string_view term)>;

// The steps for the words of one run in one dictionary: first the terms they
// may ask the dictionary for, so that one pass over it resolves them all; then,
// once resolved, what each word is found through. Each word is worked out once
// however often the text holds it.
class BaseFormFinder {
public:
    explicit BaseFormFinder(const BaseFormLexicon &lexicon) : lexicon_(lexicon) {}

    // Every term the steps may ask the dictionary for; `term`, in capitals,
    // is not among them.
    std::vector<std::string> termsBehind(std::string_view term);
    // What the steps find for `term`, in their order, each term once; nothing
    // when they find nothing. The first answer for a term is kept.
    const std::vector<BaseFormFinding> &find(std::string_view term, const DefinitionOf &definitionOf);

private:
    // A word and its base forms; the base forms are tried when it is not found itself.
    struct Word {
        std::string asTyped;
        std::vector<std::string> baseForms;
    };
    struct WorkedOut {
        std::string plain; // the term with plain apostrophes
        std::vector<std::string> baseForms;
        std::vector<Word> parts;
        bool looked = false; // `found` is known
        std::vector<BaseFormFinding> found;
    };
    WorkedOut &workedOut(std::string_view term);

    const BaseFormLexicon &lexicon_;
    std::unordered_map<std::string, WorkedOut> words_;
};

} // namespace zelvora
