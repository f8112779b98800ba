#include "WindowTestHelpers.h"

#include <QAction>
#include <QProgressBar>

class Form1Test : public MainWindowTest {
    Q_OBJECT

private slots:
    void init() { startWithTestFolder(); }
    void cleanup() { program.reset(); }

    void startupFillsListsAndStatusLine()
    {
        const QStringList catalogue = items(control<QComboBox>("ComboBox4"));
        QCOMPARE(catalogue.size(), 6 + 9);
        QCOMPARE(items(selector()), catalogue);
        QCOMPARE(items(control<QComboBox>("ComboBox5")), catalogue);
        // The Italian dictionaries: those of sections 1 to 5.
        QCOMPARE(items(control<QComboBox>("ComboBox6")),
                 QStringList({"italiano_inglese.txt", "italiano_francese.txt", "doppi.txt", Separator,
                              "solo_intestazione.txt", Separator, Separator, Separator, "inglese_italiano.txt",
                              Separator, Separator, Separator, Separator, Separator}));
        QCOMPARE(selector()->currentText(), QStringLiteral("italiano_inglese.txt"));
        // Start-up keeps repeated terms; the term box shows item 1, the first term after the header.
        QCOMPARE(items(termBox()).first(4), QStringList({"ITALIANO-INGLESE", "CASA", "CASA", "CASSA"}));
        QCOMPARE(termBox()->currentText(), QStringLiteral("CASA"));
        QCOMPARE(text("GradButton4"), QStringLiteral("6 DIZIONARI - 18 DEFINIZIONI NEL DIZIONARIO CORRENTE"));
        QCOMPARE(text("GradButton1") + "|" + text("GradButton2") + "|" + text("GradButton3"),
                 QStringLiteral("Riga 1|Colonna 1|0 caratteri nella riga"));
        for (const char *name : {"Label1", "Label3", "ComboBox4", "ComboBox5", "ComboBox6", "Panel1"})
            QVERIFY2(control(name)->isHidden(), name);
    }

    void pickingADictionaryDropsConsecutiveRepeats()
    {
        pick("doppi.txt");
        QCOMPARE(items(termBox()), QStringList({"H", "RIMA", "AMO", "RIMA"}));
        QCOMPARE(termBox()->currentText(), QStringLiteral("RIMA"));
        QCOMPARE(text("GradButton4"), QStringLiteral("6 DIZIONARI - 4 DEFINIZIONI NEL DIZIONARIO CORRENTE"));
        QCOMPARE(control<QProgressBar>("ProgressBar1")->value(), 5);
        // Picked again, the start-up dictionary lists its repeated term once.
        pick("italiano_inglese.txt");
        QCOMPARE(items(termBox()).first(3), QStringList({"ITALIANO-INGLESE", "CASA", "CASSA"}));
        // A header-only dictionary leaves the term box empty.
        pick("solo_intestazione.txt");
        QCOMPARE(items(termBox()), QStringList({"SOLO"}));
        QCOMPARE(termBox()->currentText(), QString());
        QCOMPARE(text("GradButton4"), QStringLiteral("6 DIZIONARI - 1 DEFINIZIONI NEL DIZIONARIO CORRENTE"));
    }

    void theSelectorLoadsOnlyByTheUsersHand()
    {
        // Typing loads at every keystroke, silently while the name is partial.
        showWindow();
        QLineEdit *edit = selector()->lineEdit();
        edit->clear();
        QCOMPARE(messageBoxShownBy([&] { QTest::keyClicks(edit, QStringLiteral("dop")); }), QString());
        QCOMPARE(termBox()->count(), 0);
        QTest::keyClicks(edit, QStringLiteral("pi.txt"));
        QCOMPARE(termBox()->count(), 4);
        // A separator names no file: the term list is emptied without a word.
        QCOMPARE(messageBoxShownBy([&] { pick(Separator); }), QString());
        QCOMPARE(termBox()->count(), 0);

        // Text set by the program, then focus-out and Return, must not load it.
        pick("doppi.txt");
        selector()->setEditText(QStringLiteral("italiano_inglese.txt"));
        selector()->setFocus();
        QTest::keyClick(selector(), Qt::Key_Return);
        termBox()->setFocus();
        QCoreApplication::processEvents();
        QCOMPARE(items(termBox()), QStringList({"H", "RIMA", "AMO", "RIMA"}));
        QCOMPARE(selector()->count(), 15);
    }

    void missingFilesShowTheErrorAndKeepRunning()
    {
        for (const auto &[file, listed] : {std::pair("dizionari/italiano_inglese.txt", 15),
                                           std::pair("tutti_i_dizionari.txt", 0)}) {
            program.reset();
            QVERIFY(QFile::remove(path(file)));
            const QString message = messageBoxShownBy([&] { startProgram(); });
            QVERIFY2(message.contains(path(file)) && message.contains("No such file or directory"),
                     qPrintable(message));
            QCOMPARE(selector()->count(), listed);
            QCOMPARE(termBox()->count(), 0);
            showWindow();
            // A lookup tries the default dictionary, catalogue or not, and names it.
            const QString lookup = messageBoxShownBy([&] { typeAndClick("casa", "Button1"); });
            QVERIFY2(lookup.contains(path("dizionari/italiano_inglese.txt")), qPrintable(lookup));
        }
    }

    void oddFilesNeverBreakTheLoad()
    {
        const QList<std::pair<QByteArray, QStringList>> files = {
            {QByteArray(), {}},
            {"H\r\nD\r\nCASA", {"H", "CASA"}}, // no line end
            {QByteArray("\x00\x01\xff\r\n\x81\x8d\r\nX\x1a\r\nY", 13),
             {QString::fromUtf16(u"\u0000\u0001\u00ff", 3), "X"}},
            {"H\r\n" + QByteArray(50 << 20, 'x'), {"H"}},
        };
        for (const auto &[bytes, terms] : files) {
            writeFile(path("dizionari/doppi.txt"), bytes.toStdString());
            QCOMPARE(messageBoxShownBy([&] { pick("doppi.txt"); }), QString());
            QCOMPARE(items(termBox()), terms);
            QCOMPARE(termBox()->currentText(), terms.value(1));
        }
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
        click("Button4");
        QVERIFY(!form()->isVisible());
        form()->show();
        control<QAction>("Esci1")->trigger();
        QVERIFY(!form()->isVisible());
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
