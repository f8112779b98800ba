#pragma once

#include "dictionary/LineReader.h"
#include "quiz/RandomSource.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace zelvora {

// One question of the quiz: a term line of a dictionary and the definition line after it.
struct QuizItem {
    std::string question;
    std::string answer;

    bool operator==(const QuizItem &) const = default;
};

// The English-Italian dictionary, which the quiz thins more than any other.
inline constexpr std::string_view EnglishItalianDictionaryName = "inglese_italiano.txt";

// At most this many items make a question set.
inline constexpr std::size_t QuestionSetSize = 16;

// The lines passed over before each entry the sample keeps, for a dictionary
// whose term list holds `entryCount` items: one entry kept in 1, 2, 3, 5, 7, 11,
// 15 or 19 as the dictionary passes 100, 1000, 5000, 10000, 20000, 40000 and
// 80000 entries, and 100 entries more for the English-Italian dictionary named
// exactly so.
std::size_t linesSkippedPerEntry(std::size_t entryCount, std::string_view dictionaryName);

// The longest term or definition the quiz asks or offers: no box shows a longer one.
inline constexpr std::size_t LongestQuizLine = 1 << 16;

// The sample a question set is drawn from, read in one pass: above 20 entries
// the first 1 to 5 entries are left out (one draw of 5, which also passes over
// the header pair), then the file is thinned as above. An entry whose term or
// definition is empty, or longer than LongestQuizLine, is left out whole, so
// the pairs never shift. Throws FileError.
std::vector<QuizItem> readSample(const std::string &path, std::string_view dictionaryName, std::size_t entryCount,
                                 const RandomSource &random, std::size_t bufferSize = DefaultBufferSize);

// The terms asked since the program started. Capitals and small letters are the
// same term, for every letter of Windows-1252 that has both (the upper-case
// conversion of the term box): a term asked as CASA is asked as casa or Casa too.
class AskedTerms {
public:
    bool contains(std::string_view term) const;
    void add(std::string_view term);
    std::size_t size() const { return folded_.size(); }

private:
    std::unordered_set<std::string> folded_;
};

// Draws a question set: items of the sample whose term was never asked, each
// uniform over those still unasked, until 16 are drawn or none is left; their
// terms become asked. The set is in the order of drawing. Each draw is one call
// of `random` over the items not drawn yet, 0 being the first of them in sample
// order; a drawn item whose term is asked already is passed over.
std::vector<QuizItem> drawQuestionSet(const std::vector<QuizItem> &sample, AskedTerms &asked,
                                      const RandomSource &random);

} // namespace zelvora
