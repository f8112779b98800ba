#include "WindowTestHelpers.h"

#include <QProgressBar>
#include <QTextBlock>

class TranslationTest : public MainWindowTest {
    Q_OBJECT

private slots:
    void init()
    {
        startWithTestFolder();
        showWindow();
    }
    void cleanup() { program.reset(); }

    void translateBarLooksUpTermsAndPrefixes()
    {
        QCOMPARE(typeAndClick("casa", "Button1"), QStringList({"CASA = house"}));
        QCOMPARE(termBox()->currentText(), QStringLiteral("CASA"));
        QCOMPARE(text("Label1") + text("Label3"), QStringLiteral("houseSI"));

        // Return in the term box translates too; the finding goes below the earlier one.
        type("città");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(results(), QStringList({"CASA = house", "CITTÀ = city"}));
        QCOMPARE(text("Panel2"), QStringLiteral("2  LINEE"));

        // The two entries CASA show their two meanings.
        QCOMPARE(typeAndClick("cas*", "Button1").mid(2),
                 QStringList({"CASA = house", "CASA = home", "CASSA = crate"}));
        QCOMPARE(termBox()->currentText(), QStringLiteral("CAS*"));
        QCOMPARE(typeAndClick("ab*", "Button1").size(), 5);
        QCOMPARE(termBox()->currentText(), QStringLiteral("INSERIRE ALMENO 3 CARATTERI INIZIALI"));

        // The caption counts the words typed.
        type("uno due");
        QCOMPARE(control<QPushButton>("Button1")->text(), QStringLiteral("ZELVORA L'ESPRESSIONE (2 PAROLE)"));
        type("uno");
        QCOMPARE(control<QPushButton>("Button1")->text(), QStringLiteral("ZELVORA IL TERMINE"));
    }

    void wholeTextTranslationWritesLinesAndTheWorkingFile()
    {
        QCOMPARE(runOnInput("Button8", QStringLiteral("la città, bella.\nè casa!")),
                 QStringList({"la città  bella ", "LA = the", "CITTÀ = city", "BELLA = -", "è casa ", "È = -",
                              "CASA = house"}));
        QCOMPARE(text("Label1"), QStringLiteral("Traduzione terminata!"));
        QCOMPARE(input()->toPlainText(), QStringLiteral("la città, bella.\nè casa!"));
        QFile working(path("origine2.txt"));
        QVERIFY(working.open(QIODevice::ReadOnly));
        QCOMPARE(working.readAll(), QByteArray("la citt\xe0  bella \r\n\xe8 casa \r\n"));
        // Only the words followed by a blank move the bar.
        runOnInput("Button8", QStringLiteral("uno due\ntre\nquattro\ncinque"));
        QCOMPARE(control<QProgressBar>("ProgressBar1")->maximum(), 5);
        QCOMPARE(control<QProgressBar>("ProgressBar1")->value(), 2);
    }

    void dictionaryAndWordListAreDistinctAndSorted()
    {
        // Each word once, whatever its case; in Italian order: È among the E's, not after Z as its code would.
        const QString words = QStringLiteral("zucca è Albero città\ncaffè banana Zucca ZUCCA.");
        QCOMPARE(runOnInput("Button18", words), QStringList({"ALBERO = tree", "BANANA = -", "CAFFÈ = coffee",
                                                             "CITTÀ = city", "È = -", "ZUCCA = pumpkin"}));
        QCOMPARE(runOnInput("Button19", words), QStringList({"ALBERO", "BANANA [non trovato]", "CAFFÈ", "CITTÀ",
                                                             "È [non trovato]", "ZUCCA"}));
        // The input gets one empty last line, not one a run.
        click("Button18");
        QCOMPARE(paneLines(input()), QStringList({"zucca è Albero città", "caffè banana Zucca ZUCCA.", ""}));
    }

    void unwritableWorkingFileStopsTheRun()
    {
        QVERIFY(QDir(path({})).mkdir(QStringLiteral("origine2.txt")));
        input()->setPlainText(QStringLiteral("la casa"));
        const QString message = messageBoxShownBy([&] { click("Button8"); });
        QVERIFY2(message.startsWith("Impossibile scrivere il file") && message.contains(path("origine2.txt"))
                     && message.contains("Is a directory"),
                 qPrintable(message));
        QCOMPARE(input()->toPlainText(), QStringLiteral("la casa"));
        QCOMPARE(results(), QStringList());
        QVERIFY(text("Label1") != QStringLiteral("Traduzione terminata!"));
    }

    void missingDictionaryShowsTheErrorAndTheWindowGoesOn()
    {
        const QString dictionary = path("dizionari/italiano_inglese.txt");
        typeAndClick("casa", "Button1");
        QVERIFY(QFile::remove(dictionary));
        QString message = messageBoxShownBy([&] { typeAndClick("città", "Button1"); });
        QVERIFY2(message.startsWith("Impossibile leggere il file") && message.contains(dictionary)
                     && message.contains("No such file or directory"),
                 qPrintable(message));
        QCOMPARE(termBox()->currentText(), QStringLiteral("CITTÀ"));
        QCOMPARE(results(), QStringList({"CASA = house"}));
        // Once the file is back, the same window looks terms up again.
        writeFile(dictionary, QStringList({"H", "h", "CITTÀ", "town"}));
        QCOMPARE(messageBoxShownBy([&] { typeAndClick("città", "Button1"); }), QString());
        QCOMPARE(results().last(), QStringLiteral("CITTÀ = town"));
    }

    void theTermBoxIsSelectedSoThatTypingReplacesIt()
    {
        QLineEdit *edit = termBox()->lineEdit();
        QCOMPARE(QApplication::focusWidget(), termBox());
        QTRY_COMPARE(edit->selectedText(), QStringLiteral("CASA")); // the first term, at start
        QTest::keyClicks(termBox(), QStringLiteral("la"));
        QTest::keyClick(termBox(), Qt::Key_Return);
        QCOMPARE(results(), QStringList({"LA = the"}));
        QCOMPARE(edit->selectedText(), QStringLiteral("LA")); // after a lookup
        pick("italiano_francese.txt");
        QTRY_COMPARE(edit->selectedText(), QStringLiteral("CANE")); // after a dictionary is loaded
        QTest::keyClicks(termBox(), QStringLiteral("x"));
        QCOMPARE(edit->text(), QStringLiteral("x"));
        // A click from another field selects it too.
        input()->setFocus();
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
        QTRY_COMPARE(edit->selectedText(), QStringLiteral("x"));
    }

    void thePaneShowsTheLastLineWritten()
    {
        auto *pane = control<QPlainTextEdit>("RxRichEdit2");
        input()->setPlainText(QStringLiteral("la casa ").repeated(300));
        click("Button8");
        pane->moveCursor(QTextCursor::Start);
        typeAndClick("città", "Button1");
        QCOMPARE(pane->textCursor().block().text(), QStringLiteral("CITTÀ = city"));
        QVERIFY(pane->viewport()->rect().contains(pane->cursorRect()));
    }

    void aNoteSaysWhyNothingWasFound()
    {
        const auto note = [this] { return text("StatusNote"); };
        const QString statusLine = text("GradButton4");
        const QList<std::pair<QString, QString>> notes = {
            {"casax", "CASAX: termine non trovato"}, {"", "Scrivere un termine"},
            {"cas*", ""}, {"zzz*", "Nessun termine comincia con ZZZ"}, {"ab*", "Scrivere almeno 3 caratteri prima di *"},
        };
        for (const auto &[typed, expected] : notes) {
            typeAndClick(typed, "Button1");
            QCOMPARE(note(), expected);
        }
        // It never takes the place of the status line or the line counter, nor writes into the panes.
        QCOMPARE(text("GradButton4"), statusLine);
        QCOMPARE(text("Panel2"), QStringLiteral("3  LINEE"));
        QVERIFY(control("GradButton4")->isVisible() && control("Panel2")->isVisible());
        QCOMPARE(results().size(), 3);
        // In the language of the moment; it goes when the pane changes, or after a few seconds.
        control<QLabel>("Panel1")->setText(QStringLiteral("SEARCHES"));
        typeAndClick("casax", "Button1");
        QCOMPARE(note(), QStringLiteral("CASAX: term not found"));
        typeAndClick("casa", "Button1");
        QCOMPARE(note(), QString());
        typeAndClick("casax", "Button1");
        QTRY_VERIFY_WITH_TIMEOUT(note().isEmpty(), 8000);
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
