#pragma once

#include "quiz/ItemBank.h"
#include "quiz/RandomSource.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zelvora {

// A question set read as lines: the question of item k is line 2k, its answer
// line 2k + 1; a line past the end is empty.
const std::string &questionSetLine(const std::vector<QuizItem> &set, std::size_t line);

// A question as the quiz shows it: the term and the two answers, upper and lower.
struct QuizQuestion {
    std::string question;
    std::string upper;
    std::string lower;
    std::string correctAnswer;
};

// The question at line `index` of the set. The right answer is line index + 1;
// the wrong one the first non-empty of lines index + 19, + 11, + 7 and + 3 (the
// answers of the items 9, 5, 3 and 1 places on) and, when none is, the question
// itself. The right answer goes in the upper box for 11 draws of 21.
QuizQuestion questionAt(const std::vector<QuizItem> &set, std::size_t index, const RandomSource &random);

} // namespace zelvora
