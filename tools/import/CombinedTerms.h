#pragma once

#include "import/Entry.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zelvora::dictd {

// Terms gathered from one or more inputs with the pieces that define them,
// made into one entry per term: the inverse's "house, home" (one sense of
// translations), the glosses' "(n.) 1. edificio destinato all'abitazione;
// 2. domicilio" (a sense each). Terms that differ only in case or spacing are
// one term; a piece is kept once.
class CombinedTerms {
public:
    enum class Style {
        List,     // "house, home"
        Numbered, // "(n.) 1. ...; 2. ...", the part of speech from the term's first piece
    };
    CombinedTerms(Style style, Standing standing) : style_(style), standing_(standing) {}

    // Pieces and part of speech are Windows-1252. False (nothing added) when
    // the term needs a character Windows-1252 cannot write, or is empty.
    bool add(std::u32string_view term, const std::string &piece, const std::string &partOfSpeech = {});

    // One entry per term, in the order terms first came.
    std::vector<Entry> entries() const;

private:
    struct Term {
        std::string term;
        std::string partOfSpeech;
        std::vector<std::string> pieces;
    };
    Style style_;
    Standing standing_;
    std::unordered_map<std::string, std::size_t> positions_;
    std::vector<Term> terms_;
};

} // namespace zelvora::dictd
