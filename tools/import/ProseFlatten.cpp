#include "import/ProseFlatten.h"

#include "import/Headword.h"
#include "import/Markup.h"
#include "import/Text.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace zelvora::dictd {

namespace {

// A line no shorter than this was wrapped, so a line at the margin after it continues it.
constexpr std::size_t WrappedWidth = 55;

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

std::size_t digitsAt(std::u32string_view text, std::size_t from)
{
    std::size_t n = 0;
    while (from + n < text.size() && isDigit(text[from + n]))
        ++n;
    return n;
}

// A sense number starting `line` ("2. ", "2: ", "2) ", WordNet's "adj 1: "),
// written as "2." with WordNet's part of speech beside it, and where the
// sense's text starts; an empty number when there is none.
struct SenseMarker {
    std::u32string number;
    std::u32string partOfSpeech;
    std::size_t textStart = 0;
};

SenseMarker senseMarker(std::u32string_view line)
{
    std::u32string partOfSpeech;
    std::size_t at = 0;
    static const std::u32string_view WordNetParts[] = {U"n ", U"v ", U"adj ", U"adv "};
    for (const std::u32string_view part : WordNetParts) {
        if (startsWith(line, part)) {
            partOfSpeech = shortPartOfSpeech(part);
            at = part.size();
            break;
        }
    }
    const std::size_t digits = digitsAt(line, at);
    if (digits == 0 || digits > 2 || at + digits >= line.size())
        return {};
    const char32_t after = line[at + digits];
    const bool wordNetColon = !partOfSpeech.empty() && after == U':';
    if (!partOfSpeech.empty() && !wordNetColon)
        return {};
    if (after != U'.' && after != U':' && after != U')')
        return {};
    const std::size_t textStart = at + digits + 1;
    if (textStart < line.size() && !isSpace(line[textStart]))
        return {};
    return {std::u32string(line.substr(at, digits)) + U".", partOfSpeech, textStart};
}

std::size_t indentation(std::u32string_view line)
{
    std::size_t n = 0;
    while (n < line.size() && isSpace(line[n]))
        ++n;
    return n;
}

// The definition's paragraphs and senses, each on one line.
struct Piece {
    SenseMarker marker;
    std::u32string text;
};

std::vector<Piece> prosePieces(const Article &article)
{
    std::vector<Piece> pieces;
    std::size_t previousWidth = 0;
    bool paragraphEnded = false;
    for (const std::u32string &line : article.body) {
        const std::u32string text = collapseSpaces(line);
        if (text.empty()) {
            paragraphEnded = true;
            continue;
        }
        if (isSourceNote(text))
            continue;
        SenseMarker marker = senseMarker(text);
        const bool continues = !pieces.empty() && !paragraphEnded && marker.number.empty() &&
                               (indentation(line) > 0 || previousWidth >= WrappedWidth);
        if (continues) {
            pieces.back().text += U' ';
            pieces.back().text += text;
        } else if (marker.number.empty()) {
            pieces.push_back({{}, labelInParentheses(text)});
        } else {
            const std::size_t textStart = marker.textStart;
            pieces.push_back({std::move(marker), labelInParentheses(trim(std::u32string_view(text).substr(textStart)))});
        }
        previousWidth = line.size();
        paragraphEnded = false;
    }
    if (article.bodyStartsOnHeadLine && !pieces.empty())
        pieces.front().text = dropEtymologies(pieces.front().text);
    for (Piece &piece : pieces)
        piece.text = collapseSpaces(dropBraces(piece.text));
    return pieces;
}

} // namespace

std::u32string flattenProse(const Article &article)
{
    std::vector<std::u32string> texts;
    for (const Piece &piece : prosePieces(article)) {
        std::u32string marker = piece.marker.number;
        if (!piece.marker.partOfSpeech.empty())
            marker = U"(" + piece.marker.partOfSpeech + U") " + marker;
        texts.push_back(marker.empty() || piece.text.empty() ? marker + piece.text : marker + U' ' + piece.text);
    }
    std::u32string definition = joinPieces(texts);
    if (!definition.empty() && !article.partOfSpeech.empty())
        definition = U"(" + article.partOfSpeech + U") " + definition;
    return definition;
}

std::vector<ProseSense> proseSenses(const Article &article)
{
    std::vector<ProseSense> senses;
    std::vector<std::u32string> texts;
    auto close = [&] {
        if (!senses.empty())
            senses.back().text = joinPieces(texts);
        texts.clear();
    };
    std::u32string partOfSpeech = article.partOfSpeech; // WordNet's "n 1:" holds for the senses after it
    for (const Piece &piece : prosePieces(article)) {
        if (senses.empty() || !piece.marker.number.empty()) {
            close();
            if (!piece.marker.partOfSpeech.empty())
                partOfSpeech = piece.marker.partOfSpeech;
            senses.push_back({partOfSpeech, {}});
        }
        texts.push_back(piece.text);
    }
    close();
    std::erase_if(senses, [](const ProseSense &sense) { return sense.text.empty(); });
    return senses;
}

} // namespace zelvora::dictd
