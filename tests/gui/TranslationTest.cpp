#include "WindowTestHelpers.h"

#include "ui/PaneLines.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QtTest>

class TranslationTest : public MainWindowTest {
    Q_OBJECT

private:
    QLineEdit *termEdit() const { return control<QComboBox>("ComboBox2")->lineEdit(); }
    QString termBox() const { return control<QComboBox>("ComboBox2")->currentText(); }
    QPlainTextEdit *input() const { return control<QPlainTextEdit>("RxRichEdit1"); }
    QStringList results() const { return paneLines(control<QPlainTextEdit>("RxRichEdit2")); }
    QString text(const char *label) const { return control<QLabel>(label)->text(); }
    QString caption() const { return control<QPushButton>("Button1")->text(); }
    QProgressBar *progress() const { return control<QProgressBar>("ProgressBar1"); }
    QString workingFilePath() const { return folder.path() + QStringLiteral("origine2.txt"); }

    void click(const char *button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    void translate(const QString &typed)
    {
        type(typed);
        click("Button1");
    }
    QStringList runOnInput(const char *button, const QString &inputText)
    {
        input()->setPlainText(inputText);
        click(button);
        return results();
    }

private slots:
    void init()
    {
        folder.writeCatalogue({{QStringLiteral("italiano_inglese.txt")}});
        folder.writeDictionary(QStringLiteral("italiano_inglese.txt"),
                               {QStringLiteral("ITALIANO-INGLESE"), QStringLiteral("intestazione"),
                                QStringLiteral("CASA"), QStringLiteral("house"), QStringLiteral("CASA"),
                                QStringLiteral("home"), QStringLiteral("CASSA"), QStringLiteral("crate"),
                                QStringLiteral("CITTÀ"), QStringLiteral("city"), QStringLiteral("LA"),
                                QStringLiteral("the"), QStringLiteral("ALBERO"), QStringLiteral("tree"),
                                QStringLiteral("CAFFÈ"), QStringLiteral("coffee"), QStringLiteral("ZUCCA"),
                                QStringLiteral("pumpkin")});
        startProgram();
        form()->show();
        QVERIFY(QTest::qWaitForWindowExposed(form()));
    }

    void cleanup()
    {
        program.reset();
        QFile(workingFilePath()).remove();
        QDir(workingFilePath()).removeRecursively();
    }

    void translateBarAppendsFindingsAndSetsTheFlags()
    {
        translate(QStringLiteral("casa"));
        QCOMPARE(results(), QStringList({QStringLiteral("CASA = house")}));
        QCOMPARE(termBox(), QStringLiteral("CASA"));
        QCOMPARE(text("Label1"), QStringLiteral("house"));
        QCOMPARE(text("Label3"), QStringLiteral("SI"));

        // Not found: nothing appended, only the hidden flags change.
        translate(QStringLiteral("pippo"));
        QCOMPARE(results().size(), 1);
        QCOMPARE(termBox(), QStringLiteral("PIPPO"));
        QCOMPARE(text("Label1"), QStringLiteral("Termine non trovato!"));
        QCOMPARE(text("Label3"), QStringLiteral("NO"));

        // Return in the term box translates too; an accented term is upper-cased
        // and appended below the earlier line.
        type(QStringLiteral("città"));
        // Keys go to the focus widget, the box, which hands them to its edit field.
        QCOMPARE(QApplication::focusWidget(), control("ComboBox2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(results(), QStringList({QStringLiteral("CASA = house"), QStringLiteral("CITTÀ = city")}));
        QCOMPARE(termBox(), QStringLiteral("CITTÀ"));
        QCOMPARE(text("Panel2"), QStringLiteral("2  LINEE"));

        // A prefix lists every matching entry with the first entry's definition,
        // then the typed prefix comes back.
        translate(QStringLiteral("cas*"));
        QCOMPARE(results().mid(2), QStringList({QStringLiteral("CASA = house"), QStringLiteral("CASA = house"),
                                                QStringLiteral("CASSA = crate")}));
        QCOMPARE(termBox(), QStringLiteral("CAS*"));
        QCOMPARE(text("Label3"), QStringLiteral("SI"));
        QCOMPARE(text("Panel2"), QStringLiteral("5  LINEE"));

        translate(QStringLiteral("xyz*"));
        QCOMPARE(termBox(), QStringLiteral("XYZ*"));
        QCOMPARE(text("Label3"), QStringLiteral("NO"));

        translate(QStringLiteral("ab*"));
        QCOMPARE(termBox(), QStringLiteral("INSERIRE ALMENO 3 CARATTERI INIZIALI"));

        // A character outside Windows-1252 reaches the lookup as '?'.
        translate(QStringLiteral("casa中"));
        QCOMPARE(termBox(), QStringLiteral("CASA?"));
        QCOMPARE(text("Label1"), QStringLiteral("Termine non trovato!"));
        QCOMPARE(results().size(), 5);
        QCOMPARE(text("Panel2"), QStringLiteral("5  LINEE"));
    }

    void translateBarCaptionCountsTheWords()
    {
        const QString single = QStringLiteral("ZELVORA IL TERMINE");
        type(QStringLiteral("uno due"));
        QCOMPARE(caption(), QStringLiteral("ZELVORA L'ESPRESSIONE (2 PAROLE)"));
        type(QStringLiteral("uno;due tre"));
        QCOMPARE(caption(), QStringLiteral("ZELVORA L'ESPRESSIONE (3 PAROLE)"));
        type(QStringLiteral("uno"));
        QCOMPARE(caption(), single);

        type(QStringLiteral("uno due"));
        QTest::mouseDClick(termEdit(), Qt::LeftButton);
        QCOMPARE(termBox(), QString());
        QCOMPARE(caption(), single);

        // The whole-text translation gives the bar its single-term caption back.
        type(QStringLiteral("uno due"));
        runOnInput("Button8", QStringLiteral("casa"));
        QCOMPARE(caption(), single);
    }

    void wholeTextTranslationWritesLinesWordsAndTheWorkingFile()
    {
        type(QStringLiteral("CASA"));
        click("Button1"); // earlier results go at the start of the run
        QCOMPARE(runOnInput("Button8", QStringLiteral("la casa, bella.")),
                 QStringList({QStringLiteral("la casa  bella "), QStringLiteral("LA = the"),
                              QStringLiteral("CASA = house"), QStringLiteral("BELLA = -")}));
        QCOMPARE(text("Label1"), QStringLiteral("Traduzione terminata!"));
        QCOMPARE(termBox(), QString()); // the last word looked up, empty after the final blank
        QCOMPARE(input()->toPlainText(), QStringLiteral("la casa, bella."));
        // Three words; four of them are followed by a blank, which would give 8.
        QCOMPARE(progress()->maximum(), 3);
        QCOMPARE(progress()->value(), 3);

        QCOMPARE(runOnInput("Button8", QStringLiteral("la città, bella.\nè casa!")),
                 QStringList({QStringLiteral("la città  bella "), QStringLiteral("LA = the"),
                              QStringLiteral("CITTÀ = city"), QStringLiteral("BELLA = -"), QStringLiteral("è casa "),
                              QStringLiteral("È = -"), QStringLiteral("CASA = house")}));
        QFile working(workingFilePath());
        QVERIFY(working.open(QIODevice::ReadOnly));
        QCOMPARE(working.readAll(), QByteArray("la citt\xe0  bella \r\n\xe8 casa \r\n"));
        working.close();

        // Only the words followed by a blank move the bar, by 2 each.
        runOnInput("Button8", QStringLiteral("uno due\ntre\nquattro\ncinque"));
        QCOMPARE(progress()->maximum(), 5);
        QCOMPARE(progress()->value(), 2);

        // '中' goes to the file as '?', a punctuation mark, so it splits the word.
        QCOMPARE(runOnInput("Button8", QStringLiteral("casa中bella")),
                 QStringList({QStringLiteral("casa bella"), QStringLiteral("CASA = house"),
                              QStringLiteral("BELLA = -")}));
        QVERIFY(working.open(QIODevice::ReadOnly));
        QCOMPARE(working.readAll(), QByteArray("casa bella\r\n"));
        working.close();

        QCOMPARE(runOnInput("Button8", QString()), QStringList({QString()}));
        QCOMPARE(text("Panel2"), QStringLiteral("1  LINEE"));
        QCOMPARE(text("Label1"), QStringLiteral("Traduzione terminata!"));
    }

    void dictionaryAndWordListAreDistinctAndSorted()
    {
        const QString repeated = QStringLiteral("casa Casa CASA. pippo Pippo PIPPO");
        QCOMPARE(runOnInput("Button18", repeated),
                 QStringList({QStringLiteral("CASA = house"), QStringLiteral("PIPPO = -")}));
        QCOMPARE(text("Label1"), QStringLiteral("Traduzione terminata!"));
        QCOMPARE(runOnInput("Button19", repeated),
                 QStringList({QStringLiteral("CASA"), QStringLiteral("PIPPO [non trovato]")}));

        // Italian order: È sorts among the E's, not after Z as its code would.
        const QStringList dictionary = {QStringLiteral("ALBERO = tree"), QStringLiteral("BANANA = -"),
                                        QStringLiteral("CAFFÈ = coffee"), QStringLiteral("CITTÀ = city"),
                                        QStringLiteral("È = -"), QStringLiteral("ZUCCA = pumpkin")};
        const QStringList wordList = {QStringLiteral("ALBERO"), QStringLiteral("BANANA [non trovato]"),
                                      QStringLiteral("CAFFÈ"), QStringLiteral("CITTÀ"),
                                      QStringLiteral("È [non trovato]"), QStringLiteral("ZUCCA")};
        for (const QString &words : {QStringLiteral("zucca è Albero città caffè banana"),
                                     QStringLiteral("banana Caffè\ncittà; è albero ZUCCA")}) {
            QCOMPARE(runOnInput("Button18", words), dictionary);
            QCOMPARE(runOnInput("Button19", words), wordList);
        }
        // One step, not two, per word followed by a blank (five of six words).
        QCOMPARE(progress()->maximum(), 6);
        QCOMPARE(progress()->value(), 5);

        // A last input line that is not empty gets an empty line after it, once.
        const QList<std::pair<const char *, QStringList>> runs = {
            {"Button18", {QStringLiteral("CASA = house"), QStringLiteral("UNO = -")}},
            {"Button19", {QStringLiteral("CASA"), QStringLiteral("UNO [non trovato]")}}};
        for (const auto &[button, expected] : runs) {
            input()->setPlainText(QStringLiteral("uno\ncasa"));
            click(button);
            QCOMPARE(paneLines(input()), QStringList({QStringLiteral("uno"), QStringLiteral("casa"), QString()}));
            const QString once = input()->toPlainText();
            click(button);
            QCOMPARE(input()->toPlainText(), once);
            QCOMPARE(results(), expected);
        }
    }

    void unwritableWorkingFileStopsTheRun_data()
    {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only program folder") << true << QStringLiteral("Permission denied");
        QTest::newRow("working file is a folder") << false << QStringLiteral("Is a directory");
    }

    void unwritableWorkingFileStopsTheRun()
    {
        QFETCH(bool, readOnlyFolder);
        QFETCH(QString, reason);
        const QString folderPath = folder.path();
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(folderPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (readOnlyFolder) {
            QVERIFY(QFile::setPermissions(folderPath, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                          QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
            QFile probe(folderPath + QStringLiteral("probe"));
            if (probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QSKIP("a read-only folder still takes writes here (running as root)");
            }
        } else {
            QVERIFY(QDir(folderPath).mkdir(QStringLiteral("origine2.txt")));
        }

        const QString inputText = QStringLiteral("la casa, bella.");
        input()->setPlainText(inputText);
        const QString message = messageBoxShownBy([&] { click("Button8"); });
        QVERIFY2(message.contains(workingFilePath()), qPrintable(message));
        QVERIFY2(message.contains(reason), qPrintable(message));
        QCOMPARE(input()->toPlainText(), inputText);
        QVERIFY(text("Label1") != QStringLiteral("Traduzione terminata!"));
        QCOMPARE(results(), QStringList());
    }

    void missingDictionaryShowsTheErrorAndTheWindowGoesOn()
    {
        const QString dictionary = folder.path() + QStringLiteral("dizionari/italiano_inglese.txt");
        translate(QStringLiteral("casa"));
        QVERIFY(QFile::remove(dictionary));

        QString message = messageBoxShownBy([&] { translate(QStringLiteral("città")); });
        QVERIFY2(message.contains(dictionary), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("No such file or directory")), qPrintable(message));
        QCOMPARE(termBox(), QStringLiteral("CITTÀ"));
        QCOMPARE(results(), QStringList({QStringLiteral("CASA = house")}));

        input()->setPlainText(QStringLiteral("casa"));
        message = messageBoxShownBy([&] { click("Button8"); });
        QVERIFY2(message.contains(dictionary), qPrintable(message));

        // Once the file is back, the same window looks terms up again.
        folder.writeDictionary(QStringLiteral("italiano_inglese.txt"),
                               {QStringLiteral("H"), QStringLiteral("h"), QStringLiteral("CITTÀ"),
                                QStringLiteral("town")});
        QVERIFY(messageBoxShownBy([&] { translate(QStringLiteral("città")); }).isEmpty());
        QCOMPARE(results().last(), QStringLiteral("CITTÀ = town"));
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
