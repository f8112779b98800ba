#include "import/Article.h"

#include "import/Headword.h"
#include "import/Markup.h"
#include "import/Text.h"

#include <algorithm>
#include <cstddef>

namespace zelvora::dictd {

namespace {

std::size_t longestKeyMatch(std::u32string_view line, const std::vector<std::u32string> &keys)
{
    std::size_t best = 0;
    for (const std::u32string &key : keys)
        best = std::max(best, matchKeyPrefix(line, key));
    return best;
}

// A line at the left margin that is nothing but another key of the definition.
bool isMoreHeadwordLine(std::u32string_view line, const std::vector<std::u32string> &keys)
{
    if (line.empty() || isSpace(line.front()))
        return false;
    const std::u32string_view trimmed = trim(line);
    return longestKeyMatch(trimmed, keys) == trimmed.size();
}

// FreeDict's first line is always the headword, then "/pronunciation/" and
// "<part of speech>"; its index keys are not always the whole headword ("a"
// for "a buon mercato").
std::size_t freeDictHeadwordLength(std::u32string_view line)
{
    std::size_t end = line.find(U'<');
    end = std::min(end, line.find(U" /"));
    end = std::min(end, line.size());
    while (end > 0 && isSpace(line[end - 1]))
        --end;
    return end;
}

} // namespace

Article parseArticle(std::u32string_view text, const std::vector<std::u32string> &keys, Layout layout)
{
    Article article;
    const std::u32string converted = convertBracketAccents(text);
    article.bracketAccents = converted.size() != text.size();
    std::vector<std::u32string> lines = splitLines(converted);
    std::size_t next = 0;
    while (next < lines.size() && trim(lines[next]).empty())
        ++next;
    if (next == lines.size())
        return article;

    const std::u32string &first = lines[next];
    const std::size_t headLength = layout == Layout::FreeDict ? freeDictHeadwordLength(first) : longestKeyMatch(first, keys);
    if (headLength == 0) {
        article.body.assign(lines.begin() + static_cast<std::ptrdiff_t>(next), lines.end());
        return article;
    }
    ++next;
    article.headword = collapseSpaces(std::u32string_view(first).substr(0, headLength));
    const std::u32string_view trailer = std::u32string_view(first).substr(headLength);
    const HeadTrailer parts = layout == Layout::FreeDict ? splitFreeDictTrailer(trailer) : splitProseTrailer(trailer);
    article.partOfSpeech = parts.partOfSpeech;
    if (!trim(parts.rest).empty()) {
        // Kept at its column, so that the line's width still tells whether the next line continues it.
        article.body.push_back(std::u32string(first.size() - std::min(first.size(), parts.rest.size()), U' ') + parts.rest);
        article.bodyStartsOnHeadLine = true;
    }

    if (layout == Layout::Prose && !article.bodyStartsOnHeadLine) {
        while (next < lines.size() && isMoreHeadwordLine(lines[next], keys))
            article.moreHeadwords.push_back(std::u32string(trim(lines[next++])));
        for (int extra = 0; extra < 2 && next < lines.size(); ++extra) {
            const std::u32string_view line = trim(lines[next]);
            if (!line.empty() && line.front() == U'/' && trim(splitProseTrailer(line).rest).empty()) {
                // Pronunciations, maybe with the part of speech: "/a'bend/, /@'bend/, n."
                if (article.partOfSpeech.empty())
                    article.partOfSpeech = splitProseTrailer(line).partOfSpeech;
                ++next;
            } else if (article.partOfSpeech.empty() && isPartOfSpeechLine(lines[next])) {
                article.partOfSpeech = collapseSpaces(lines[next++]);
            } else {
                break;
            }
        }
    }
    article.body.insert(article.body.end(), lines.begin() + static_cast<std::ptrdiff_t>(next), lines.end());
    return article;
}

std::u32string spellingOf(const Article &article, const std::u32string &key)
{
    const std::string wanted = foldForMatching(key);
    if (!article.headword.empty() && foldForMatching(article.headword) == wanted)
        return article.headword;
    for (const std::u32string &headword : article.moreHeadwords)
        if (foldForMatching(headword) == wanted)
            return headword;
    // A term the definition mentions: "Édition de luxe" in GCIDE's entry for "Luxe", keyed "'Edition de luxe".
    const std::size_t marks = closingMarks(key);
    for (const std::u32string &line : article.body) {
        for (std::size_t start = 0; start < line.size(); ++start) {
            if (start > 0 && !isSpace(line[start - 1]) && line[start - 1] != U'{' && line[start - 1] != U'(')
                continue;
            if (foldForMatching(std::u32string_view(line).substr(start, 1)).empty())
                continue; // a spelling starts with a letter or digit
            if (const std::size_t length = matchFoldedPrefix(std::u32string_view(line).substr(start), wanted, marks))
                return std::u32string(line.substr(start, length));
        }
    }
    return key;
}

} // namespace zelvora::dictd
