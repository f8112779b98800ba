// The program's start-up: the five windows created, the catalogue and the
// default dictionary read into the term list, then everything destroyed.
// Beside it, the switch of all five windows from one language to the other.

#include "GeneratedDictionary.h"
#include "OffscreenBenchmarks.h"

#include "app/Form1.h"
#include "app/Program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

namespace {

QString programFolder(std::size_t entries)
{
    return QString::fromStdString(zelvora::bench::generatedProgramFolder(entries));
}

void startup(benchmark::State &state, std::size_t entries)
{
    const QString folder = programFolder(entries);
    for (auto _ : state) {
        Program program(folder);
        benchmark::DoNotOptimize(program.form1());
    }
}

// Start-up, then the main window shown and laid out. The term box must not
// measure its items, so this should cost about the same for any dictionary.
void firstShow(benchmark::State &state, std::size_t entries)
{
    const QString folder = programFolder(entries);
    for (auto _ : state) {
        Program program(folder);
        program.form1()->show();
        QCoreApplication::processEvents();
    }
}

// Each round clicks the other flag. `painted`: until the main window has
// laid itself out and painted again in the new language.
void languageSwitch(benchmark::State &state, bool painted)
{
    Program program(programFolder(200'000));
    Form1 *form1 = program.form1();
    form1->show();
    QStringList lines;
    for (int i = 0; i < 5000; ++i)
        lines += QStringLiteral("RIGA %1 = line %1").arg(i);
    form1->findChild<QPlainTextEdit *>(QStringLiteral("RxRichEdit2"))->setPlainText(lines.join(QLatin1Char('\n')));
    QCoreApplication::processEvents();
    QAbstractButton *flags[] = {form1->findChild<QAbstractButton *>(QStringLiteral("Image2")),
                                form1->findChild<QAbstractButton *>(QStringLiteral("Image1"))};
    std::size_t round = 0;
    for (auto _ : state) {
        flags[round++ % 2]->click();
        if (painted)
            QCoreApplication::processEvents();
    }
}

void BM_StartupLarge(benchmark::State &state) { startup(state, 200'000); }
void BM_StartupSmall(benchmark::State &state) { startup(state, 100); }
void BM_FirstShowLarge(benchmark::State &state) { firstShow(state, 200'000); }
void BM_FirstShowSmall(benchmark::State &state) { firstShow(state, 100); }
void BM_LanguageSwitch(benchmark::State &state) { languageSwitch(state, false); }
void BM_LanguageSwitchPainted(benchmark::State &state) { languageSwitch(state, true); }

} // namespace

BENCHMARK(BM_StartupLarge)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_StartupSmall)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();
BENCHMARK(BM_FirstShowLarge)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_FirstShowSmall)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();
BENCHMARK(BM_LanguageSwitch)->Unit(benchmark::kMillisecond)->Iterations(40)->UseRealTime();
BENCHMARK(BM_LanguageSwitchPainted)->Unit(benchmark::kMillisecond)->Iterations(40)->UseRealTime();

int main(int argc, char **argv)
{
    OffscreenBenchmarks benchmarks(argc, argv);
    if (!benchmarks.argumentsAccepted())
        return 1;
    // Qt's one-time costs (style, fonts, platform) belong to no benchmark.
    {
        Program warmUp(programFolder(100));
        warmUp.form1()->show();
        QCoreApplication::processEvents();
    }
    return benchmarks.runAll();
}
