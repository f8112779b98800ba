#include "WindowTestHelpers.h"

#include "app/Form2.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QProgressBar>
#include <QTimer>

namespace {

// Nine sections, each but the third naming dictionaries; all but doppi.txt,
// solo_intestazione.txt and inglese_italiano.txt hold CASA.
QStringList section(int n)
{
    static const QList<QStringList> names = {
        {"italiano_inglese.txt", "doppi.txt"}, {"solo_intestazione.txt"}, {}, {"glossario.txt"},
        {"inglese_italiano.txt"}, {"english.txt"}, {"s7.txt"}, {"s8.txt"}, {"s9.txt"},
    };
    return names[n - 1] + QStringList{Separator};
}

QStringList sections(std::initializer_list<int> numbers)
{
    QStringList lines;
    for (const int n : numbers)
        lines += section(n);
    return lines;
}

QString header(const char *name)
{
    return QStringLiteral("----- %1 -----").arg(QLatin1String(name));
}

} // namespace

class ExclusionsTest : public MainWindowTest {
    Q_OBJECT

private:
    Form2 *form2() const { return program->form2(); }
    QListWidget *ticks() const { return form2()->findChild<QListWidget *>(QStringLiteral("RxCheckListBox1")); }
    QPushButton *chiudi() const { return form2()->findChild<QPushButton *>(QStringLiteral("GradButton1")); }
    QStringList activeList() const { return items(control<QComboBox>("ComboBox5")); }
    QStringList tickStates() const
    {
        QStringList states;
        for (int i = 0; i < ticks()->count(); ++i)
            states += ticks()->item(i)->checkState() == Qt::Checked ? QStringLiteral("x") : QStringLiteral("-");
        return states;
    }

    // Opens the window as a user sees it, not waiting for it to close.
    void open()
    {
        form2()->show();
        QVERIFY(QTest::qWaitForWindowExposed(form2()));
    }
    // Clicks on the rows whose ticks differ from `wanted` ("x" ticked, "-" not).
    void setTicks(const QStringList &wanted)
    {
        for (int i = 0; i < ticks()->count(); ++i)
            if (tickStates()[i] != wanted[i])
                QTest::mouseClick(ticks()->viewport(), Qt::LeftButton, {}, ticks()->visualItemRect(ticks()->item(i)).center());
        QCOMPARE(tickStates(), wanted);
    }
    void applyTicks(const QStringList &wanted)
    {
        open();
        setTicks(wanted);
        QTest::mouseClick(chiudi(), Qt::LeftButton);
        QVERIFY(!form2()->isVisible());
    }
    // The dictionaries in which the whole word search over all dictionaries finds CASA.
    QStringList wholeWordHeaders()
    {
        QStringList headers;
        for (const QString &line : typeAndClick("casa", "Button6"))
            if (line.startsWith(QLatin1String("-----")))
                headers += line;
        return headers;
    }

private slots:
    void init()
    {
        startWithTestFolder();
        program.reset();
        writeFile(path("tutti_i_dizionari.txt"), sections({1, 2, 3, 4, 5, 6, 7, 8, 9}) + QStringList{"dopo.txt"});
        for (const char *name : {"glossario.txt", "s7.txt", "s8.txt", "s9.txt"})
            writeFile(path(QStringLiteral("dizionari/") + QLatin1String(name)), QStringList({"H", "-", "CASA", name}));
        startProgram();
        showWindow();
    }
    void cleanup() { program.reset(); }

    void theMenuItemAndItsShortcutOpenTheWindowModally()
    {
        termBox()->setFocus();
        // The shortcut first: once a dialog closes, the offscreen platform gives no window the activation back.
        for (const bool byShortcut : {true, false}) {
            QWidget *modal = nullptr;
            QTimer::singleShot(0, form2(), [&] {
                modal = QApplication::activeModalWidget();
                form2()->close();
            });
            if (byShortcut)
                QTest::keyClick(termBox()->lineEdit(), Qt::Key_E, Qt::ControlModifier);
            else
                control<QAction>("Esclusioni1")->trigger();
            QCOMPARE(modal, form2());
        }
    }

    void closingAppliesTheTicksByTheTableOfKeptSections()
    {
        const QList<std::tuple<QStringList, QStringList, QStringList>> runs = {
            // English and secondary together keep sections 7 and 9, not 8.
            {{"x", "x", "-"}, sections({1, 2, 3, 4, 7, 9}),
             {header("italiano_inglese.txt"), header("glossario.txt"), header("s7.txt"),
              header("s9.txt")}},
            {{"x", "x", "x"}, sections({1, 2, 3}), {header("italiano_inglese.txt")}},
            // Nothing ticked gives the nine sections back; what follows the ninth is not a section.
            {{"-", "-", "-"}, sections({1, 2, 3, 4, 5, 6, 7, 8, 9}),
             {header("italiano_inglese.txt"), header("glossario.txt"), header("english.txt"),
              header("s7.txt"), header("s8.txt"), header("s9.txt")}},
        };
        for (const auto &[wanted, kept, found] : runs) {
            pick("doppi.txt");
            applyTicks(wanted);
            QCOMPARE(activeList(), kept);
            QCOMPARE(items(selector()), kept);
            // The default dictionary is current again, loaded with its repeats.
            QCOMPARE(selector()->currentText(), QStringLiteral("italiano_inglese.txt"));
            QCOMPARE(items(termBox()).mid(0, 3), QStringList({"ITALIANO-INGLESE", "CASA", "CASA"}));
            QCOMPARE(termBox()->currentText(), QStringLiteral("CASA"));
            QCOMPARE(control<QProgressBar>("ProgressBar1")->value(), 18);
            const auto dictionaries = std::count_if(kept.begin(), kept.end(), [](const QString &l) { return l != Separator; });
            QCOMPARE(text("GradButton4"),
                     QStringLiteral("%1 DIZIONARI - 18 DEFINIZIONI NEL DIZIONARIO CORRENTE").arg(dictionaries));
            // Both searches over all dictionaries walk the new lists.
            QCOMPARE(wholeWordHeaders(), found);
            QCOMPARE(typeAndClick("casa", "Button25").filter(QStringLiteral("-----")), found);
        }
    }

    // The ticks stay through a close that applies nothing and through a language switch.
    void theTitleBarCloseAppliesNothingAndTicksStay()
    {
        QCOMPARE(tickStates(), QStringList({"-", "-", "-"}));
        applyTicks({"-", "-", "x"});
        pick("doppi.txt");
        const QStringList active = activeList();
        open();
        QCOMPARE(tickStates(), QStringList({"-", "-", "x"}));
        setTicks({"x", "-", "x"});
        form2()->close();
        QCOMPARE(activeList(), active);
        QCOMPARE(items(selector()), active);
        QCOMPARE(form()->currentDictPath(), path("dizionari/doppi.txt"));
        QCOMPARE(items(termBox()), QStringList({"H", "RIMA", "AMO", "RIMA"}));
        clickFlag("Image2");
        open();
        QCOMPARE(tickStates(), QStringList({"x", "-", "x"}));
        form2()->close();
        clickFlag("Image1");
        QCOMPARE(tickStates(), QStringList({"x", "-", "x"}));
    }

    void anUnreadableCatalogueLeavesTheActiveListAsItWas()
    {
        QVERIFY(QFile::rename(path("tutti_i_dizionari.txt"), path("altrove.txt")));
        open();
        setTicks({"x", "x", "x"});
        const QString message = messageBoxShownBy([&] { QTest::mouseClick(chiudi(), Qt::LeftButton); });
        QVERIFY2(message.contains(path("tutti_i_dizionari.txt")) && message.contains("No such file or directory"),
                 qPrintable(message));
        QVERIFY(form2()->isVisible());
        QCOMPARE(activeList(), sections({1, 2, 3, 4, 5, 6, 7, 8, 9}) + QStringList{"dopo.txt"});
        // Once the catalogue is back, the same click applies the ticks and closes.
        QVERIFY(QFile::rename(path("altrove.txt"), path("tutti_i_dizionari.txt")));
        QTest::mouseClick(chiudi(), Qt::LeftButton);
        QVERIFY(!form2()->isVisible());
        QCOMPARE(activeList(), sections({1, 2, 3}));
    }

    void aMissingDefaultDictionaryIsReportedWithTheListsRefilled()
    {
        QVERIFY(QFile::remove(path("dizionari/italiano_inglese.txt")));
        open();
        setTicks({"x", "-", "-"});
        const QString message = messageBoxShownBy([&] { QTest::mouseClick(chiudi(), Qt::LeftButton); });
        QVERIFY2(message.contains(path("dizionari/italiano_inglese.txt")), qPrintable(message));
        QVERIFY(form2()->isVisible());
        QCOMPARE(activeList(), sections({1, 2, 3, 4, 7, 8, 9}));
        QCOMPARE(items(selector()), sections({1, 2, 3, 4, 7, 8, 9}));
        QCOMPARE(termBox()->count(), 0);
        form2()->close();
        pick("doppi.txt");
        QCOMPARE(termBox()->count(), 4);
    }

    void shrinkingBelowHalfTheDesignSizeSnapsBack()
    {
        open();
        QCOMPARE(form2()->size(), QSize(568, 255));
        form2()->resize(300, 130);
        QTRY_COMPARE(form2()->size(), QSize(300, 130));
        form2()->resize(283, 200);
        QTRY_COMPARE(form2()->size(), QSize(568, 255));
        form2()->resize(400, 126);
        QTRY_COMPARE(form2()->size(), QSize(568, 255));
        form2()->close();
    }
};

QTEST_MAIN(ExclusionsTest)
#include "ExclusionsTest.moc"
