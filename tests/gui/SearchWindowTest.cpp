#include "WindowTestHelpers.h"

#include <QAction>

namespace {
const QString ItalianHeader = QStringLiteral("----- italiano_inglese.txt -----");
const QString EnglishHeader = QStringLiteral("----- english.txt -----");
} // namespace

class SearchWindowTest : public MainWindowTest {
    Q_OBJECT

private:
    QLineEdit *letterBox(int position) const { return control("Panel64")->findChildren<QLineEdit *>()[position - 1]; }
    bool shown(const char *name) const { return !control(name)->isHidden(); }
    // The pane's lines, or the letters panel as its title and file.
    QStringList outcome() const
    {
        if (!shown("Panel64"))
            return results();
        return {QString::fromLatin1(shown("Panel13") ? "Panel13" : "Panel12"), control<QPushButton>("Panel14")->text()};
    }
    void reset(const QString &term)
    {
        click("Panel11");
        resultsPane()->clear();
        termBox()->setEditText(term);
    }
    // What a search must leave as it found it: the title and the current dictionary.
    QStringList currentDictionary() const
    {
        return {form()->windowTitle(), selector()->currentText(), form()->currentDictPath(),
                items(termBox()).join(QLatin1Char('|'))};
    }

private slots:
    void init()
    {
        startWithTestFolder();
        showWindow();
    }

    void cleanup() { program.reset(); }

    void menuItemsRunTheSearchesOnTheirTabs()
    {
        const QList<std::tuple<const char *, QString, QStringList>> runs = {
            {"Parolaintera1", "casa", {ItalianHeader, "CASA = house", EnglishHeader, "CASA = home"}},
            {"Sottostringa1", "cass", {ItalianHeader, "CASSA = crate", EnglishHeader, "CASSAVA = cassava"}},
            {"Parolaintera2", "casa", {ItalianHeader, "CASA = house"}}, // Italian sections only
            {"Dalettere1", "roma", {"RAMO", "ROMA", "ORMA", "MORA"}},
            {"Dalettere2", "", {"Panel12", "italiano_inglese.txt"}},
            {"Palindromi1", "", {"OSSO", "RADAR"}},
            {"Rime1", "are", {"AMARE", "ARE"}},
            {"Test1", "ass", {"CASSA = crate"}},
            {"Dalettere3", "", {"Panel13", "inglese_italiano.txt"}},
        };
        for (const auto &[item, term, expected] : runs) {
            reset(term);
            control<QAction>(item)->trigger();
            QVERIFY2(outcome() == expected, item);
        }
    }

    void shortcutsReachTheMenuFromTheTextFields()
    {
        // Ctrl+A would select all in a text field: the menu's anagrams must get it.
        for (const char *focused : {"ComboBox2", "RxRichEdit1", "RxRichEdit2"}) {
            reset(QStringLiteral("roma"));
            control(focused)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QVERIFY2(results() == QStringList({"RAMO", "ROMA", "ORMA", "MORA"}), focused);
        }
    }

    void wholeWordSearchKeepsTheCurrentDictionary()
    {
        pick("italiano_francese.txt");
        const QStringList current = currentDictionary();
        QCOMPARE(typeAndClick("casa", "Button6").size(), 4);
        QCOMPARE(termBox()->currentText(), QStringLiteral("CASA"));
        QCOMPARE(currentDictionary(), current);

        // A missing dictionary stops the walk: the findings before it stay, the buttons come back.
        QVERIFY(QFile::remove(path("dizionari/inglese_italiano.txt")));
        const char *buttons[] = {"Button6", "Button13", "Button23", "Button25", "Button2", "Button7"};
        bool disabledMeanwhile = true;
        const QString message = messageBoxShownBy([&] { click("Button6"); }, [&] {
            for (const char *name : buttons)
                disabledMeanwhile = disabledMeanwhile && !control(name)->isEnabled();
        });
        QVERIFY2(message.contains("dizionari/inglese_italiano.txt") && disabledMeanwhile, qPrintable(message));
        QCOMPARE(results(), QStringList({ItalianHeader, "CASA = house"}));
        for (const char *name : buttons)
            QVERIFY2(control(name)->isEnabled(), name);
        QCOMPARE(currentDictionary(), current);
    }

    void searchesIgnoreTextsOfTheWrongLengthAndSaySo()
    {
        resultsPane()->setPlainText(QStringLiteral("prima\n"));
        // Lengths count the dictionaries' characters: an emoji is one, though two UTF-16 units.
        const QList<std::tuple<QString, const char *, QString>> ignored = {
            {"as", "Button23", "Scrivere almeno 3 caratteri"},   {"ca😀", "Button25", "Scrivere almeno 4 caratteri"},
            {"r", "Button7", "Scrivere almeno 2 caratteri"},      {"a😀", "Button23", "Scrivere almeno 3 caratteri"},
            {QString(51, 'a'), "Button2", "Scrivere al massimo 50 caratteri"},
        };
        for (const auto &[typed, button, note] : ignored) {
            QCOMPARE(typeAndClick(typed, button), QStringList({"prima"}));
            QCOMPARE(text("StatusNote"), note);
        }
        click("Button31");
        click("Panel49");
        QCOMPARE(results(), QStringList({"prima"}));
        QCOMPARE(text("StatusNote"), QStringLiteral("Scrivere almeno una lettera nelle caselle"));
        // Long enough, and upper-cased, accented letters too.
        QCOMPARE(typeAndClick("ittà", "Button23"), QStringList({"CITTÀ = city"}));
        QCOMPARE(termBox()->currentText(), QStringLiteral("ITTÀ"));
        QCOMPARE(form()->windowTitle(), QStringLiteral("Zelvora 1.15")); // its progress note is gone
        QCOMPARE(typeAndClick("xyz", "Button23"), QStringList());
        QCOMPARE(text("StatusNote"), QStringLiteral("Nessun risultato"));
    }

    void substringSearchShowsEachDictionaryInTheTitle()
    {
        QStringList titles;
        connect(form(), &QWidget::windowTitleChanged, this, [&](const QString &title) { titles += title; });
        QCOMPARE(typeAndClick("cass", "Button25"),
                 QStringList({ItalianHeader, "CASSA = crate", EnglishHeader, "CASSAVA = cassava"}));
        QStringList expected;
        for (const char *name : {"italiano_inglese.txt", "italiano_francese.txt", "doppi.txt", "solo_intestazione.txt",
                                 "inglese_italiano.txt", "english.txt"})
            expected += path(QStringLiteral("dizionari/") + name);
        QCOMPARE(titles, expected + QStringList({"Zelvora 1.15"}));
    }

    void wholeWordSearchForARejectedTermLeavesNoHeader()
    {
        typeAndClick("casa", "Button1");
        QCOMPARE(typeAndClick("ab*", "Button6"), QStringList());
        QCOMPARE(termBox()->currentText(), QStringLiteral("INSERIRE ALMENO 3 CARATTERI INIZIALI"));
        QCOMPARE(text("StatusNote"), QStringLiteral("Scrivere almeno 3 caratteri prima di *"));
        QCOMPARE(typeAndClick("casax", "Button13"), QStringList());
        QCOMPARE(text("StatusNote"), QStringLiteral("CASAX: termine non trovato"));
    }

    void lettersPanelSearchesByPosition()
    {
        click("Button31");
        // Typed letters become capitals, accented ones too, one character a box.
        QTest::keyClicks(letterBox(1), QStringLiteral("cx"));
        QTest::keyClicks(letterBox(2), QStringLiteral("a"));
        QTest::sendKeyEvent(QTest::Click, letterBox(3), Qt::Key_unknown, QStringLiteral("à"), Qt::NoModifier);
        QCOMPARE(letterBox(1)->text() + letterBox(3)->text(), QStringLiteral("CÀ"));
        letterBox(3)->setText(QStringLiteral("S"));
        click("Panel49");
        QCOMPARE(results(), QStringList({"[PAROLE TROVATE]", "CASA", "CASA", "CASSA"}));

        // The English-Italian panel searches its own file, not the selector's; the boxes stay.
        click("Button32");
        click("Panel49");
        QCOMPARE(results(), QStringList({"[PAROLE TROVATE]", "CASTLE"}));

        // Every way of closing empties the boxes; empty boxes search nothing.
        for (const char *closer : {"Panel11", "Panel12", "Panel13", "Panel14"}) {
            click(qstrcmp(closer, "Panel13") == 0 ? "Button32" : "Button31");
            QTest::keyClicks(letterBox(5), QStringLiteral("z"));
            click(closer);
            QVERIFY2(!shown("Panel64"), closer);
            click("Button31");
            for (int k = 1; k <= 14; ++k)
                QVERIFY2(letterBox(k)->text().isEmpty(), closer);
        }
        click("Panel49");
        QCOMPARE(results(), QStringList({"[PAROLE TROVATE]", "CASTLE"}));
    }
};

QTEST_MAIN(SearchWindowTest)
#include "SearchWindowTest.moc"
