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
// written as "2." or "(adj.) 1.", and where the sense's text starts; an
// empty marker when there is none.
std::pair<std::u32string, std::size_t> senseMarker(std::u32string_view line)
{
    std::u32string prefix;
    std::size_t at = 0;
    static const std::u32string_view WordNetParts[] = {U"n ", U"v ", U"adj ", U"adv "};
    for (const std::u32string_view part : WordNetParts) {
        if (startsWith(line, part)) {
            prefix = U"(" + shortPartOfSpeech(part) + U") ";
            at = part.size();
            break;
        }
    }
    const std::size_t digits = digitsAt(line, at);
    if (digits == 0 || digits > 2 || at + digits >= line.size())
        return {};
    const char32_t after = line[at + digits];
    const bool wordNetColon = !prefix.empty() && after == U':';
    if (!prefix.empty() && !wordNetColon)
        return {};
    if (after != U'.' && after != U':' && after != U')')
        return {};
    const std::size_t textStart = at + digits + 1;
    if (textStart < line.size() && !isSpace(line[textStart]))
        return {};
    return {prefix + std::u32string(line.substr(at, digits)) + U".", textStart};
}

std::size_t indentation(std::u32string_view line)
{
    std::size_t n = 0;
    while (n < line.size() && isSpace(line[n]))
        ++n;
    return n;
}

} // namespace

std::u32string flattenProse(const Article &article)
{
    std::vector<std::u32string> pieces;
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
        const auto [marker, textStart] = senseMarker(text);
        const bool continues = !pieces.empty() && !paragraphEnded && marker.empty() &&
                               (indentation(line) > 0 || previousWidth >= WrappedWidth);
        if (continues) {
            pieces.back() += U' ';
            pieces.back() += text;
        } else if (marker.empty()) {
            pieces.push_back(labelInParentheses(text));
        } else {
            const std::u32string rest = labelInParentheses(trim(std::u32string_view(text).substr(textStart)));
            pieces.push_back(rest.empty() ? marker : marker + U' ' + rest);
        }
        previousWidth = line.size();
        paragraphEnded = false;
    }
    if (article.bodyStartsOnHeadLine && !pieces.empty())
        pieces.front() = dropEtymologies(pieces.front());
    for (std::u32string &piece : pieces)
        piece = collapseSpaces(dropBraces(piece));

    std::u32string definition = joinPieces(pieces);
    if (!definition.empty() && !article.partOfSpeech.empty())
        definition = U"(" + article.partOfSpeech + U") " + definition;
    return definition;
}

} // namespace zelvora::dictd
