#pragma once

#include "morphology/BaseFormLexicon.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
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

// Every term those steps may ask the dictionary for, so that one pass over it
// resolves them all. `term` is in capitals and is not among them.
std::vector<std::string> termsBehind(const BaseFormLexicon &lexicon, std::string_view term);

struct BaseFormFinding {
    std::string baseForm;        // the term found in the dictionary
    std::string_view definition; // the dictionary's, where DefinitionOf keeps it
};
// A term's definition in the dictionary; empty when the dictionary lacks it.
// The definitions stay where they are while the findings are read.
using DefinitionOf = std::function<const std::string &(std::string_view term)>;

// What the steps find for `term`, in their order, each term once; nothing
// when they find nothing.
std::vector<BaseFormFinding> findThroughBaseForms(const BaseFormLexicon &lexicon, std::string_view term,
                                                  const DefinitionOf &definitionOf);

// findThroughBaseForms in one dictionary, each term worked out once however
// often a text holds it.
class BaseFormFinder {
public:
    BaseFormFinder(const BaseFormLexicon &lexicon, DefinitionOf definitionOf)
        : lexicon_(lexicon), definitionOf_(std::move(definitionOf))
    {
    }

    const std::vector<BaseFormFinding> &find(std::string_view term);

private:
    const BaseFormLexicon &lexicon_;
    DefinitionOf definitionOf_;
    std::unordered_map<std::string, std::vector<BaseFormFinding>> found_;
};

} // namespace zelvora
