// The quiz on a generated 200,000-entry dictionary: the preparation of a
// question set (the sample read in one pass, then the draw) against one
// line-by-line read of the same file, and the AVANTI action in the window,
// painted, within a set and where it prepares the next set.

#include "GeneratedDictionary.h"
#include "OffscreenBenchmarks.h"
#include "Reading.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "quiz/Form7.h"
#include "quiz/ItemBank.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

constexpr std::size_t Entries = 200'000;
// A full set shows 15 questions; the click after the 15th prepares the next set.
constexpr int QuestionsPerSet = 15;

// The generated program folder, with pictures for the quiz.
QString programFolder()
{
    const QString folder = QString::fromStdString(zelvora::bench::generatedProgramFolder(Entries));
    QImage picture(128, 128, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    for (const char *name : {"si.bmp", "no.bmp", "0.bmp"})
        picture.save(folder + QString::fromLatin1(name), "BMP");
    return folder;
}

const std::string &dictionary()
{
    return zelvora::bench::generatedDictionary(Entries);
}

void BM_QuizPreparation(benchmark::State &state)
{
    const zelvora::RandomSource random = zelvora::clockSeededRandom();
    for (auto _ : state) {
        zelvora::AskedTerms asked;
        const auto sample = zelvora::readSample(dictionary(), "italiano_inglese.txt", Entries, random);
        benchmark::DoNotOptimize(zelvora::drawQuestionSet(sample, asked, random));
    }
}

void BM_QuizReadLines(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(zelvora::bench::readEveryLine(dictionary()));
}

// Times the clicks within a set, or only those that prepare the next set.
void avanti(benchmark::State &state, bool timingNewSets)
{
    Program program(programFolder());
    Form7 *quiz = program.form7();
    quiz->showQuiz();
    QCoreApplication::processEvents();
    const auto click = [quiz] {
        quiz->Avanti1Click();
        QCoreApplication::processEvents();
    };
    int shown = 1;
    for (auto _ : state) {
        if (timingNewSets) {
            state.PauseTiming();
            while (shown < QuestionsPerSet) {
                click();
                ++shown;
            }
            state.ResumeTiming();
            click();
            shown = 1;
        } else {
            if (shown == QuestionsPerSet) {
                state.PauseTiming();
                click();
                shown = 1;
                state.ResumeTiming();
            }
            click();
            ++shown;
        }
    }
    quiz->close();
}

void BM_Avanti(benchmark::State &state) { avanti(state, false); }
void BM_AvantiNewSet(benchmark::State &state) { avanti(state, true); }

} // namespace

BENCHMARK(BM_QuizPreparation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuizReadLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Avanti)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AvantiNewSet)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

int main(int argc, char **argv)
{
    OffscreenBenchmarks benchmarks(argc, argv);
    if (!benchmarks.argumentsAccepted())
        return 1;
    return benchmarks.runAll();
}
