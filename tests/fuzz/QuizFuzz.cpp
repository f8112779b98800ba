// The quiz's item bank: the sample against its step-by-step reading (the
// thinning by entry count, the English-Italian dictionary's, the entries left
// out at random first), through a buffer of 1 byte up to the default size;
// the draws of question sets, which never ask a term twice in any case of its
// letters and always end; and the questions made from a set.
//
// Input: two bytes of buffer size, three bytes of entry count, a byte of
// choices, then the draws (a byte each) and the dictionary's bytes, in parts.

#include "FuzzSupport.h"

#include "dictionary/UpperCase.h"
#include "quiz/ItemBank.h"
#include "quiz/QuizQuestion.h"
#include "reference/PlainText.h"
#include "reference/QuizStepByStep.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using zelvora::QuizItem;

namespace {

// Hands out the input's draws in turn (each taken modulo the count), then 0;
// checks what it is asked.
class Draws {
public:
    explicit Draws(std::string_view bytes) : bytes_(bytes) {}

    zelvora::RandomSource source()
    {
        return [this](std::size_t count) {
            fuzz::check(count >= 1, "a draw from nothing");
            ++calls_;
            const std::size_t value = next_ < bytes_.size() ? static_cast<unsigned char>(bytes_[next_++]) : 0;
            return value % count;
        };
    }
    std::size_t calls() const { return calls_; }

private:
    std::string_view bytes_;
    std::size_t next_ = 0;
    std::size_t calls_ = 0;
};

std::string folded(const std::string &term)
{
    return zelvora::reference::upperFull(term);
}

std::vector<QuizItem> checkDraw(const std::vector<QuizItem> &sample, zelvora::AskedTerms &asked,
                                std::set<std::string> &askedBefore, Draws &draws)
{
    std::set<std::string> unasked;
    for (const QuizItem &item : sample)
        if (!askedBefore.contains(folded(item.question)))
            unasked.insert(folded(item.question));
    const std::size_t callsBefore = draws.calls();
    const std::vector<QuizItem> set = zelvora::drawQuestionSet(sample, asked, draws.source());
    fuzz::check(draws.calls() - callsBefore <= sample.size(), "more draws than items");
    fuzz::expectSame(set.size(), std::min(unasked.size(), zelvora::QuestionSetSize), "items drawn");
    for (const QuizItem &item : set) {
        fuzz::check(std::find(sample.begin(), sample.end(), item) != sample.end(), "an item not in the sample");
        fuzz::check(askedBefore.insert(folded(item.question)).second,
                    "a term asked twice: \"" + fuzz::printable(item.question) + "\"");
        fuzz::check(asked.contains(item.question), "a term drawn is not asked");
    }
    fuzz::expectSame(asked.size(), askedBefore.size(), "terms asked");
    return set;
}

void checkQuestions(const std::vector<QuizItem> &set, Draws &draws)
{
    for (std::size_t index = 0; index < 2 * set.size(); index += 2) {
        const zelvora::QuizQuestion question = zelvora::questionAt(set, index, draws.source());
        const QuizItem &item = set[index / 2];
        fuzz::expectSame(question.question, item.question, "the question");
        fuzz::expectSame(question.correctAnswer, item.answer, "the right answer");
        fuzz::check(question.upper == item.answer || question.lower == item.answer, "the right answer is shown");
        // The wrong answer is a later item's answer or, with none, the question itself.
        const std::string &wrong = question.upper == item.answer ? question.lower : question.upper;
        bool later = wrong == item.question;
        for (std::size_t k = index / 2 + 1; k < set.size(); ++k)
            later = later || wrong == set[k].answer;
        fuzz::check(later, "the wrong answer is none of the later items'");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::size_t bufferSize = input.bufferSize();
    // Every size of the thinning's table: up to 131071 entries, small ones as often as large.
    const unsigned scale = input.byte();
    std::size_t entryCount = input.byte() << 8;
    entryCount = ((entryCount | input.byte()) >> scale % 12) + (scale & 0x80 ? 0x10000 : 0);
    const unsigned choices = input.byte();
    const std::string name = choices & 1 ? "inglese_italiano.txt" : choices & 2 ? "INGLESE_ITALIANO.TXT" : "d.txt";
    const std::string_view drawBytes = input.part();
    const std::string_view bytes = input.rest();
    const std::string path = fuzz::writeScratch(name, bytes);

    Draws draws(drawBytes);
    const std::vector<QuizItem> sample = zelvora::readSample(path, name, entryCount, draws.source(), bufferSize);
    fuzz::expectSame(draws.calls(), entryCount > 20 ? 1 : 0, "draws for the entries left out first");
    const std::size_t firstDraw = drawBytes.empty() ? 0 : static_cast<unsigned char>(drawBytes[0]) % 5;
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const QuizItem &item : sample)
        pairs.emplace_back(item.question, item.answer);
    fuzz::check(pairs == zelvora::reference::quizSample(path, name, entryCount, firstDraw), "the sample");

    // A term asked before in small letters, then two question sets in turn.
    zelvora::AskedTerms asked;
    std::set<std::string> askedBefore;
    if (choices & 4 && !sample.empty()) {
        std::string earlier = sample.back().question;
        for (char &c : earlier)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        asked.add(earlier);
        askedBefore.insert(folded(earlier));
    }
    for (int round = 0; round < 2; ++round)
        checkQuestions(checkDraw(sample, asked, askedBefore, draws), draws);
    return 0;
}
