// The word searches on generated data: the searches over a catalogue of ten
// dictionaries (1,000,000 entries in all) against grep -c -F over the same
// files, and the anagram, rhyme and palindrome searches on a 200,000-entry
// dictionary against plain reads of it.

#include "GeneratedDictionary.h"
#include "Reading.h"

#include "search/DictionarySearches.h"
#include "search/WordGames.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

constexpr std::size_t Dictionaries = 10;
constexpr std::size_t EntriesEach = 100'000;
constexpr std::size_t SingleEntries = 200'000;
const std::string SubstringText = "ABCD";
const std::string AbsentTerm = "ZZZZZZZZZZZZZ";

// Ten dictionaries written once into a folder removed at exit.
const std::vector<zelvora::ListedDictionary> &catalogue()
{
    static const struct Catalogue {
        std::filesystem::path folder = std::filesystem::temp_directory_path() / "zelvora-bench-catalogue";
        std::vector<zelvora::ListedDictionary> list;
        Catalogue()
        {
            std::filesystem::create_directories(folder);
            for (std::size_t i = 0; i < Dictionaries; ++i) {
                const std::string name = "dizionario" + std::to_string(i) + ".txt";
                const std::string path = (folder / name).string();
                zelvora::bench::writeDictionary(path, EntriesEach, static_cast<unsigned>(1000 + i));
                list.push_back({name, path});
            }
        }
        ~Catalogue() { std::filesystem::remove_all(folder); }
    } made;
    return made.list;
}

std::string grepCommand(const std::string &text)
{
    std::string command = "grep -c -F '" + text + "'";
    for (const zelvora::ListedDictionary &dictionary : catalogue())
        command += " '" + dictionary.path + "'";
    return command + " > /dev/null";
}

void BM_SubstringAllDictionaries(benchmark::State &state)
{
    const auto &list = catalogue();
    for (auto _ : state) {
        zelvora::SearchRun run;
        zelvora::searchSubstringInList(list, SubstringText, zelvora::Language::Italian, run);
        benchmark::DoNotOptimize(run.lines.data());
    }
}

void BM_WholeWordAllDictionaries(benchmark::State &state)
{
    const auto &list = catalogue();
    for (auto _ : state) {
        zelvora::SearchRun run;
        run.state.termBox = AbsentTerm;
        zelvora::searchWholeWord(list, zelvora::Language::Italian, run);
        benchmark::DoNotOptimize(run.lines.data());
    }
}

void grep(benchmark::State &state, const std::string &text)
{
    const std::string command = grepCommand(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(std::system(command.c_str()));
}

void BM_GrepSubstring(benchmark::State &state) { grep(state, SubstringText); }
void BM_GrepWholeWord(benchmark::State &state) { grep(state, AbsentTerm); }

const std::string &single()
{
    return zelvora::bench::generatedDictionary(SingleEntries);
}

void BM_Anagrams(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(zelvora::findAnagrams(single(), "ROMA").steps);
}

void BM_Rhymes(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(zelvora::findRhymes(single(), "ARE").steps);
}

void BM_Palindromes(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(zelvora::findPalindromes(single()).steps);
}

void BM_PlainReadSingle(benchmark::State &state)
{
    std::vector<char> buffer(1 << 20);
    for (auto _ : state)
        benchmark::DoNotOptimize(zelvora::bench::readWithPlainRead(single(), buffer));
}

void BM_ReadLinesSingle(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(zelvora::bench::readEveryLine(single()));
}

} // namespace

BENCHMARK(BM_SubstringAllDictionaries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrepSubstring)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WholeWordAllDictionaries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrepWholeWord)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Anagrams)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rhymes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Palindromes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainReadSingle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLinesSingle)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
