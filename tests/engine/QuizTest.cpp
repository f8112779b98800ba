// The quiz's item bank and questions: the sample against its step-by-step
// reading (the thinning by size and by name with it), the draws that never
// ask a term twice and always end, and where the answers go.

#include "Equivalence.h"
#include "TempFile.h"

#include "dictionary/FileError.h"
#include "quiz/ItemBank.h"
#include "quiz/QuizQuestion.h"
#include "reference/QuizStepByStep.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

using zelvora::QuizItem;
using Items = std::vector<QuizItem>;

namespace {

// Hands out the given draws in turn, then 0; counts the calls.
struct FixedDraws {
    std::deque<std::size_t> draws;
    std::size_t calls = 0;

    zelvora::RandomSource source()
    {
        return [this](std::size_t count) {
            ++calls;
            std::size_t value = 0;
            if (!draws.empty()) {
                value = draws.front();
                draws.pop_front();
            }
            EXPECT_LT(value, count);
            return value;
        };
    }
};

// The terms of the items.
std::vector<std::string> termsOf(const Items &items)
{
    std::vector<std::string> terms;
    for (const QuizItem &item : items)
        terms.push_back(item.question);
    return terms;
}

Items itemsNamed(const std::vector<std::string> &terms)
{
    Items items;
    for (const std::string &term : terms)
        items.push_back({term, "def " + term});
    return items;
}

} // namespace

TEST(QuizSample, MatchesTheStepByStepReading)
{
    Rng rng(11);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> lines;
        for (int i = number(rng, 0, 260); i > 0; --i) {
            lines.push_back(chance(rng, 0.05) ? "" : "T" + std::to_string(i));
            lines.push_back(chance(rng, 0.05) ? "" : "d" + std::to_string(i));
        }
        const TempFile file(dictionaryBytes(rng, lines, "OLTRE"));
        const std::size_t counts[] = {lines.size() / 2, 20, 21, 100, 101, 1001, 5001, 10001, 20001, 40001, 80001};
        const std::size_t entryCount = counts[static_cast<std::size_t>(number(rng, 0, 10))];
        const std::string names[] = {"x.txt", "inglese_italiano.txt", "INGLESE_ITALIANO.TXT"};
        const std::string &name = names[static_cast<std::size_t>(number(rng, 0, 2))];
        const auto firstDraw = static_cast<std::size_t>(number(rng, 0, 4));

        FixedDraws random{{firstDraw}};
        const Items sample =
            zelvora::readSample(file.path(), name, entryCount, random.source(), bufferSizeFor(round));
        std::vector<std::pair<std::string, std::string>> engine;
        for (const QuizItem &item : sample)
            engine.emplace_back(item.question, item.answer);
        ASSERT_EQ(engine, zelvora::reference::quizSample(file.path(), name, entryCount, firstDraw)) << round;
        ASSERT_EQ(random.calls, entryCount > 20 ? 1u : 0u);
    }
}

TEST(QuizSample, AnEmptyFileGivesNoItemsAndAMissingOneThrows)
{
    const TempFile empty("");
    FixedDraws random;
    EXPECT_TRUE(zelvora::readSample(empty.path(), "x.txt", 1, random.source()).empty());
    EXPECT_THROW(zelvora::readSample(TempFile::missingPath(), "x.txt", 1, random.source()), zelvora::FileError);
}

TEST(QuizDraw, DrawsEveryUnaskedItemInTheOrderDrawn)
{
    const Items sample = itemsNamed({"A", "B", "C", "D"});
    zelvora::AskedTerms asked;
    FixedDraws random{{3, 0, 1, 0}};
    EXPECT_EQ(termsOf(zelvora::drawQuestionSet(sample, asked, random.source())),
              (std::vector<std::string>{"D", "B", "A", "C"}));
    EXPECT_EQ(asked.size(), 4u);
}

TEST(QuizDraw, NeverAsksATermTwiceIgnoringCase)
{
    std::vector<std::string> terms;
    for (int k = 0; k < 40; ++k)
        terms.push_back("T" + std::to_string(k));
    Items sample = itemsNamed(terms);
    zelvora::AskedTerms asked;
    FixedDraws random;
    const Items first = zelvora::drawQuestionSet(sample, asked, random.source());
    EXPECT_EQ(first.size(), zelvora::QuestionSetSize);
    // The same terms in small letters, accented ones too, count as asked.
    for (QuizItem &item : sample)
        item.question[0] = 't';
    asked.add("CITT\xC0");
    sample.push_back({"citt\xE0", "city"});
    const Items second = zelvora::drawQuestionSet(sample, asked, random.source());
    const Items third = zelvora::drawQuestionSet(sample, asked, random.source());
    EXPECT_EQ(second.size(), 16u);
    EXPECT_EQ(third.size(), 8u);
    std::set<std::string> everyTerm;
    for (const Items *set : {&first, &second, &third})
        for (const QuizItem &item : *set)
            everyTerm.insert(item.question.substr(1));
    EXPECT_EQ(everyTerm.size(), 40u);
    EXPECT_TRUE(zelvora::drawQuestionSet(sample, asked, random.source()).empty());
}

TEST(QuizDraw, EndsOnEveryDegenerateSample)
{
    // Empty; everything asked; one term over and over in other cases; asked and unasked mixed.
    zelvora::AskedTerms asked;
    asked.add("ASKED");
    const std::pair<Items, std::size_t> samples[] = {
        {{}, 0},
        {itemsNamed({"asked", "Asked"}), 0},
        {itemsNamed({"Uno", "UNO", "uno", "UnO"}), 1},
        {itemsNamed({"asked", "X", "x", "ASKED"}), 1},
    };
    for (const auto &[sample, expected] : samples) {
        FixedDraws random;
        EXPECT_EQ(zelvora::drawQuestionSet(sample, asked, random.source()).size(), expected);
        EXPECT_LE(random.calls, sample.size());
    }
}

TEST(QuizQuestion, TheWrongAnswerIsALaterItemsOrTheQuestionItself)
{
    std::vector<std::string> terms;
    for (int k = 0; k < 16; ++k)
        terms.push_back("Q" + std::to_string(k));
    const Items set = itemsNamed(terms);
    FixedDraws random;
    // Question index i: the answers of items 9, 5, 3 and 1 places on, then the question line.
    const std::pair<std::size_t, std::string> wrong[] = {
        {0, "def Q9"}, {12, "def Q15"}, {20, "def Q15"}, {24, "def Q15"}, {28, "def Q15"}, {30, "Q15"},
    };
    for (const auto &[index, expected] : wrong) {
        const zelvora::QuizQuestion question = zelvora::questionAt(set, index, random.source());
        EXPECT_EQ(question.question, set[index / 2].question);
        EXPECT_EQ(question.upper, set[index / 2].answer);
        EXPECT_EQ(question.correctAnswer, set[index / 2].answer);
        EXPECT_EQ(question.lower, expected) << index;
    }
    // The right answer goes above for the draws 0 to 10 of 21, below for 11 to 20.
    random.draws = {10, 11, 20};
    EXPECT_EQ(zelvora::questionAt(set, 2, random.source()).upper, "def Q1");
    EXPECT_EQ(zelvora::questionAt(set, 2, random.source()).lower, "def Q1");
    EXPECT_EQ(zelvora::questionAt(set, 2, random.source()).upper, "def Q10");
    // Nothing to ask: everything is empty.
    const zelvora::QuizQuestion none = zelvora::questionAt({}, 0, random.source());
    EXPECT_EQ(none.question + none.upper + none.lower + none.correctAnswer, "");
}
