#include "import/FreeDictSenses.h"

#include "import/Markup.h"
#include "import/Text.h"

#include <algorithm>
#include <cstddef>

namespace zelvora::dictd {

namespace {

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// The digits of a "12." at the start of `text` followed by a space or the end; empty when none.
std::u32string leadingNumber(std::u32string_view text)
{
    std::size_t n = 0;
    while (n < text.size() && n < 3 && isDigit(text[n]))
        ++n;
    if (n == 0 || n >= text.size() || text[n] != U'.' || (n + 1 < text.size() && text[n + 1] != U' '))
        return {};
    return std::u32string(text.substr(0, n));
}

// The digits of a " 12." that ends `text`; empty when none.
std::u32string trailingNumber(std::u32string_view text)
{
    if (text.size() < 3 || text.back() != U'.')
        return {};
    std::size_t start = text.size() - 1;
    while (start > 0 && isDigit(text[start - 1]) && text.size() - 1 - start < 3)
        --start;
    if (start == text.size() - 1 || start == 0 || text[start - 1] != U' ')
        return {};
    return std::u32string(text.substr(start, text.size() - 1 - start));
}

std::u32string withoutParentheses(std::u32string_view text)
{
    std::u32string result;
    int depth = 0;
    for (const char32_t c : text) {
        if (c == U'(')
            ++depth;
        else if (c == U')' && depth > 0)
            --depth;
        else if (depth == 0)
            result.push_back(c);
    }
    return collapseSpaces(result);
}

bool isWhollyParenthesised(std::u32string_view text)
{
    return text.size() >= 2 && text.front() == U'(' && text.back() == U')' &&
           text.substr(1, text.size() - 2).find_first_of(U"()") == std::u32string_view::npos;
}

void addOnce(std::vector<std::u32string> &list, std::u32string item)
{
    if (!item.empty() && std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(std::move(item));
}

std::u32string withPartOfSpeech(const Article &article, std::u32string definition)
{
    if (definition.empty() || article.partOfSpeech.empty())
        return definition;
    return U"(" + article.partOfSpeech + U") " + definition;
}

} // namespace

std::vector<Sense> freeDictSenses(const std::vector<std::u32string> &body)
{
    std::vector<Sense> senses;
    bool translationDue = false;
    for (const std::u32string &line : body) {
        std::u32string text = collapseSpaces(dropBraces(line));
        if (text.empty())
            continue;
        if (std::u32string number = leadingNumber(text); !number.empty()) {
            text = collapseSpaces(std::u32string_view(text).substr(number.size() + 1));
            senses.push_back(Sense{std::move(number), {}, {}});
            translationDue = !text.empty();
            if (text.empty())
                continue;
        } else if (senses.empty()) {
            senses.emplace_back();
            translationDue = true;
        }
        const std::u32string next = trailingNumber(text);
        if (!next.empty())
            text = collapseSpaces(std::u32string_view(text).substr(0, text.size() - next.size() - 1));
        if (translationDue)
            senses.back().translations = text;
        else if (!text.empty())
            senses.back().notes.push_back(text);
        translationDue = false;
        if (!next.empty())
            senses.push_back(Sense{next, {}, {}});
    }
    return senses;
}

std::vector<std::u32string> splitTranslations(std::u32string_view line)
{
    std::vector<std::u32string> translations;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        const char32_t c = i < line.size() ? line[i] : U',';
        if (c == U'(')
            ++depth;
        else if (c == U')' && depth > 0)
            --depth;
        else if ((c == U',' || c == U';') && depth == 0) {
            addOnce(translations, withoutParentheses(line.substr(start, i - start)));
            start = i + 1;
        }
    }
    return translations;
}

std::u32string flattenFreeDict(const Article &article)
{
    std::vector<Sense> senses = freeDictSenses(article.body);
    // WikDict leaves the first sense's number out when the second's ends its line ("casa 2.").
    if (senses.size() > 1 && senses.front().number.empty() && senses[1].number == std::u32string_view(U"2"))
        senses.front().number.assign(1, U'1');
    std::vector<std::u32string> pieces;
    for (const Sense &sense : senses) {
        std::vector<std::u32string> notes;
        for (const std::u32string &note : sense.notes)
            notes.push_back(isWhollyParenthesised(note) ? note.substr(1, note.size() - 2) : note);
        std::u32string text = sense.translations;
        if (!notes.empty()) {
            std::u32string joined;
            for (const std::u32string &note : notes)
                joined += (joined.empty() ? U"" : U"; ") + note;
            text += (text.empty() ? U"(" : U" (") + joined + U")";
        }
        if (text.empty())
            continue;
        pieces.push_back(sense.number.empty() ? text : sense.number + U". " + text);
    }
    return withPartOfSpeech(article, joinPieces(pieces));
}

std::vector<std::u32string> glossesOf(const Article &article)
{
    std::vector<std::u32string> glosses;
    for (const Sense &sense : freeDictSenses(article.body))
        for (const std::u32string &note : sense.notes)
            if (!isWhollyParenthesised(note))
                addOnce(glosses, note);
    return glosses;
}

std::vector<std::u32string> translationsOf(const Article &article)
{
    std::vector<std::u32string> translations;
    for (const Sense &sense : freeDictSenses(article.body))
        for (std::u32string &translation : splitTranslations(sense.translations))
            addOnce(translations, std::move(translation));
    return translations;
}

} // namespace zelvora::dictd
