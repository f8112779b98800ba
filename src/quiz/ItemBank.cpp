#include "quiz/ItemBank.h"

#include "dictionary/UpperCase.h"

#include <algorithm>
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
        std::string question(reader.readLineView());
        const std::string_view answer = reader.readLineView();
        if (!question.empty() && !answer.empty())
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
    // The items not asked yet, with their terms as they are compared.
    std::vector<std::pair<std::string, const QuizItem *>> open;
    for (const QuizItem &item : sample)
        if (!asked.contains(item.question))
            open.emplace_back(toUpperFull(item.question), &item);

    std::vector<QuizItem> set;
    while (set.size() < QuestionSetSize && !open.empty()) {
        const auto [term, item] = open[random(open.size())];
        asked.add(item->question);
        set.push_back(*item);
        std::erase_if(open, [&term](const auto &entry) { return entry.first == term; });
    }
    return set;
}

} // namespace zelvora
