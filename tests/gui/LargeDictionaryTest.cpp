#include "OperationsSweep.h"

#include <QElapsedTimer>
#include <QProgressBar>
#include <QTextEdit>

namespace {

constexpr int Entries = 300000;

// The term of entry k (the header pair is entry 0): k in four capitals, AAAB, AAAC, ...
QString termOf(int k)
{
    QString term(4, QLatin1Char('A'));
    for (int at = 3; at >= 0; --at, k /= 26)
        term[at] = QLatin1Char(char('A' + k % 26));
    return term;
}

// A dictionary of 300,000 entries whose definitions say their number.
QStringList largeDictionary(const QString &header, const QString &definition)
{
    QStringList lines = {header, QStringLiteral("-")};
    lines.reserve(2 * Entries);
    for (int k = 1; k < Entries; ++k)
        lines << termOf(k) << definition.arg(k);
    return lines;
}

} // namespace

// Dictionaries of 300,000 entries through every window.
class LargeDictionaryTest : public OperationsTest {
    Q_OBJECT

private:
    const QString LastTerm = termOf(Entries - 1);

    // Searches the complex-search window for `text` in `field` and returns what it found.
    QStringList complexSearch(ComplexSearchWindow *window, int field, const QString &text)
    {
        controlOf<QComboBox>(window, "ComboBox1")->hidePopup();
        controlOf<QComboBox>(window, "ComboBox1")->setCurrentIndex(field);
        controlOf<QLineEdit>(window, "Edit1")->setText(text);
        window->Button1Click();
        auto *found = controlOf<QComboBox>(window, "ComboBox2");
        found->hidePopup();
        return items(found);
    }

private slots:
    void initTestCase()
    {
        writeFolderWithoutProgram();
        writeFile(path("dizionari/italiano_inglese.txt"), largeDictionary("ITALIANO-INGLESE", "definizione %1"));
        writeFile(path("dizionari/english.txt"), largeDictionary("ENGLISH", "english %1"));
        writeFile(path("dizionari/inglese_italiano.txt"), largeDictionary("INGLESE-ITALIANO", "inglese %1"));
        QElapsedTimer started;
        started.start();
        startProgram();
        showWindow();
        qInfo("started on 300,000 entries in %lld ms", started.elapsed());
    }
    void cleanupTestCase() { program.reset(); }

    void theMainWindowLoadsAndLooksUpEveryEntry()
    {
        QCOMPARE(termBox()->count(), Entries);
        QCOMPARE(termBox()->itemText(Entries - 1), LastTerm);
        QCOMPARE(text("GradButton4"), QStringLiteral("6 DIZIONARI - 300000 DEFINIZIONI NEL DIZIONARIO CORRENTE"));
        termBox()->showPopup();
        termBox()->hidePopup();
        QCOMPARE(typeAndClick(LastTerm, "Button1"), QStringList({LastTerm + " = definizione 299999"}));
        resultsPane()->clear();
        QCOMPARE(typeAndClick(LastTerm.left(3) + "*", "Button1").size(), (Entries - 1) % 26 + 1);
        QCOMPARE(runOnInput("Button8", "aaab, " + LastTerm.toLower() + " nulla"),
                 QStringList({"aaab  " + LastTerm.toLower() + " nulla", "AAAB = definizione 1",
                              LastTerm + " = definizione 299999", "NULLA = -"}));
        QCOMPARE(typeAndClick(LastTerm, "Button6"),
                 QStringList({"----- italiano_inglese.txt -----", LastTerm + " = definizione 299999",
                              "----- inglese_italiano.txt -----", LastTerm + " = inglese 299999",
                              "----- english.txt -----", LastTerm + " = english 299999"}));
        // The letters search stops at 10,000 lines, its header included.
        byLetters("Button31");
        QCOMPARE(results().size(), 10000);
        QCOMPARE(results().last(), termOf(2 * 26 * 26 * 26 + 9998));
        // Picked, it is read with its progress.
        pick("italiano_inglese.txt");
        QCOMPARE(termBox()->count(), Entries);
        QCOMPARE(control<QProgressBar>("ProgressBar1")->value(), Entries);
    }

    void theComplexSearchesListTheirFirst32000()
    {
        click("Button27");
        ComplexSearchWindow *form4 = program->form4();
        QVERIFY(form4->isVisible());
        const QStringList found = complexSearch(form4, 2, QStringLiteral("A"));
        QCOMPARE(found.size(), 32000);
        QCOMPARE(found.first(), QStringLiteral("ITALIANO-INGLESE"));
        QCOMPARE(complexSearch(form4, 0, LastTerm), QStringList({LastTerm}));
        QCOMPARE(complexSearch(form4, 1, QStringLiteral("299999")), QStringList({LastTerm}));
        form4->ComboBox2Change(0);
        QCOMPARE(controlOf<QPlainTextEdit>(form4, "RxRichEdit1")->toPlainText(), QStringLiteral("definizione 299999"));
        form4->close();

        click("Button28");
        ComplexSearchWindow *form3 = program->form3();
        QVERIFY(form3->isVisible());
        QCOMPARE(complexSearch(form3, 0, LastTerm), QStringList({LastTerm}));
        form3->ComboBox2Change(0);
        QCOMPARE(controlOf<QPlainTextEdit>(form3, "RxRichEdit1")->toPlainText(), QStringLiteral("inglese 299999"));
        form3->close();
    }

    void theQuizAsksTermsWithTheirOwnDefinitions()
    {
        for (const char *opener : {"Button33", "Button34"}) {
            click(opener);
            Form7 *quiz = program->form7();
            QVERIFY(quiz->isVisible());
            const QString question = controlOf<QTextEdit>(quiz, "Domanda")->toPlainText();
            QVERIFY2(question.size() == 4, qPrintable(question));
            int k = 0;
            for (const QChar letter : question)
                k = 26 * k + (letter.unicode() - 'A');
            const QString own = QString::fromLatin1(opener[7] == '3' ? "definizione %1" : "inglese %1").arg(k);
            QVERIFY(controlOf<QLineEdit>(quiz, "Scelta1")->text() == own ||
                    controlOf<QLineEdit>(quiz, "Scelta2")->text() == own);
            QTest::mouseClick(controlOf<QPushButton>(quiz, "Esci"), Qt::LeftButton);
        }
        // The English-Italian quiz left the term list empty; the exclusions load the default dictionary again.
        QCOMPARE(termBox()->count(), 0);
    }

    void theExclusionsReloadIt()
    {
        Form2 *form2 = program->form2();
        form2->show();
        QTest::mouseClick(controlOf<QPushButton>(form2, "GradButton1"), Qt::LeftButton);
        QVERIFY(!form2->isVisible());
        QCOMPARE(termBox()->count(), Entries);
        QCOMPARE(text("GradButton4"), QStringLiteral("6 DIZIONARI - 300000 DEFINIZIONI NEL DIZIONARIO CORRENTE"));
    }

    void everyOperationRunsOnIt()
    {
        QElapsedTimer started;
        started.start();
        QCOMPARE(runEveryOperation(), expectedReport({}));
        qInfo("every operation on 300,000 entries in %lld ms", started.elapsed());
    }
};

QTEST_MAIN(LargeDictionaryTest)
#include "LargeDictionaryTest.moc"
