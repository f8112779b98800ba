// The lookups through base forms on the real data beside the program
// (ZELVORA_PROGRAM_FOLDER, build/src by default): the lexicon's load and a
// look-up of a form, and the whole-text translation of 10,000 words with the
// base forms off and on, for two texts: our everyday text (bench/texts)
// repeated, and forms drawn at random from the lexicon, nearly all of them
// inflected, the most work the base forms can give.

#include "dictionary/FileError.h"
#include "dictionary/LineReader.h"
#include "morphology/BaseFormLexicon.h"
#include "translate/TextOperations.h"
#include "translate/WorkingText.h"

#include <benchmark/benchmark.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>

namespace {

constexpr std::size_t TextWords = 10'000;
constexpr std::size_t WordsPerLine = 12;

std::string programFolder()
{
    const char *folder = std::getenv("ZELVORA_PROGRAM_FOLDER");
    return std::string(folder ? folder : ZELVORA_DEFAULT_PROGRAM_FOLDER) + "/";
}
std::string dictionary()
{
    return programFolder() + "dizionari/italiano_inglese.txt";
}
std::string lexiconPath()
{
    return programFolder() + zelvora::LexiconFileName;
}

const zelvora::BaseFormLexicon *lexicon()
{
    static const std::optional<zelvora::BaseFormLexicon> loaded = []() -> std::optional<zelvora::BaseFormLexicon> {
        try {
            return zelvora::BaseFormLexicon::load(lexiconPath());
        } catch (const zelvora::FileError &) {
            return std::nullopt;
        }
    }();
    return loaded ? &*loaded : nullptr;
}

// UTF-8 text in the Latin range as Windows-1252 bytes: our text needs no more.
std::string latin1(const std::string &utf8)
{
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0xC2 && c <= 0xC3 && i + 1 < utf8.size())
            bytes += static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
        else
            bytes += static_cast<char>(c);
    }
    return bytes;
}

// The words as the word loop reads them, `WordsPerLine` to a line, punctuation removed.
std::vector<std::string> linesOf(const std::vector<std::string> &words)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < words.size(); ++i) {
        line += words[i] + ' ';
        if ((i + 1) % WordsPerLine == 0 || i + 1 == words.size()) {
            lines.push_back(zelvora::removePunctuation(line));
            line.clear();
        }
    }
    return lines;
}

std::vector<std::string> everydayText()
{
    std::ifstream file(ZELVORA_EVERYDAY_TEXT, std::ios::binary);
    const std::string text = latin1({std::istreambuf_iterator<char>(file), {}});
    std::vector<std::string> words;
    std::string word;
    for (const char c : text + ' ') {
        if (c != ' ' && c != '\n' && c != '\r') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    std::vector<std::string> repeated;
    while (!words.empty() && repeated.size() < TextWords)
        repeated.push_back(words[repeated.size() % words.size()]);
    return linesOf(repeated);
}

// Forms of the lexicon's lines, in small letters as a reader types them.
std::vector<std::string> randomForms()
{
    std::vector<std::string> forms;
    zelvora::LineReader reader(lexiconPath());
    reader.skipLine();
    reader.skipLine();
    while (!reader.atEnd()) {
        const std::string_view line = reader.readLineView();
        std::size_t start = line.find(' ', line.find(' ') + 1);
        while (start != std::string_view::npos) {
            const std::size_t end = line.find(' ', start + 1);
            forms.emplace_back(line.substr(start + 1, end - start - 1));
            start = end;
        }
    }
    std::mt19937 rng(15);
    std::vector<std::string> words;
    for (std::size_t i = 0; i < TextWords; ++i) {
        std::string word = forms[rng() % forms.size()];
        for (char &c : word)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        words.push_back(std::move(word));
    }
    return linesOf(words);
}

bool haveData(benchmark::State &state)
{
    if (lexicon())
        return true;
    state.SkipWithError(("no lexicon at " + lexiconPath() + ": run scripts/build-dictionaries.sh build/src").c_str());
    return false;
}

void translate(benchmark::State &state, const std::vector<std::string> &lines, bool baseForms)
{
    if (!haveData(state))
        return;
    for (auto _ : state) {
        const zelvora::TextRun run =
            zelvora::runTextOperation(zelvora::TextOperation::Translate, dictionary(), lines,
                                      zelvora::Language::Italian, {}, baseForms ? lexicon() : nullptr);
        benchmark::DoNotOptimize(run.lines.data());
    }
}

void BM_TranslateEverydayOff(benchmark::State &state)
{
    translate(state, everydayText(), false);
}
void BM_TranslateEverydayOn(benchmark::State &state)
{
    translate(state, everydayText(), true);
}
void BM_TranslateFormsOff(benchmark::State &state)
{
    if (haveData(state))
        translate(state, randomForms(), false);
}
void BM_TranslateFormsOn(benchmark::State &state)
{
    if (haveData(state))
        translate(state, randomForms(), true);
}

void BM_LoadLexicon(benchmark::State &state)
{
    if (!haveData(state))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(zelvora::BaseFormLexicon::load(lexiconPath()).formCount());
    state.counters["MB"] = double(lexicon()->memoryBytes()) / 1e6;
    state.counters["forms"] = double(lexicon()->formCount());
}

void BM_LookUpForm(benchmark::State &state)
{
    if (!haveData(state))
        return;
    const std::vector<std::string> probes = {"MANGIAMO", "VADO",   "SONO",  "CASE",      "UOMINI",    "BELLE",
                                             "AMICHE",   "DICONO", "XYZZY", "PARLAVANO", "FINESTRINO"};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(lexicon()->baseFormsOf(probes[i++ % probes.size()]).size());
}

} // namespace

BENCHMARK(BM_LoadLexicon)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookUpForm)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_TranslateEverydayOff)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranslateEverydayOn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranslateFormsOff)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranslateFormsOn)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
