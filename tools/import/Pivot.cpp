#include "import/Pivot.h"

#include "dictionary/UpperCase.h"
#include "import/MergeTerms.h"
#include "import/Text.h"
#include "import/Transliterate.h"

#include <algorithm>

namespace zelvora::dictd {

namespace {

// Small letters for the scripts the third languages use, so that "Haus" meets "haus".
char32_t smallLetter(char32_t c)
{
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3A9) ||
        (c >= 0x410 && c <= 0x42F))
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    return c;
}

std::string wordKey(const std::string &language, std::u32string_view word)
{
    std::u32string small = collapseSpaces(word);
    for (char32_t &c : small)
        c = smallLetter(c);
    return language + '\t' + encodeUtf8(small);
}

// The Windows-1252 capitals of a term; empty when Windows-1252 cannot write it.
std::string termKey(std::u32string_view term)
{
    const Cp1252Text text = toCp1252(collapseSpaces(term));
    return text.questionMarks ? std::string() : toUpperFull(text.bytes);
}

} // namespace

void Pivot::addFirst(const std::string &language, std::u32string_view term, std::u32string_view word)
{
    const std::string key = termKey(term);
    if (key.empty() || word.empty())
        return;
    auto [found, added] = first_.try_emplace(key);
    if (added)
        terms_.push_back(key);
    std::string wordAt = wordKey(language, word);
    if (std::find(found->second.begin(), found->second.end(), wordAt) == found->second.end())
        found->second.push_back(std::move(wordAt));
    resolved_ = false;
}

void Pivot::addSecond(const std::string &language, std::u32string_view word, std::u32string_view translation)
{
    if (word.empty() || translation.empty())
        return;
    std::vector<std::u32string> &translations = second_[wordKey(language, word)];
    if (std::find(translations.begin(), translations.end(), translation) == translations.end())
        translations.emplace_back(translation);
    resolved_ = false;
}

void Pivot::resolve()
{
    if (resolved_)
        return;
    candidates_.clear();
    for (const std::string &term : terms_) {
        std::vector<Candidate> found;
        std::unordered_map<std::string, std::size_t> positions;
        for (const std::string &wordAt : first_[term]) {
            const auto translations = second_.find(wordAt);
            if (translations == second_.end())
                continue;
            const std::string language = wordAt.substr(0, wordAt.find('\t'));
            for (const std::u32string &translation : translations->second) {
                const Cp1252Text text = toCp1252(collapseSpaces(translation));
                const std::string key = itemKey(text.bytes);
                if (text.questionMarks || key.empty())
                    continue;
                const auto [at, added] = positions.try_emplace(key, found.size());
                if (added)
                    found.push_back({text.bytes, {}});
                std::vector<std::string> &languages = found[at->second].languages;
                if (std::find(languages.begin(), languages.end(), language) == languages.end())
                    languages.push_back(language);
            }
        }
        if (!found.empty())
            candidates_.emplace(term, std::move(found));
    }
    resolved_ = true;
}

int Pivot::agreement(const std::string &term, const std::string &item)
{
    resolve();
    const auto found = candidates_.find(term);
    if (found == candidates_.end())
        return 0;
    for (const Candidate &candidate : found->second)
        if (itemKey(candidate.spelling) == item)
            return static_cast<int>(candidate.languages.size());
    return 0;
}

int Pivot::strongest(const std::string &term)
{
    resolve();
    const auto found = candidates_.find(term);
    std::size_t most = 0;
    if (found != candidates_.end())
        for (const Candidate &candidate : found->second)
            most = std::max(most, candidate.languages.size());
    return static_cast<int>(most);
}

std::vector<Entry> Pivot::entries(std::size_t minimumLanguages, std::size_t mostItems)
{
    resolve();
    std::vector<Entry> entries;
    for (const std::string &term : terms_) {
        const auto found = candidates_.find(term);
        if (found == candidates_.end())
            continue;
        // A translation few languages give beside one that most give is a side meaning, or noise.
        const std::size_t wanted = std::max(minimumLanguages, static_cast<std::size_t>(strongest(term) + 2) / 3);
        std::vector<const Candidate *> agreed;
        for (const Candidate &candidate : found->second)
            if (candidate.languages.size() >= wanted)
                agreed.push_back(&candidate);
        if (agreed.empty())
            continue;
        std::stable_sort(agreed.begin(), agreed.end(),
                         [](const Candidate *a, const Candidate *b) { return a->languages.size() > b->languages.size(); });
        agreed.resize(std::min(agreed.size(), mostItems));
        Sense sense;
        std::vector<std::string> languages;
        for (const Candidate *candidate : agreed) {
            sense.items.push_back(candidate->spelling);
            for (const std::string &language : candidate->languages)
                if (std::find(languages.begin(), languages.end(), language) == languages.end())
                    languages.push_back(language);
        }
        std::sort(languages.begin(), languages.end());
        constexpr std::size_t MostNamed = 3;
        for (std::size_t i = 0; i < std::min(languages.size(), MostNamed); ++i)
            sense.via += (i ? ", " : "") + languages[i];
        if (languages.size() > MostNamed)
            sense.via += " +" + std::to_string(languages.size() - MostNamed);
        entries.push_back(Entry{term, Standing::Via, true, {std::move(sense)}, {}});
    }
    return entries;
}

std::string thirdLanguage(const std::string &name, bool second)
{
    // "freedict-ita-fin": the two languages after the last-but-one dash.
    const std::size_t last = name.rfind('-');
    const std::size_t before = last == std::string::npos || last == 0 ? std::string::npos : name.rfind('-', last - 1);
    if (before == std::string::npos)
        return name;
    return second ? name.substr(last + 1) : name.substr(before + 1, last - before - 1);
}

} // namespace zelvora::dictd
