// Pasting 10 MB of text into the main window's input pane through its
// context menu, as a user does, with the window shown: the paste itself, then
// the layout and paint that follow, then a key typed into the pasted text;
// beside it, the same paste into Qt's own pane and the text set in one call;
// and the text document alone taking a whole-text operation's result lines.

#include "GeneratedDictionary.h"
#include "OffscreenBenchmarks.h"

#include "app/Program.h"
#include "app/Form1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr qsizetype PasteSize = 10 << 20;

// Italian prose in lines of about 70 characters, or all of it on one line.
QString textOfSize(qsizetype size, bool lineBreaks)
{
    const QString sentence = QStringLiteral("La città è bella e la casa è grande; il caffè è buono, perché no? ");
    QString text;
    text.reserve(size);
    while (text.size() < size) {
        text += sentence;
        if (lineBreaks)
            text += QLatin1Char('\n');
    }
    text.truncate(size);
    return text;
}

class MainWindow {
public:
    MainWindow() : program_(QString::fromStdString(zelvora::bench::generatedProgramFolder(100)))
    {
        Form1 *window = program_.form1();
        window->resize(1280, 800);
        window->show();
        QCoreApplication::processEvents();
        input = window->findChild<QPlainTextEdit *>(QStringLiteral("RxRichEdit1"));
        paste = window->findChild<QAction *>(QStringLiteral("Copiadallamemoria1"));
    }

    QPlainTextEdit *input;
    QAction *paste;

private:
    Program program_;
};

// Made in main() and destroyed there, before the application.
std::unique_ptr<MainWindow> theMainWindow;

MainWindow &mainWindow()
{
    return *theMainWindow;
}

void pasteText(benchmark::State &state, bool lineBreaks)
{
    MainWindow &window = mainWindow();
    QGuiApplication::clipboard()->setText(textOfSize(PasteSize, lineBreaks));
    for (auto _ : state) {
        state.PauseTiming();
        window.input->clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        window.paste->trigger();
        QCoreApplication::processEvents();
    }
    state.SetBytesProcessed(state.iterations() * PasteSize);
}

// The text set in one call, the way the program fills a pane: the floor for a paste.
void BM_SetPlainText(benchmark::State &state)
{
    MainWindow &window = mainWindow();
    const QString text = textOfSize(PasteSize, true);
    for (auto _ : state) {
        window.input->setPlainText(text);
        QCoreApplication::processEvents();
    }
    state.SetBytesProcessed(state.iterations() * PasteSize);
}

// What Qt's text document alone costs to hold a whole-text operation's results
// (about 11,000 lines for 10,000 words): no pane, no layout, no paint.
void BM_ResultLinesIntoDocument(benchmark::State &state)
{
    QString text;
    for (int line = 0; line < 11'000; ++line)
        text += QStringLiteral("PAROLA%1 = a definition of the word\n").arg(line);
    for (auto _ : state) {
        QTextDocument document;
        document.setPlainText(text);
    }
    state.SetItemsProcessed(state.iterations() * 11'000);
}

void BM_PasteLines(benchmark::State &state) { pasteText(state, true); }

// The same paste into Qt's own plain-text pane, of the same size, font and wrap.
void BM_PasteLinesStockPane(benchmark::State &state)
{
    const QPlainTextEdit *input = mainWindow().input;
    QPlainTextEdit stock;
    stock.setFont(input->font());
    stock.setLineWrapMode(input->lineWrapMode());
    stock.resize(input->size());
    stock.show();
    QGuiApplication::clipboard()->setText(textOfSize(PasteSize, true));
    for (auto _ : state) {
        state.PauseTiming();
        stock.clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        stock.paste();
        QCoreApplication::processEvents();
    }
    state.SetBytesProcessed(state.iterations() * PasteSize);
}
void BM_PasteOneLine(benchmark::State &state) { pasteText(state, false); }

// A key typed at the end of the pasted text, until the pane has painted it.
void typeAfterPaste(benchmark::State &state, bool lineBreaks)
{
    MainWindow &window = mainWindow();
    window.input->setPlainText(textOfSize(PasteSize, lineBreaks));
    window.input->moveCursor(QTextCursor::End);
    window.input->setFocus();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(window.input, Qt::Key_A);
        QCoreApplication::processEvents();
    }
}

void BM_TypeAfterPasteLines(benchmark::State &state) { typeAfterPaste(state, true); }
void BM_TypeAfterPasteOneLine(benchmark::State &state) { typeAfterPaste(state, false); }

} // namespace

BENCHMARK(BM_SetPlainText)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_ResultLinesIntoDocument)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
BENCHMARK(BM_PasteLines)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_PasteLinesStockPane)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_PasteOneLine)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_TypeAfterPasteLines)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
BENCHMARK(BM_TypeAfterPasteOneLine)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

int main(int argc, char **argv)
{
    OffscreenBenchmarks benchmarks(argc, argv);
    if (!benchmarks.argumentsAccepted())
        return 1;
    theMainWindow = std::make_unique<MainWindow>();
    const int status = benchmarks.runAll();
    theMainWindow.reset();
    return status;
}
