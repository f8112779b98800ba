// The complex-search window on a generated 200,000-entry dictionary: each
// search from the click to the filled result list beside grep -c -F of the
// same text over the same file, the definition of the last term beside one
// line-by-line read of the file, and the 32000-item result list dropping down.

#include "GeneratedDictionary.h"
#include "OffscreenBenchmarks.h"
#include "Reading.h"

#include "dictionary/Dictionary.h"
#include "search/ComplexSearchSetups.h"
#include "search/MainWindowState.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr std::size_t Entries = 200'000;
const QString DictionaryName = QStringLiteral("italiano_inglese.txt");
// About one term in a hundred holds AB; the small-letter definitions hold ",." now and then.
const QString InTerms = QStringLiteral("AB");
const QString InDefinitions = QStringLiteral(",.");
// One term in four holds an A: far more than the result list takes.
const QString Everywhere = QStringLiteral("A");

class GeneratedMainWindow : public MainWindowState {
public:
    QString selectorText() const override { return DictionaryName; }
    QString termBoxText() const override { return {}; }
    Language language() const override { return Language::Italian; }
};

const std::string &folder()
{
    return zelvora::bench::generatedProgramFolder(Entries);
}

std::string dictionaryPath()
{
    return folder() + "dizionari/" + DictionaryName.toStdString();
}

// Form4 on the generated dictionary, made in main().
ComplexSearchWindow *form4 = nullptr;

ComplexSearchWindow &window()
{
    return *form4;
}

QComboBox *control(const char *name)
{
    return form4->findChild<QComboBox *>(QString::fromLatin1(name));
}

void prepare(int field, const QString &text)
{
    control("ComboBox1")->setCurrentIndex(field);
    window().findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(text);
}

// Puts the dropped-down result list away, outside the timing.
void putAwayResults(benchmark::State &state)
{
    state.PauseTiming();
    control("ComboBox2")->hidePopup();
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

void search(benchmark::State &state, int field, const QString &text)
{
    prepare(field, text);
    for (auto _ : state) {
        window().Button1Click();
        putAwayResults(state);
    }
    state.counters["terms"] = control("ComboBox2")->count();
}

void grep(benchmark::State &state, const QString &text)
{
    const std::string command = "grep -c -F '" + text.toStdString() + "' '" + dictionaryPath() + "' > /dev/null";
    for (auto _ : state)
        benchmark::DoNotOptimize(std::system(command.c_str()));
}

void BM_ComplexSearchTerms(benchmark::State &state) { search(state, 0, InTerms); }
void BM_ComplexSearchDefinitions(benchmark::State &state) { search(state, 1, InDefinitions); }
void BM_ComplexSearchBoth(benchmark::State &state) { search(state, 2, InDefinitions); }
void BM_GrepTerms(benchmark::State &state) { grep(state, InTerms); }
void BM_GrepDefinitions(benchmark::State &state) { grep(state, InDefinitions); }

// The last entry's term, listed by a search for it, then picked.
void BM_DefinitionOfLastTerm(benchmark::State &state)
{
    std::vector<std::string> terms;
    zelvora::readTerms(dictionaryPath(), zelvora::TermRepeats::Keep, terms);
    const QString last = QString::fromStdString(terms.back());
    prepare(0, last);
    window().Button1Click();
    control("ComboBox2")->hidePopup();
    const int index = control("ComboBox2")->findText(last);
    for (auto _ : state)
        window().ComboBox2Change(index);
}

void BM_ComplexReadLines(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(zelvora::bench::readEveryLine(dictionaryPath()));
}

void BM_DropDown32000(benchmark::State &state)
{
    prepare(0, Everywhere);
    window().Button1Click();
    QComboBox *results = control("ComboBox2");
    results->hidePopup();
    for (auto _ : state) {
        results->showPopup();
        QCoreApplication::processEvents();
        putAwayResults(state);
    }
    state.counters["terms"] = results->count();
}

} // namespace

BENCHMARK(BM_ComplexSearchTerms)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ComplexSearchDefinitions)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ComplexSearchBoth)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GrepTerms)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GrepDefinitions)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DefinitionOfLastTerm)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ComplexReadLines)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DropDown32000)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    OffscreenBenchmarks benchmarks(argc, argv);
    if (!benchmarks.argumentsAccepted())
        return 1;
    const GeneratedMainWindow mainWindow;
    ComplexSearchWindow shown(form4Setup(), QString::fromStdString(folder()), mainWindow);
    form4 = &shown;
    shown.FormShow();
    control("ComboBox1")->hidePopup();
    QCoreApplication::processEvents();
    return benchmarks.runAll();
}
