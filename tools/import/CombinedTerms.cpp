#include "import/CombinedTerms.h"

#include "dictionary/UpperCase.h"
#include "import/Text.h"
#include "import/Transliterate.h"

#include <algorithm>

namespace zelvora::dictd {

bool CombinedTerms::add(std::u32string_view term, const std::string &piece, const std::string &partOfSpeech)
{
    const Cp1252Text text = toCp1252(collapseSpaces(term));
    if (text.questionMarks > 0 || text.bytes.empty())
        return false;
    const std::string key = toUpperFull(text.bytes);
    const auto [found, added] = positions_.try_emplace(key, terms_.size());
    if (added)
        terms_.push_back(Term{key, partOfSpeech, {}});
    std::vector<std::string> &pieces = terms_[found->second].pieces;
    if (!piece.empty() && std::find(pieces.begin(), pieces.end(), piece) == pieces.end())
        pieces.push_back(piece);
    return true;
}

std::vector<Entry> CombinedTerms::entries() const
{
    std::vector<Entry> entries;
    entries.reserve(terms_.size());
    for (const Term &term : terms_) {
        if (term.pieces.empty())
            continue;
        Entry entry{term.term, standing_, style_ == Style::List, {}, {}};
        if (style_ == Style::List)
            entry.senses.push_back(Sense{{}, term.pieces, {}, {}});
        else
            for (const std::string &piece : term.pieces)
                entry.senses.push_back(Sense{term.partOfSpeech, {piece}, {}, {}});
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace zelvora::dictd
