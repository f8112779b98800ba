// Whole-text translation and the word list of a 10,000-word text against a
// generated 200,000-entry dictionary: the engine, the step-by-step reference
// (timed on the first 200 words; its cost grows linearly with the words), and
// plain reads of the dictionary for scale.

#include "GeneratedDictionary.h"
#include "GeneratedText.h"
#include "Reading.h"

#include "reference/StepByStep.h"
#include "translate/TextOperations.h"
#include "translate/WorkingText.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

constexpr std::size_t Entries = 200'000;
constexpr std::size_t TextWords = 10'000;
constexpr std::size_t ReferenceWords = 200;

const std::string &dictionary()
{
    return zelvora::bench::generatedDictionary(Entries);
}

std::vector<std::string> workingLines(std::size_t words)
{
    std::vector<std::string> lines;
    for (const std::string &line : zelvora::bench::generatedText(dictionary(), words))
        lines.push_back(zelvora::removePunctuation(line));
    return lines;
}

void engine(benchmark::State &state, zelvora::TextOperation operation)
{
    const std::vector<std::string> lines = workingLines(TextWords);
    for (auto _ : state) {
        const zelvora::TextRun run =
            zelvora::runTextOperation(operation, dictionary(), lines, zelvora::Language::Italian, {});
        benchmark::DoNotOptimize(run.lines.data());
    }
}

void BM_TranslateEngine(benchmark::State &state) { engine(state, zelvora::TextOperation::Translate); }
void BM_WordListEngine(benchmark::State &state) { engine(state, zelvora::TextOperation::WordList); }

void reference(benchmark::State &state, void (*operation)(zelvora::reference::Window &, const std::string &))
{
    const std::string workingFile = (std::filesystem::temp_directory_path() / "zelvora-bench-origine2.txt").string();
    zelvora::writeLines(workingFile, workingLines(ReferenceWords));
    for (auto _ : state) {
        zelvora::reference::Window window;
        window.currentDictPath = dictionary();
        operation(window, workingFile);
        benchmark::DoNotOptimize(window.pane.data());
    }
    std::filesystem::remove(workingFile);
}

void BM_TranslateReference200(benchmark::State &state) { reference(state, zelvora::reference::Button8Click); }
void BM_WordListReference200(benchmark::State &state) { reference(state, zelvora::reference::Button19Click); }

// One pass over the dictionary's lines, the way every operation reads a file.
void BM_ReadDictionaryLines(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(zelvora::bench::readEveryLine(dictionary()));
}

} // namespace

BENCHMARK(BM_TranslateEngine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordListEngine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranslateReference200)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_WordListReference200)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadDictionaryLines)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
