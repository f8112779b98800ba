#include "WindowTestHelpers.h"

#include "search/ComplexSearchWindow.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace {

// Greek, Japanese and a character beyond the first 65536 (two UTF-16 units),
// none of which Windows-1252 has, beside characters it has.
const QString Omega = QStringLiteral("\u03a9");
const QString Smile = QString::fromUtf16(u"\U0001F600");

} // namespace

// What the user types or pastes that Windows-1252 cannot hold reaches the
// dictionaries, the working file and the results as one "?" a character; the
// panes keep what the user wrote.
class ForeignTextTest : public MainWindowTest {
    Q_OBJECT

private:
    static void typeInto(QWidget *field, const QString &typed)
    {
        field->setFocus();
        for (qsizetype i = 0; i < typed.size(); ++i) {
            // A character beyond the first 65536 is one key press.
            const qsizetype length = typed[i].isHighSurrogate() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, typed.mid(i, length), Qt::NoModifier);
            i += length - 1;
        }
    }
    QByteArray workingFile() const
    {
        QFile file(path("origine2.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        startWithTestFolder();
        writeFile(path("dizionari/italiano_inglese.txt"),
                  QStringList({"H", "h", "CASA", "house", "CAS?", "one unknown", "CA?A", "one other", "??", "two"}));
        program.reset();
        startProgram();
        showWindow();
    }
    void cleanup() { program.reset(); }

    void typedTermsTakeAQuestionMarkForEachCharacter()
    {
        type(QStringLiteral("cas") + Omega);
        QCOMPARE(control<QPushButton>("Button1")->text(), QStringLiteral("ZELVORA IL TERMINE"));
        click("Button1");
        QCOMPARE(results(), QStringList({"CAS? = one unknown"}));
        QCOMPARE(termBox()->currentText(), QStringLiteral("CAS?"));
        termBox()->lineEdit()->clear();
        typeInto(termBox()->lineEdit(), QStringLiteral("ca") + Smile + "a");
        click("Button1");
        QCOMPARE(results().last(), QStringLiteral("CA?A = one other"));
        QCOMPARE(typeAndClick(QStringLiteral("\u65e5\u672c"), "Button1").last(), QStringLiteral("?? = two"));
        // Pasted into the term box, the same.
        QGuiApplication::clipboard()->setText(QStringLiteral("cas") + Omega);
        termBox()->lineEdit()->clear();
        termBox()->lineEdit()->paste();
        click("Button1");
        QCOMPARE(results().last(), QStringLiteral("CAS? = one unknown"));
    }

    void typedAndPastedTextIsTranslatedWithQuestionMarksAndKeptInThePane()
    {
        const QString typed = QStringLiteral("la cas") + Omega + QStringLiteral(" ca") + Smile + QStringLiteral("a");
        input()->clear();
        typeInto(input(), typed);
        QCOMPARE(input()->toPlainText(), typed);
        // Each becomes one "?", and so one blank, as every question mark of a text does.
        click("Button8");
        QCOMPARE(results(), QStringList({"la cas  ca a", "LA = -", "CAS = -", "CA = -", "A = -"}));
        QCOMPARE(workingFile(), QByteArray("la cas  ca a\r\n"));
        QCOMPARE(input()->toPlainText(), typed);

        // Pasted from the input pane's menu, at the caret.
        const QString pasted = QStringLiteral("\u65e5\u672c, casa\n") + Smile;
        QGuiApplication::clipboard()->setText(pasted);
        input()->clear();
        control<QAction>("Copiadallamemoria1")->trigger();
        QCOMPARE(input()->toPlainText(), pasted);
        click("Button19");
        QCOMPARE(results(), QStringList({"CASA"}));
        QCOMPARE(workingFile(), QByteArray("    casa\r\n \r\n\r\n"));
        QCOMPARE(paneLines(input()), QStringList({"\u65e5\u672c, casa", Smile, ""}));
    }

    void theSearchBoxesTakeAQuestionMarkForEachCharacter()
    {
        // The letters search: a letter box shows what the dictionaries can hold.
        click("Button31");
        auto *third = control<QLineEdit>("Edit166");
        typeInto(third, Smile);
        QCOMPARE(third->text(), QStringLiteral("?"));
        QTest::mouseClick(control<QPushButton>("Panel49"), Qt::LeftButton);
        QCOMPARE(results(), QStringList({"[PAROLE TROVATE]", "CA?A"}));

        // The complex search's text, typed and pasted.
        click("Button27");
        ComplexSearchWindow *window = program->form4();
        auto *fields = window->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        fields->hidePopup();
        fields->setCurrentIndex(0);
        auto *text = window->findChild<QLineEdit *>(QStringLiteral("Edit1"));
        text->clear();
        typeInto(text, Omega + Smile);
        QCOMPARE(text->text(), QStringLiteral("??"));
        QGuiApplication::clipboard()->setText(QStringLiteral("s") + Omega);
        text->clear();
        text->paste();
        QCOMPARE(text->text(), QStringLiteral("S?"));
        window->Button1Click();
        auto *found = window->findChild<QComboBox *>(QStringLiteral("ComboBox2"));
        found->hidePopup();
        QCOMPARE(items(found), QStringList({"CAS?"}));
        window->close();
    }

    void aFileNameIsTheSystemsNotTheDictionaries()
    {
        // The selector names a file in the system's own encoding, whatever Windows-1252 holds.
        const QString name = QStringLiteral("\u65e5\u672c.txt");
        writeFile(path("dizionari/" + name), QStringList({"H", "h", "NIHON", "Japan"}));
        selector()->lineEdit()->clear();
        typeInto(selector()->lineEdit(), name);
        QCOMPARE(items(termBox()), QStringList({"H", "NIHON"}));
        QCOMPARE(typeAndClick("nihon", "Button1"), QStringList({"NIHON = Japan"}));
    }
};

QTEST_MAIN(ForeignTextTest)
#include "ForeignTextTest.moc"
