#include "WindowTestHelpers.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

namespace {

const QString Separator = QStringLiteral("________________________");

QStringList items(const QComboBox *box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list += box->itemText(i);
    return list;
}

} // namespace

class Form1Test : public MainWindowTest {
    Q_OBJECT

private:
    QComboBox *termBox() const { return control<QComboBox>("ComboBox2"); }
    QString statusLine() const { return control<QLabel>("GradButton4")->text(); }

private slots:
    void init()
    {
        folder.writeCatalogue({{QStringLiteral("italiano_inglese.txt"), QStringLiteral("doppi.txt")},
                               {QStringLiteral("solo_intestazione.txt")},
                               {},
                               {},
                               {QStringLiteral("inglese_italiano.txt")},
                               {QStringLiteral("english.txt")}});
        folder.writeDictionary(QStringLiteral("italiano_inglese.txt"),
                               {QStringLiteral("ITALIANO-INGLESE"), QStringLiteral("intestazione"),
                                QStringLiteral("CASA"), QStringLiteral("house"), QStringLiteral("CASA"),
                                QStringLiteral("home"), QStringLiteral("CITTÀ"), QStringLiteral("city")});
        folder.writeDictionary(QStringLiteral("doppi.txt"),
                               {QStringLiteral("H"), QStringLiteral("h"), QStringLiteral("RIMA"), QStringLiteral("1"),
                                QStringLiteral("RIMA"), QStringLiteral("2"), QStringLiteral("AMO"), QStringLiteral("3"),
                                QStringLiteral("RIMA"), QStringLiteral("4")});
        folder.writeDictionary(QStringLiteral("solo_intestazione.txt"),
                               {QStringLiteral("SOLO"), QStringLiteral("intestazione")});
        startProgram();
    }

    void cleanup() { program.reset(); }

    void startupFillsListsAndStatusLine()
    {
        const QStringList catalogue = items(control<QComboBox>("ComboBox4"));
        QCOMPARE(catalogue.size(), 5 + 9);
        QCOMPARE(items(selector()), catalogue);
        QCOMPARE(items(control<QComboBox>("ComboBox5")), catalogue);
        QCOMPARE(items(control<QComboBox>("ComboBox6")),
                 QStringList({QStringLiteral("italiano_inglese.txt"), QStringLiteral("doppi.txt"), Separator,
                              QStringLiteral("solo_intestazione.txt"), Separator, Separator, Separator,
                              QStringLiteral("inglese_italiano.txt"), Separator, Separator, Separator, Separator,
                              Separator}));
        QCOMPARE(selector()->currentText(), QStringLiteral("italiano_inglese.txt"));
        QCOMPARE(form()->currentDictPath(), folder.path() + QStringLiteral("dizionari/italiano_inglese.txt"));

        // Start-up keeps repeated terms; the term box shows the first term after the header.
        QCOMPARE(items(termBox()), QStringList({QStringLiteral("ITALIANO-INGLESE"), QStringLiteral("CASA"),
                                                QStringLiteral("CASA"), QStringLiteral("CITTÀ")}));
        QCOMPARE(termBox()->currentText(), QStringLiteral("CASA"));
        QCOMPARE(statusLine(), QStringLiteral("5 DIZIONARI - 4 DEFINIZIONI NEL DIZIONARIO CORRENTE"));
        QCOMPARE(control<QLabel>("GradButton1")->text(), QStringLiteral("Riga 1"));
        QCOMPARE(control<QLabel>("GradButton2")->text(), QStringLiteral("Colonna 1"));
        QCOMPARE(control<QLabel>("GradButton3")->text(), QStringLiteral("0 caratteri nella riga"));
        QCOMPARE(control<QLabel>("Panel1")->text(), QStringLiteral("RICERCHE"));
        QVERIFY(control<QLabel>("Panel1")->isHidden());
    }

    void pickingADictionaryDropsConsecutiveRepeats()
    {
        pick(QStringLiteral("doppi.txt"));
        QCOMPARE(items(termBox()), QStringList({QStringLiteral("H"), QStringLiteral("RIMA"), QStringLiteral("AMO"),
                                                QStringLiteral("RIMA")}));
        QCOMPARE(termBox()->currentText(), QStringLiteral("RIMA"));
        QCOMPARE(statusLine(), QStringLiteral("5 DIZIONARI - 4 DEFINIZIONI NEL DIZIONARIO CORRENTE"));
        QCOMPARE(control<QProgressBar>("ProgressBar1")->value(), 5);

        // Picked again, the default dictionary lists its repeated term once.
        pick(QStringLiteral("italiano_inglese.txt"));
        QCOMPARE(items(termBox()), QStringList({QStringLiteral("ITALIANO-INGLESE"), QStringLiteral("CASA"),
                                                QStringLiteral("CITTÀ")}));
    }

    void headerOnlyDictionaryLeavesTheTermBoxEmpty()
    {
        pick(QStringLiteral("solo_intestazione.txt"));
        QCOMPARE(items(termBox()), QStringList({QStringLiteral("SOLO")}));
        QCOMPARE(termBox()->currentText(), QString());
        QCOMPARE(statusLine(), QStringLiteral("5 DIZIONARI - 1 DEFINIZIONI NEL DIZIONARIO CORRENTE"));
    }

    void typingInTheSelectorReloadsAtEveryKeystroke()
    {
        QLineEdit *edit = selector()->lineEdit();
        edit->clear();
        const QString message = messageBoxShownBy([&] { QTest::keyClicks(edit, QStringLiteral("dop")); });
        QVERIFY(message.isEmpty());
        QCOMPARE(termBox()->count(), 0);
        QCOMPARE(form()->currentDictPath(), folder.path() + QStringLiteral("dizionari/dop"));
        QCOMPARE(statusLine(), QStringLiteral("5 DIZIONARI - 4 DEFINIZIONI NEL DIZIONARIO CORRENTE"));

        QTest::keyClicks(edit, QStringLiteral("pi.txt"));
        QCOMPARE(termBox()->count(), 4);
        QCOMPARE(termBox()->currentText(), QStringLiteral("RIMA"));

        // A separator names no file: the term list is emptied without a word.
        QVERIFY(messageBoxShownBy([&] { pick(Separator); }).isEmpty());
        QCOMPARE(termBox()->count(), 0);
    }

    void onlyTheUsersHandLoadsADictionary()
    {
        form()->show();
        QVERIFY(QTest::qWaitForWindowExposed(form()));
        pick(QStringLiteral("doppi.txt"));
        // Text set by the program, then focus and Return, must not load it.
        selector()->setEditText(QStringLiteral("italiano_inglese.txt"));
        selector()->setFocus();
        QTest::keyClick(selector(), Qt::Key_Return);
        termBox()->setFocus();
        QCoreApplication::processEvents();
        QCOMPARE(termBox()->itemText(0), QStringLiteral("H"));
        QCOMPARE(termBox()->count(), 4);
        QCOMPARE(selector()->count(), 14);
    }

    void missingCatalogueShowsTheErrorAndKeepsRunning()
    {
        program.reset();
        QFile::remove(folder.path() + QStringLiteral("tutti_i_dizionari.txt"));
        const QString message = messageBoxShownBy([&] { startProgram(); });
        QVERIFY2(message.contains(QStringLiteral("tutti_i_dizionari.txt")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("No such file or directory")), qPrintable(message));
        QCOMPARE(selector()->count(), 0);
        QCOMPARE(termBox()->count(), 0);
        QCOMPARE(statusLine(), QString());
        form()->show();
        QVERIFY(form()->isVisible());
    }

    void missingDefaultDictionaryShowsTheError()
    {
        program.reset();
        QFile::remove(folder.path() + QStringLiteral("dizionari/italiano_inglese.txt"));
        const QString message = messageBoxShownBy([&] { startProgram(); });
        QVERIFY2(message.contains(QStringLiteral("dizionari/italiano_inglese.txt")), qPrintable(message));
        QCOMPARE(selector()->count(), 14);
        QCOMPARE(termBox()->count(), 0);
        // The program goes on: another dictionary loads.
        pick(QStringLiteral("doppi.txt"));
        QCOMPARE(termBox()->count(), 4);
    }

    void oddFilesNeverBreakTheLoad_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("terms");
        QTest::addColumn<QString>("termBoxText");
        QTest::newRow("empty file") << QByteArray() << QStringList() << QString();
        QTest::newRow("no line end") << QByteArray("H\r\nD\r\nCASA") << QStringList({"H", "CASA"})
                                     << QStringLiteral("CASA");
        QTest::newRow("LF only") << QByteArray("H\nD\nCASA\nhouse\n") << QStringList({"H\nD\nCASA\nhouse\n"})
                                 << QString();
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\r\n\x81\x8d\r\nX\x1a\r\nY", 13)
                                << QStringList({QString::fromUtf16(u"\u0000\u0001\u00ff", 3), QStringLiteral("X")})
                                << QStringLiteral("X");
    }

    void oddFilesNeverBreakTheLoad()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, terms);
        QFETCH(QString, termBoxText);
        folder.writeDictionaryBytes(QStringLiteral("doppi.txt"), bytes.toStdString());
        QVERIFY(messageBoxShownBy([&] { pick(QStringLiteral("doppi.txt")); }).isEmpty());
        // An empty first term of a picked dictionary is not listed.
        QCOMPARE(items(termBox()), terms);
        QCOMPARE(termBox()->currentText(), termBoxText);
    }

    void aFiftyMegabyteLineLoads()
    {
        folder.writeDictionaryBytes(QStringLiteral("doppi.txt"), "H\r\n" + std::string(50 << 20, 'x'));
        pick(QStringLiteral("doppi.txt"));
        QCOMPARE(items(termBox()), QStringList({QStringLiteral("H")}));
        QCOMPARE(statusLine(), QStringLiteral("5 DIZIONARI - 1 DEFINIZIONI NEL DIZIONARIO CORRENTE"));
    }

    void menusAndControlsCarryTheirNames()
    {
        const QList<std::pair<const char *, QKeySequence>> actions = {
            {"Esclusioni1", QKeySequence(QStringLiteral("Ctrl+E"))},
            {"Parolaintera1", QKeySequence(QStringLiteral("Ctrl+P"))},
            {"Sottostringa1", {}},
            {"Parolaintera2", QKeySequence(QStringLiteral("Ctrl+I"))},
            {"Dalettere1", QKeySequence(QStringLiteral("Ctrl+A"))},
            {"Dalettere2", QKeySequence(QStringLiteral("Ctrl+L"))},
            {"Palindromi1", QKeySequence(QStringLiteral("Ctrl+O"))},
            {"Rime1", QKeySequence(QStringLiteral("Ctrl+R"))},
            {"Test1", {}},
            {"Test2", {}},
            {"Ricerchecomplesse1", QKeySequence(QStringLiteral("F3"))},
            {"Dalettere3", QKeySequence(QStringLiteral("Ctrl+T"))},
            {"Test3", {}},
            {"Ricerchecomplesse2", QKeySequence(QStringLiteral("F4"))},
            {"Copiainmemoria1", QKeySequence(QStringLiteral("F6"))},
            {"Azzera3", QKeySequence(QStringLiteral("F7"))},
            {"Accapoautomatico1", QKeySequence(QStringLiteral("F8"))},
            {"Nascondileinformazioni2", QKeySequence(QStringLiteral("F9"))},
            {"Esci1", {}},
            {"Copia1", {}},
            {"Azzera1", {}},
            {"Nascondileinformazioni1", {}},
            {"Copiadallamemoria1", {}},
            {"Azzera2", {}},
            {"Aggiungiundizionario2", {}},
        };
        for (const auto &[name, shortcut] : actions)
            QCOMPARE(control<QAction>(name)->shortcut(), shortcut);
        QCOMPARE(control<QAction>("Parolaintera1")->text(), QStringLiteral("Parola &intera"));
        QCOMPARE(control<QAction>("Dalettere1")->text(), QStringLiteral("Anagrammi"));
        QCOMPARE(control<QAction>("Copiadallamemoria1")->text(), QStringLiteral("Copia dalla &memoria"));
        QCOMPARE(control<QPushButton>("Button1")->text(), QStringLiteral("ZELVORA IL TERMINE"));
        QCOMPARE(control<QPushButton>("Button4")->text(), QStringLiteral("ESCI"));
        QCOMPARE(form()->windowTitle(), QStringLiteral("Zelvora 1.15"));
        for (const char *name : {"RxRichEdit1", "RxRichEdit2"})
            QVERIFY(QFontInfo(control<QPlainTextEdit>(name)->font()).fixedPitch());
        for (const char *name : {"Label1", "Label3", "ComboBox4", "ComboBox5", "ComboBox6", "Panel1"})
            QVERIFY(control(name)->isHidden());
    }

    void lineCounterFollowsTheResultsPane()
    {
        auto *results = control<QPlainTextEdit>("RxRichEdit2");
        results->setPlainText(QStringLiteral("uno\ndue\n"));
        QCOMPARE(control<QLabel>("Panel2")->text(), QStringLiteral("2  LINEE"));
        results->clear();
        QCOMPARE(control<QLabel>("Panel2")->text(), QStringLiteral("0  LINEE"));
    }

    void theMainWindowStaysMaximised()
    {
        form()->showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(form()));
        QCOMPARE(QApplication::focusWidget(), termBox());
        form()->showNormal();
        QTRY_VERIFY(form()->isMaximized());
    }

    void exitClosesTheMainWindow()
    {
        form()->show();
        QTest::mouseClick(control<QPushButton>("Button4"), Qt::LeftButton);
        QVERIFY(!form()->isVisible());
        form()->show();
        control<QAction>("Esci1")->trigger();
        QVERIFY(!form()->isVisible());
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
