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
        std::string definition;
        for (std::size_t i = 0; i < term.pieces.size(); ++i) {
            if (style_ == Style::List) {
                definition += (i ? ", " : "") + term.pieces[i];
            } else {
                definition += i ? "; " : "";
                if (term.pieces.size() > 1)
                    definition += std::to_string(i + 1) + ". ";
                definition += term.pieces[i];
            }
        }
        if (definition.empty())
            continue;
        if (style_ == Style::Numbered && !term.partOfSpeech.empty())
            definition = "(" + term.partOfSpeech + ") " + definition;
        entries.push_back(Entry{term.term, definition});
    }
    return entries;
}

} // namespace zelvora::dictd
