#include "WindowTestHelpers.h"

#include "search/ComplexSearchWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QProgressBar>

namespace {
const QString Form4Title = QStringLiteral("Ricerca nel dizionario: italiano_inglese.txt");
const QString Form3Title = QStringLiteral("Ricerche complesse sul dizionario Inglese-Italiano (1)");
} // namespace

class ComplexSearchWindowTest : public MainWindowTest {
    Q_OBJECT

private:
    ComplexSearchWindow *form3() const { return program->form3(); }
    ComplexSearchWindow *form4() const { return program->form4(); }
    static QLineEdit *searchText(ComplexSearchWindow *w) { return controlOf<QLineEdit>(w, "Edit1"); }
    static QComboBox *fields(ComplexSearchWindow *w) { return controlOf<QComboBox>(w, "ComboBox1"); }
    static QComboBox *resultList(ComplexSearchWindow *w) { return controlOf<QComboBox>(w, "ComboBox2"); }
    static QString definition(ComplexSearchWindow *w) { return controlOf<QPlainTextEdit>(w, "RxRichEdit1")->toPlainText(); }
    static QProgressBar *gauge(ComplexSearchWindow *w) { return controlOf<QProgressBar>(w, "Gauge1"); }
    static bool dropped(QComboBox *box) { return box->view()->isVisible(); }

    // The window as the user finds it once shown: the field list dropped down
    // over it; the list goes up as the user's pick would close it.
    void expectShown(ComplexSearchWindow *w)
    {
        QVERIFY(w->isVisible());
        QVERIFY(w->windowState() & Qt::WindowMaximized);
        QVERIFY(dropped(fields(w)));
        fields(w)->hidePopup();
        QCOMPARE(w->focusWidget(), static_cast<QWidget *>(searchText(w)));
    }
    // Picks the field, writes the text, clicks "CERCA" and returns the result
    // list, putting it away if it dropped down.
    QStringList search(ComplexSearchWindow *w, int field, const QString &text)
    {
        fields(w)->setCurrentIndex(field);
        searchText(w)->setText(text);
        QTest::mouseClick(controlOf<QPushButton>(w, "Button1"), Qt::LeftButton);
        resultsDropped = dropped(resultList(w));
        resultList(w)->hidePopup();
        return items(resultList(w));
    }
    bool resultsDropped = false;
    // A click on the item in the dropped-down result list.
    void pickResult(ComplexSearchWindow *w, int index)
    {
        QComboBox *list = resultList(w);
        list->showPopup();
        QAbstractItemView *view = list->view();
        const QRect item = view->visualRect(view->model()->index(index, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QVERIFY(!dropped(list));
    }
    void close(ComplexSearchWindow *w)
    {
        QTest::mouseClick(controlOf<QPushButton>(w, "Button2"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
    }

private slots:
    void init()
    {
        startWithTestFolder();
        // Definitions that hold capitals, a repeated word and a header that matches.
        writeFile(path("dizionari/inglese_italiano.txt"),
                  QStringList({"INGLESE-ITALIANO", "Dizionario di PROVA", "DOG", "cane", "HOT DOG",
                               "panino (CANE caldo)", "DOG", "seguire", "CAT", "gatto, CANE no"}));
        showWindow();
    }

    void cleanup() { program.reset(); }

    void form4OpensFromItsTabAndF3OnTheCurrentDictionaryAndKeepsItsResults()
    {
        type(QStringLiteral("cas"));
        click("Button27");
        expectShown(form4());
        QCOMPARE(form4()->windowTitle(), Form4Title);
        QCOMPARE(searchText(form4())->text(), QStringLiteral("CAS"));
        QCOMPARE(fields(form4())->currentIndex(), -1);
        search(form4(), 0, "CAS");
        pickResult(form4(), 2);
        close(form4());

        // Shown again, it takes the term box's text and keeps the rest.
        type(QStringLiteral("ra"));
        QTest::keyClick(form(), Qt::Key_F3);
        expectShown(form4());
        QCOMPARE(searchText(form4())->text(), QStringLiteral("RA"));
        QCOMPARE(fields(form4())->currentText(), QStringLiteral("Termini"));
        QCOMPARE(items(resultList(form4())), QStringList({"CASA", "CASA", "CASSA"}));
        QCOMPARE(definition(form4()), QStringLiteral("crate"));
        close(form4());
        // The menu item clicks the button.
        bool clicked = false;
        connect(control<QPushButton>("Button27"), &QPushButton::clicked, [&] { clicked = true; });
        control<QAction>("Ricerchecomplesse1")->trigger();
        QVERIFY(clicked && form4()->isVisible());
    }

    void searchListsTermsInFileOrderAndAPickShowsTheFirstDefinition()
    {
        click("Button27");
        expectShown(form4());
        QCOMPARE(search(form4(), 0, "CAS"), QStringList({"CASA", "CASA", "CASSA"}));
        QVERIFY(resultsDropped);
        QCOMPARE(resultList(form4())->currentIndex(), -1);
        QCOMPARE(gauge(form4())->value(), 18);
        QCOMPARE(gauge(form4())->maximum(), 18);
        // The second CASA shows the first CASA's definition; the gauge stops where it was found.
        pickResult(form4(), 1);
        QCOMPARE(definition(form4()), QStringLiteral("house"));
        QCOMPARE(gauge(form4())->value(), 2);
        // A term gone from the file since the search shows nothing: the display stops at the end of the file.
        writeFile(path("dizionari/italiano_inglese.txt"), QStringList({"ITALIANO-INGLESE", "-", "CASA", "house"}));
        pickResult(form4(), 2);
        QCOMPARE(definition(form4()), QString());
        QCOMPARE(gauge(form4())->value(), 2);
        pickResult(form4(), 0);
        QCOMPARE(definition(form4()), QStringLiteral("house"));

        QCOMPARE(search(form4(), 1, "-"), QStringList({"ITALIANO-INGLESE"})); // the header's definition
        // No field, or nothing to look for, finds nothing; a pick in an empty list does nothing.
        QCOMPARE(search(form4(), -1, "CASA"), QStringList());
        QCOMPARE(gauge(form4())->value(), 0);
        QCOMPARE(search(form4(), 0, ""), QStringList());
        pickResult(form4(), 0);
        form4()->ComboBox2Change(-1);
        QCOMPARE(definition(form4()), QStringLiteral("house"));
    }

    void form3SearchesTheEnglishItalianDictionaryWhateverIsCurrent()
    {
        for (const QString &current : {QStringLiteral("italiano_inglese.txt"), QStringLiteral("doppi.txt")}) {
            pick(current);
            QTest::keyClick(form(), Qt::Key_F4);
            expectShown(form3());
            // Its own title, and the search text it had, whatever the main window holds.
            QCOMPARE(form3()->windowTitle(), Form3Title);
            QCOMPARE(searchText(form3())->text(), current == "doppi.txt" ? QStringLiteral("DOG") : QString());
            QCOMPARE(search(form3(), 1, "CANE"), QStringList({"HOT DOG", "CAT"}));
            // CAT once, though both its lines hold CA.
            QCOMPARE(search(form3(), 2, "CA"), QStringList({"HOT DOG", "CAT"}));
            QCOMPARE(search(form3(), 0, "DOG"), QStringList({"DOG", "HOT DOG", "DOG"}));
            pickResult(form3(), 2);
            QCOMPARE(definition(form3()), QStringLiteral("cane"));
            close(form3());
        }
    }

    // The pick survives the switch, and the window's own title follows it.
    void fieldsAreKnownByTheirNamesInEitherLanguage()
    {
        click("Button27");
        expectShown(form4());
        fields(form4())->setCurrentIndex(1);
        close(form4());
        clickFlag("Image2");
        QCOMPARE(fields(form4())->currentText(), QStringLiteral("Definitions"));
        click("Button27");
        expectShown(form4());
        QCOMPARE(form4()->windowTitle(), QStringLiteral("Search in: italiano_inglese.txt"));
        QCOMPARE(search(form4(), 0, "CAS"), QStringList({"CASA", "CASA", "CASSA"}));
        QCOMPARE(search(form4(), 2, "RA"), QStringList({"RAMO", "MORA", "RADAR"}));
    }

    void typedTextTurnsToCapitalsAndReturnSearches()
    {
        click("Button28");
        expectShown(form3());
        QLineEdit *edit = searchText(form3());
        edit->clear();
        for (const QChar c : QStringLiteral("città ÿ"))
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(edit->text(), QStringLiteral("CITTÀ Ÿ"));
        edit->setText(QStringLiteral("hot"));
        QCOMPARE(edit->text(), QStringLiteral("HOT"));
        fields(form3())->setCurrentIndex(0);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(items(resultList(form3())), QStringList({"HOT DOG"}));
    }

    void fileErrorsAreReportedAndTheWindowsStayUsable()
    {
        // A missing English-Italian dictionary: the window does not open.
        const QString english = path("dizionari/inglese_italiano.txt");
        QVERIFY(QFile::rename(english, english + ".via"));
        QString message = messageBoxShownBy([&] { click("Button28"); });
        QVERIFY2(message.contains("dizionari/inglese_italiano.txt"), qPrintable(message));
        QVERIFY(!form3()->isVisible());
        QVERIFY(QFile::rename(english + ".via", english));

        // The current dictionary gone while the window is open: the search
        // says so, and the window goes on working once the file is back.
        click("Button27");
        expectShown(form4());
        const QString current = path("dizionari/italiano_inglese.txt");
        QVERIFY(QFile::rename(current, current + ".via"));
        fields(form4())->setCurrentIndex(0);
        message = messageBoxShownBy([&] { form4()->Button1Click(); });
        QVERIFY2(message.contains("dizionari/italiano_inglese.txt"), qPrintable(message));
        QVERIFY(form4()->isVisible());
        QVERIFY(QFile::rename(current + ".via", current));
        QCOMPARE(search(form4(), 0, "CAS"), QStringList({"CASA", "CASA", "CASSA"}));
        close(form4());

        // A separator line in the selector names no file.
        selector()->setEditText(Separator);
        message = messageBoxShownBy([&] { click("Button27"); });
        QVERIFY2(message.contains(Separator), qPrintable(message));
        QVERIFY(!form4()->isVisible());
        pick(QStringLiteral("italiano_inglese.txt"));
        QCOMPARE(typeAndClick("casa", "Button1"), QStringList({"CASA = house"}));
    }
};

QTEST_MAIN(ComplexSearchWindowTest)
#include "ComplexSearchWindowTest.moc"
