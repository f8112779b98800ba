// The dictionary engine on a generated 200,000-entry dictionary, against one
// plain read of the same file.

#include "GeneratedDictionary.h"
#include "Reading.h"

#include "dictionary/Dictionary.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

namespace {

constexpr std::size_t Entries = 200'000;

// Written on first use, outside every timed loop.
const std::string &dictionary()
{
    return zelvora::bench::generatedDictionary(Entries);
}

void countBytes(benchmark::State &state, const std::string &path)
{
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

void BM_PlainRead(benchmark::State &state)
{
    const std::string &path = dictionary();
    std::vector<char> buffer(1 << 20);
    for (auto _ : state)
        benchmark::DoNotOptimize(zelvora::bench::readWithPlainRead(path, buffer));
    countBytes(state, path);
}

void BM_LineReaderReadLines(benchmark::State &state)
{
    const std::string &path = dictionary();
    for (auto _ : state)
        benchmark::DoNotOptimize(zelvora::bench::readEveryLine(path));
    countBytes(state, path);
}

void BM_CountEntries(benchmark::State &state)
{
    const std::string &path = dictionary();
    for (auto _ : state)
        benchmark::DoNotOptimize(zelvora::countEntries(path));
    countBytes(state, path);
}

void BM_ReadTermsKeep(benchmark::State &state)
{
    const std::string &path = dictionary();
    for (auto _ : state) {
        std::vector<std::string> terms;
        zelvora::readTerms(path, zelvora::TermRepeats::Keep, terms);
        benchmark::DoNotOptimize(terms.data());
    }
    countBytes(state, path);
}

} // namespace

BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LineReaderReadLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountEntries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTermsKeep)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
