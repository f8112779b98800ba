#include "quiz/ItemBank.h"

#include "dictionary/UpperCase.h"

#include <numeric>
#include <utility>

namespace zelvora {

namespace {

constexpr std::size_t ThinnestSampleEntries = 20;
constexpr std::size_t LeadingEntriesDrawn = 5;
constexpr std::size_t EnglishItalianExtraLines = 200;

struct ThinningStep {
    std::size_t above;
    std::size_t lines;
};
constexpr ThinningStep Thinning[] = {
    {100, 2}, {1000, 2}, {5000, 4}, {10000, 4}, {20000, 8}, {40000, 8}, {80000, 8},
};

void skipLines(LineReader &reader, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        reader.skipLine();
}

} // namespace

std::size_t linesSkippedPerEntry(std::size_t entryCount, std::string_view dictionaryName)
{
    std::size_t lines = 0;
    for (const ThinningStep &step : Thinning)
        if (entryCount > step.above)
            lines += step.lines;
    if (dictionaryName == EnglishItalianDictionaryName)
        lines += EnglishItalianExtraLines;
    return lines;
}

std::vector<QuizItem> readSample(const std::string &path, std::string_view dictionaryName, std::size_t entryCount,
                                 const RandomSource &random, std::size_t bufferSize)
{
    LineReader reader(path, bufferSize);
    const std::size_t skipped = linesSkippedPerEntry(entryCount, dictionaryName);
    if (entryCount > ThinnestSampleEntries)
        skipLines(reader, 2 * (random(LeadingEntriesDrawn) + 1));
    std::vector<QuizItem> sample;
    do {
        skipLines(reader, skipped);
        const auto askable = [](std::string_view line) { return !line.empty() && line.size() <= LongestQuizLine; };
        const std::string_view term = reader.readLineView();
        std::string question(askable(term) ? term : std::string_view());
        const std::string_view answer = reader.readLineView();
        if (!question.empty() && askable(answer))
            sample.push_back({std::move(question), std::string(answer)});
    } while (!reader.atEnd());
    return sample;
}

bool AskedTerms::contains(std::string_view term) const
{
    return folded_.contains(toUpperFull(term));
}

void AskedTerms::add(std::string_view term)
{
    folded_.insert(toUpperFull(term));
}

std::vector<QuizItem> drawQuestionSet(const std::vector<QuizItem> &sample, AskedTerms &asked,
                                      const RandomSource &random)
{
    // The items not drawn yet, the first of the sample last. A drawn item
    // leaves them, asked already or taken, so every draw takes one out and the
    // loop ends; only the items drawn are ever compared with the asked terms.
    std::vector<std::size_t> open(sample.size());
    std::iota(open.rbegin(), open.rend(), std::size_t{0});
    std::vector<QuizItem> set;
    while (set.size() < QuestionSetSize && !open.empty()) {
        const std::size_t at = open.size() - 1 - random(open.size());
        const QuizItem &item = sample[open[at]];
        open[at] = open.back();
        open.pop_back();
        if (asked.contains(item.question))
            continue;
        asked.add(item.question);
        set.push_back(item);
    }
    return set;
}

} // namespace zelvora
