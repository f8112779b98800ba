#include "WindowTestHelpers.h"

#include "ui/PaneLines.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStringListModel>
#include <QTabWidget>
#include <QtTest>

#include <tuple>

namespace {

const QString Title = QStringLiteral("Zelvora 1.15");
const QString ItalianHeader = QStringLiteral("----- italiano_inglese.txt -----");
const QString EnglishHeader = QStringLiteral("----- english.txt -----");
constexpr const char *LetterBoxes[] = {"Edit164", "Edit165", "Edit166", "Edit167", "Edit168", "Edit169", "Edit170",
                                       "Edit171", "Edit172", "Edit173", "Edit3",   "Edit4",   "Edit5",   "Edit6"};
constexpr const char *PositionCaptions[] = {"Panel4",  "Panel8",  "Panel9", "Panel16", "Panel17",
                                            "Panel24", "Panel25", "Panel32", "Panel33", "Panel40",
                                            "Panel5",  "Panel6",  "Panel7",  "Panel10"};

// A menu item, its shortcut, the term it runs on and what it leaves: the pane's
// lines, or the letters panel as "Panel64", the title shown and Panel14's text.
struct MenuRun {
    const char *item;
    const char *key;
    QString term;
    QStringList outcome;
};

} // namespace

class SearchWindowTest : public MainWindowTest {
    Q_OBJECT

private:
    QComboBox *termBox() const { return control<QComboBox>("ComboBox2"); }
    QPlainTextEdit *pane() const { return control<QPlainTextEdit>("RxRichEdit2"); }
    QStringList results() const { return paneLines(pane()); }
    QLineEdit *letterBox(int position) const { return control<QLineEdit>(LetterBoxes[position - 1]); }
    bool shown(const char *name) const { return !control(name)->isHidden(); }

    // A click by the mouse, on the tab that holds the button.
    void click(const char *name)
    {
        auto *button = control<QPushButton>(name);
        auto *tabs = control<QTabWidget>("PageControl1");
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(button))
                tabs->setCurrentIndex(i);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QStringList outcome() const
    {
        if (!shown("Panel64"))
            return results();
        return {QStringLiteral("Panel64"), QString::fromLatin1(shown("Panel13") ? "Panel13" : "Panel12"),
                control<QPushButton>("Panel14")->text()};
    }
    void reset(const QString &term)
    {
        if (shown("Panel64"))
            click("Panel11");
        pane()->clear();
        termBox()->setEditText(term);
    }
    QList<MenuRun> menuRuns() const
    {
        return {
            {"Parolaintera1", "Ctrl+P", "casa", {ItalianHeader, "CASA = house", EnglishHeader, "CASA = home"}},
            {"Sottostringa1", nullptr, "cass", {ItalianHeader, "CASSA = crate", EnglishHeader, "CASSAVA = cassava"}},
            {"Parolaintera2", "Ctrl+I", "casa", {ItalianHeader, "CASA = house"}},
            {"Dalettere1", "Ctrl+A", "roma", {"RAMO", "ROMA", "ORMA", "MORA"}},
            {"Dalettere2", "Ctrl+L", "", {"Panel64", "Panel12", "italiano_inglese.txt"}},
            {"Palindromi1", "Ctrl+O", "", {"OSSO", "RADAR"}},
            {"Rime1", "Ctrl+R", "are", {"AMARE", "ARE"}},
            {"Test1", nullptr, "ass", {"CASSA = crate"}},
            {"Dalettere3", "Ctrl+T", "", {"Panel64", "Panel13", "inglese_italiano.txt"}},
        };
    }

private slots:
    void init()
    {
        folder.writeCatalogue(
            {{"italiano_inglese.txt", "italiano_francese.txt"}, {}, {}, {}, {"inglese_italiano.txt"}, {"english.txt"}});
        folder.writeDictionary(QStringLiteral("italiano_inglese.txt"),
                               {"ITALIANO-INGLESE", "intestazione", "CASA", "house", "CASSA", "crate", "RAMO", "branch",
                                "ROMA", "Rome", "AMORE", "love", "ORMA", "footprint", "ROMANA", "Roman",
                                "MORA", "blackberry", "AMARE", "to love", "ARENARE", "to strand", "ARE", "are",
                                "OSSO", "bone", "RADAR", "radar", "CITTÀ", "city"});
        folder.writeDictionary(QStringLiteral("italiano_francese.txt"),
                               {"ITALIANO-FRANCESE", "intestazione", "CANE", "chien", "GATTO", "chat"});
        folder.writeDictionary(QStringLiteral("inglese_italiano.txt"),
                               {"INGLESE-ITALIANO", "header", "CASTLE", "castello", "HOUSE", "casa"});
        folder.writeDictionary(QStringLiteral("english.txt"),
                               {"ENGLISH", "header", "CASA", "home", "CASSAVA", "cassava"});
        startProgram();
        form()->show();
        QVERIFY(QTest::qWaitForWindowExposed(form()));
        form()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form()));
    }

    void cleanup() { program.reset(); }

    void searchControlsCarryTheirCaptionsAndHints()
    {
        auto *tabs = control<QTabWidget>("PageControl1");
        const QList<std::tuple<const char *, QString, QList<const char *>>> pages = {
            {"TabSheet1", "TUTTI I DIZIONARI", {"Button6", "Button25"}},
            {"TabSheet2", "DIZIONARI ITALIANI", {"Button13"}},
            {"TabSheet3", "DIZIONARIO CORRENTE", {"Button2", "Button31", "Button35", "Button7", "Button23"}},
            {"TabSheet4", "DIZIONARIO INGLESE-ITALIANO", {"Button32"}},
        };
        QCOMPARE(tabs->count(), 4);
        for (int i = 0; i < 4; ++i) {
            const auto &[name, caption, buttons] = pages[i];
            QCOMPARE(tabs->widget(i)->objectName(), QString::fromLatin1(name));
            QCOMPARE(tabs->tabText(i), caption);
            for (const char *button : buttons)
                QVERIFY2(tabs->widget(i)->isAncestorOf(control(button)), button);
        }
        const QList<std::pair<const char *, QString>> captions = {
            {"Button6", "PAROLA INTERA"}, {"Button25", "SOTTOSTRINGA"}, {"Button13", "PAROLA INTERA"},
            {"Button2", "ANAGRAMMI"},     {"Button31", "DA LETTERE"},   {"Button35", "PALINDROMI"},
            {"Button7", "RIME"},          {"Button23", "SOTTOSTRINGA"}, {"Button32", "DA LETTERE"},
            {"Panel49", "CERCA"},         {"Panel11", "CHIUDI"},
            {"Panel12", "RICERCA DI PAROLE DA LETTERE DATE"},
            {"Panel13", "RICERCA DI PAROLE DA LETTERE DATE"},
        };
        for (const auto &[name, caption] : captions)
            QCOMPARE(control<QPushButton>(name)->text(), caption);
        QCOMPARE(control("Button25")->toolTip(),
                 QStringLiteral("Usare con cautela. Inserire stringhe di almeno 4 caratteri."));
        QCOMPARE(control("Button23")->toolTip(), QStringLiteral("Inserire stringhe di almeno 3 caratteri."));
        QCOMPARE(control("Button7")->toolTip(), QStringLiteral("Scrivere solo la parte finale della parola"));
    }

    void menuItemsAndShortcutsRunTheirButtons()
    {
        for (const MenuRun &run : menuRuns()) {
            reset(run.term);
            control<QAction>(run.item)->trigger();
            QVERIFY2(outcome() == run.outcome, run.item);
            if (!run.key)
                continue;
            // The text fields must not keep the keys for themselves (Ctrl+A: select all).
            const QKeyCombination key = QKeySequence(QString::fromLatin1(run.key))[0];
            for (const char *focused : {"ComboBox2", "RxRichEdit1", "RxRichEdit2"}) {
                reset(run.term);
                control(focused)->setFocus();
                QCOMPARE(QApplication::focusWidget(), control(focused));
                QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
                QVERIFY2(outcome() == run.outcome, qPrintable(QStringLiteral("%1 in %2: %3").arg(
                                                       run.key, focused, outcome().join(QLatin1Char('|')))));
            }
        }
    }

    void wholeWordSearchWalksItsList()
    {
        pick(QStringLiteral("italiano_francese.txt"));
        const QString dictPath = form()->currentDictPath();
        type(QStringLiteral("casa"));
        click("Button6");
        QCOMPARE(results(), QStringList({ItalianHeader, "CASA = house", EnglishHeader, "CASA = home"}));
        QCOMPARE(control<QLabel>("Panel2")->text(), QStringLiteral("4  LINEE"));
        QCOMPARE(termBox()->currentText(), QStringLiteral("CASA"));
        QCOMPARE(form()->windowTitle(), Title);
        QCOMPARE(selector()->currentText(), QStringLiteral("italiano_francese.txt"));
        QCOMPARE(form()->currentDictPath(), dictPath);
        QCOMPARE(qobject_cast<QStringListModel *>(termBox()->model())->stringList(),
                 QStringList({"ITALIANO-FRANCESE", "CANE", "GATTO"}));

        // The Italian dictionaries end with section 5: english.txt (section 6) is never searched.
        type(QStringLiteral("casa"));
        click("Button13");
        QCOMPARE(results(), QStringList({ItalianHeader, "CASA = house"}));
        QCOMPARE(control<QLabel>("Panel2")->text(), QStringLiteral("2  LINEE"));
        QCOMPARE(form()->currentDictPath(), dictPath);

        // Button6 walks the active list as it stands, in its order.
        auto *active = control<QComboBox>("ComboBox5");
        active->clear();
        active->addItems({"english.txt", "________________________", "italiano_inglese.txt"});
        click("Button6");
        QCOMPARE(results(), QStringList({EnglishHeader, "CASA = home", ItalianHeader, "CASA = house"}));

        // A missing dictionary stops the walk: the findings before it stay, the buttons come back.
        QVERIFY(QFile::remove(folder.path() + QStringLiteral("dizionari/inglese_italiano.txt")));
        const char *buttons[] = {"Button6", "Button13", "Button23", "Button25", "Button2", "Button7"};
        active->clear();
        active->addItems({"italiano_inglese.txt", "inglese_italiano.txt", "english.txt"});
        for (const char *button : {"Button6", "Button13"}) {
            bool disabledMeanwhile = true;
            const QString message = messageBoxShownBy([&] { click(button); }, [&] {
                for (const char *name : buttons)
                    disabledMeanwhile = disabledMeanwhile && !control(name)->isEnabled();
            });
            QVERIFY2(message.contains(QStringLiteral("dizionari/inglese_italiano.txt")), qPrintable(message));
            QVERIFY2(disabledMeanwhile, button);
            QCOMPARE(results(), QStringList({ItalianHeader, "CASA = house"}));
            for (const char *name : buttons)
                QVERIFY2(control(name)->isEnabled(), name);
            QCOMPARE(form()->windowTitle(), Title);
            QCOMPARE(selector()->currentText(), QStringLiteral("italiano_francese.txt"));
            QCOMPARE(form()->currentDictPath(), dictPath);
        }
    }

    void substringSearchesNeedTheirMinimumLength()
    {
        pane()->setPlainText(QStringLiteral("prima\n"));
        type(QStringLiteral("as"));
        click("Button23");
        type(QStringLiteral("cas"));
        click("Button25");
        QCOMPARE(results(), QStringList({"prima"}));

        // Accented letters are upper-cased too.
        type(QStringLiteral("ittà"));
        click("Button23");
        QCOMPARE(results(), QStringList({"CITTÀ = city"}));
        QCOMPARE(termBox()->currentText(), QStringLiteral("ITTÀ"));
        QCOMPARE(form()->windowTitle(), Title);

        type(QStringLiteral("cass"));
        click("Button25");
        QCOMPARE(results(), QStringList({ItalianHeader, "CASSA = crate", EnglishHeader, "CASSAVA = cassava"}));
        QCOMPARE(termBox()->currentText(), QStringLiteral("CASS"));
        QCOMPARE(form()->windowTitle(), Title);
        QCOMPARE(selector()->currentText(), QStringLiteral("italiano_inglese.txt"));
    }

    void wordGamesListTermsAndMoveTheProgressBar()
    {
        type(QStringLiteral("roma"));
        click("Button2");
        QCOMPARE(results(), QStringList({"RAMO", "ROMA", "ORMA", "MORA"}));
        QCOMPARE(termBox()->currentText(), QStringLiteral("ROMA"));
        auto *bar = control<QProgressBar>("ProgressBar1");
        QCOMPARE(bar->maximum(), termBox()->count());
        QCOMPARE(bar->value(), bar->maximum());
        QTest::mousePress(bar, Qt::LeftButton);
        QCOMPARE(bar->value(), 0);
        QTest::mouseRelease(bar, Qt::LeftButton);

        for (const QString &word : {QStringLiteral("r"), QString(51, QLatin1Char('r'))}) {
            type(word);
            click("Button2");
            QCOMPARE(results(), QStringList({"RAMO", "ROMA", "ORMA", "MORA"}));
        }

        type(QStringLiteral("are"));
        click("Button7");
        QCOMPARE(results(), QStringList({"AMARE", "ARE"}));
        QCOMPARE(termBox()->currentText(), QStringLiteral("ARE"));
        type(QStringLiteral("e"));
        click("Button7");
        QCOMPARE(results(), QStringList({"AMARE", "ARE"}));

        type(QStringLiteral("osso"));
        click("Button35");
        QCOMPARE(results(), QStringList({"OSSO", "RADAR"}));
        QCOMPARE(termBox()->currentText(), QStringLiteral("OSSO"));
    }

    void lettersPanelSearchesByPosition()
    {
        QVERIFY(!shown("Panel64"));
        click("Button31");
        QVERIFY(shown("Panel64") && shown("Panel12") && !shown("Panel13"));
        QCOMPARE(control<QPushButton>("Panel14")->text(), selector()->currentText());
        for (int k = 0; k < 14; ++k)
            QCOMPARE(control<QLabel>(PositionCaptions[k])->text(), QString::number(k + 1));

        // Typed letters become capitals, one character a box.
        QTest::keyClick(letterBox(1), 'c');
        QTest::keyClick(letterBox(1), 'x');
        QTest::keyClick(letterBox(2), 'a');
        QTest::keyClick(letterBox(3), 's');
        QCOMPARE(letterBox(1)->text(), QStringLiteral("C"));
        QTest::sendKeyEvent(QTest::Click, letterBox(14), Qt::Key_unknown, QStringLiteral("à"), Qt::NoModifier);
        QCOMPARE(letterBox(14)->text(), QStringLiteral("À"));
        letterBox(14)->clear();

        click("Panel49");
        QCOMPARE(results(), QStringList({"[PAROLE TROVATE]", "CASA", "CASSA"}));
        // Panel14 keeps the name it showed; the search takes the selector's dictionary.
        pick(QStringLiteral("english.txt"));
        click("Panel49");
        QCOMPARE(results(), QStringList({"[PAROLE TROVATE]", "CASA", "CASSAVA"}));
        QCOMPARE(control<QPushButton>("Panel14")->text(), QStringLiteral("italiano_inglese.txt"));

        // The English-Italian panel searches its file whatever the selector says; the boxes stay.
        click("Button32");
        QVERIFY(shown("Panel64") && !shown("Panel12") && shown("Panel13"));
        QCOMPARE(control<QPushButton>("Panel14")->text(), QStringLiteral("inglese_italiano.txt"));
        click("Panel49");
        QCOMPARE(results(), QStringList({"[PAROLE TROVATE]", "CASTLE"}));

        // Every way of closing empties the boxes; empty boxes search nothing.
        for (const char *closer : {"Panel11", "Panel12", "Panel13", "Panel14"}) {
            click(qstrcmp(closer, "Panel13") == 0 ? "Button32" : "Button31");
            QTest::keyClick(letterBox(5), 'z');
            click(closer);
            QVERIFY2(!shown("Panel64"), closer);
            click("Button31");
            for (int k = 1; k <= 14; ++k)
                QVERIFY2(letterBox(k)->text().isEmpty(), closer);
            click("Panel49");
            QCOMPARE(results(), QStringList({"[PAROLE TROVATE]", "CASTLE"}));
            click("Panel11");
        }
    }
};

QTEST_MAIN(SearchWindowTest)
#include "SearchWindowTest.moc"
