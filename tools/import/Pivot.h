#pragma once

#include "import/Entry.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zelvora::dictd {

// Translations found through third languages: the terms' translations into a
// third language, and those words' translations into the wanted one. A
// translation that two or more third languages lead to is sound enough to
// show; how many do is what it weighs.
class Pivot {
public:
    // `language` names the third language ("fin"); `term` is in the terms' language.
    void addFirst(const std::string &language, std::u32string_view term, std::u32string_view word);
    // `word` is in the third language, `translation` in the wanted one.
    void addSecond(const std::string &language, std::u32string_view word, std::u32string_view translation);

    bool empty() const { return first_.empty() || second_.empty(); }

    // How many third languages lead from `term` (in capitals, Windows-1252) to
    // `item` (an itemKey); 0 when none does.
    int agreement(const std::string &term, const std::string &item);
    // The most languages that lead from `term` to any one translation.
    int strongest(const std::string &term);

    // A Via entry for each term that some translation reaches through
    // `minimumLanguages` languages or more: those translations, the most agreed
    // first, at most `mostItems`, marked with the languages.
    std::vector<Entry> entries(std::size_t minimumLanguages = 2, std::size_t mostItems = 6);

private:
    struct Candidate {
        std::string spelling; // Windows-1252
        std::vector<std::string> languages;
    };
    void resolve();

    std::unordered_map<std::string, std::vector<std::string>> first_;  // term to "language\tword" keys
    std::vector<std::string> terms_;                                   // in the order they came
    std::unordered_map<std::string, std::vector<std::u32string>> second_; // "language\tword" to translations
    bool resolved_ = false;
    std::unordered_map<std::string, std::vector<Candidate>> candidates_; // term to its candidates, in the order found
};

// The third language of a FreeDict dictionary named "freedict-ita-fin":
// "fin" when it is the second of the name's languages (`second`), else "ita";
// the name itself when it has no languages in it.
std::string thirdLanguage(const std::string &name, bool second);

} // namespace zelvora::dictd
