#include "quiz/QuizQuestion.h"

namespace zelvora {

namespace {
constexpr std::size_t WrongAnswerOffsets[] = {19, 11, 7, 3, 0};
constexpr std::size_t PlacesDrawn = 21;
constexpr std::size_t UpperPlaces = 11;
} // namespace

const std::string &questionSetLine(const std::vector<QuizItem> &set, std::size_t line)
{
    static const std::string empty;
    const std::size_t item = line / 2;
    if (item >= set.size())
        return empty;
    return line % 2 == 0 ? set[item].question : set[item].answer;
}

QuizQuestion questionAt(const std::vector<QuizItem> &set, std::size_t index, const RandomSource &random)
{
    const bool rightAbove = random(PlacesDrawn) < UpperPlaces;
    const std::string &right = questionSetLine(set, index + 1);
    std::string wrong;
    for (const std::size_t offset : WrongAnswerOffsets) {
        wrong = questionSetLine(set, index + offset);
        if (!wrong.empty())
            break;
    }
    QuizQuestion question{questionSetLine(set, index), {}, {}, right};
    question.upper = rightAbove ? right : wrong;
    question.lower = rightAbove ? wrong : right;
    return question;
}

} // namespace zelvora
