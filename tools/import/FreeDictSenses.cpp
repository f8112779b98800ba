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

} // namespace

std::vector<FreeDictSense> freeDictSenses(const std::vector<std::u32string> &body)
{
    std::vector<FreeDictSense> senses;
    bool translationDue = false;
    for (const std::u32string &line : body) {
        std::u32string text = collapseSpaces(dropBraces(line));
        if (text.empty())
            continue;
        if (std::u32string number = leadingNumber(text); !number.empty()) {
            text = collapseSpaces(std::u32string_view(text).substr(number.size() + 1));
            senses.push_back(FreeDictSense{std::move(number), {}, {}});
            translationDue = !text.empty();
            if (text.empty())
                continue;
        } else if (senses.empty()) {
            senses.emplace_back();
            translationDue = true;
        }
        if (const std::u32string stray = trailingNumber(text); !stray.empty() && translationDue)
            text = collapseSpaces(std::u32string_view(text).substr(0, text.size() - stray.size() - 1));
        if (translationDue)
            senses.back().translations = text;
        else if (!text.empty())
            senses.back().notes.push_back(text);
        translationDue = false;
    }
    return senses;
}

namespace {

// The pieces of a translations line between commas and semicolons outside parentheses.
template <typename Add>
void splitAtCommas(std::u32string_view line, Add &&add)
{
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        const char32_t c = i < line.size() ? line[i] : U',';
        if (c == U'(')
            ++depth;
        else if (c == U')' && depth > 0)
            --depth;
        else if ((c == U',' || c == U';') && depth == 0) {
            add(line.substr(start, i - start));
            start = i + 1;
        }
    }
}

} // namespace

std::vector<std::u32string> splitTranslations(std::u32string_view line)
{
    std::vector<std::u32string> translations;
    splitAtCommas(line, [&](std::u32string_view piece) { addOnce(translations, withoutParentheses(piece)); });
    return translations;
}

std::vector<std::u32string> splitItems(std::u32string_view line)
{
    std::vector<std::u32string> items;
    splitAtCommas(line, [&](std::u32string_view piece) { addOnce(items, collapseSpaces(piece)); });
    return items;
}

std::vector<TranslationSense> translationSenses(const Article &article)
{
    std::vector<TranslationSense> senses;
    for (const FreeDictSense &sense : freeDictSenses(article.body)) {
        TranslationSense translation{splitItems(sense.translations), {}};
        for (const std::u32string &note : sense.notes)
            translation.note += (translation.note.empty() ? U"" : U"; ") +
                                (isWhollyParenthesised(note) ? note.substr(1, note.size() - 2) : note);
        if (!translation.items.empty() || !translation.note.empty())
            senses.push_back(std::move(translation));
    }
    return senses;
}

std::vector<std::u32string> glossesOf(const Article &article)
{
    std::vector<std::u32string> glosses;
    for (const FreeDictSense &sense : freeDictSenses(article.body))
        for (const std::u32string &note : sense.notes)
            if (!isWhollyParenthesised(note))
                addOnce(glosses, note);
    return glosses;
}

std::vector<std::u32string> translationsOf(const Article &article)
{
    std::vector<std::u32string> translations;
    for (const FreeDictSense &sense : freeDictSenses(article.body))
        for (std::u32string &translation : splitTranslations(sense.translations))
            addOnce(translations, std::move(translation));
    return translations;
}

} // namespace zelvora::dictd
