#pragma once

#include "TestFolder.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "ui/PaneLines.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

const QString Separator = QStringLiteral("________________________");

// The control named `name` in `window`; a missing one stops the test run.
template <typename T = QWidget> T *controlOf(const QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s in %s", name, qPrintable(window->objectName()));
    return found;
}

// What the main-window tests share: the program started on a fresh folder of
// test data, the main window's controls found by name, and the user's hand on them.
class MainWindowTest : public QObject {
protected:
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<Program> program;

    QString path(const QString &relative) const { return folder->path() + QLatin1Char('/') + relative; }
    void startWithTestFolder()
    {
        folder = std::make_unique<QTemporaryDir>();
        QDir(folder->path()).mkdir(QStringLiteral("dizionari"));
        writeFile(path("tutti_i_dizionari.txt"),
                  QStringList({"italiano_inglese.txt", "italiano_francese.txt", "doppi.txt", Separator,
                               "solo_intestazione.txt", Separator, Separator, Separator, "inglese_italiano.txt",
                               Separator, "english.txt", Separator, Separator, Separator, Separator}));
        writeFile(path("dizionari/italiano_inglese.txt"),
                  QStringList({"ITALIANO-INGLESE", "intestazione", "CASA", "house", "CASA", "home", "CASSA", "crate",
                               "CITTÀ", "city", "LA", "the", "ALBERO", "tree", "CAFFÈ", "coffee", "ZUCCA", "pumpkin",
                               "RAMO", "branch", "ROMA", "Rome", "AMORE", "love", "ORMA", "footprint", "MORA",
                               "blackberry", "AMARE", "to love", "ARE", "are", "OSSO", "bone", "RADAR", "radar"}));
        writeFile(path("dizionari/italiano_francese.txt"), QStringList({"ITALIANO-FRANCESE", "-", "CANE", "chien"}));
        writeFile(path("dizionari/doppi.txt"),
                  QStringList({"H", "h", "RIMA", "1", "RIMA", "2", "AMO", "3", "RIMA", "4"}));
        writeFile(path("dizionari/solo_intestazione.txt"), QStringList({"SOLO", "intestazione"}));
        writeFile(path("dizionari/inglese_italiano.txt"), QStringList({"INGLESE-ITALIANO", "-", "CASTLE", "castello"}));
        writeFile(path("dizionari/english.txt"), QStringList({"ENGLISH", "-", "CASA", "home", "CASSAVA", "cassava"}));
        startProgram();
    }
    void startProgram() { program = std::make_unique<Program>(path({})); }
    void showWindow()
    {
        form()->show();
        form()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form()));
    }

    Form1 *form() const { return program->form1(); }
    template <typename T = QWidget> T *control(const char *name) const { return controlOf<T>(form(), name); }
    QComboBox *selector() const { return control<QComboBox>("ComboBox1"); }
    QComboBox *termBox() const { return control<QComboBox>("ComboBox2"); }
    QString text(const char *label) const { return control<QLabel>(label)->text(); }
    QPlainTextEdit *input() const { return control<QPlainTextEdit>("RxRichEdit1"); }
    QPlainTextEdit *resultsPane() const { return control<QPlainTextEdit>("RxRichEdit2"); }
    QStringList results() const { return paneLines(resultsPane()); }
    static QStringList items(const QComboBox *box)
    {
        QStringList list;
        for (int i = 0; i < box->count(); ++i)
            list += box->itemText(i);
        return list;
    }

    // A pick from the selector's list, as the user's hand makes it.
    void pick(const QString &name)
    {
        const int index = selector()->findText(name);
        QVERIFY(index >= 0);
        selector()->setCurrentIndex(index);
        emit selector()->activated(index);
    }
    // Types into the emptied term box key by key; QTest::keyClicks takes ASCII only.
    void type(const QString &typed)
    {
        termBox()->setFocus();
        termBox()->lineEdit()->clear();
        for (const QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, termBox()->lineEdit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    // A mouse click on a button, after bringing up the search tab that holds it.
    void click(const char *name)
    {
        auto *button = control<QPushButton>(name);
        auto *tabs = control<QTabWidget>("PageControl1");
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(button))
                tabs->setCurrentIndex(i);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // A click on a flag: "Image1" switches every window to Italian, "Image2" to English.
    void clickFlag(const char *flag) { QTest::mouseClick(control<QAbstractButton>(flag), Qt::LeftButton); }
    // Writes the text into the input pane, clicks `button` and returns the results pane.
    QStringList runOnInput(const char *button, const QString &inputText)
    {
        input()->setPlainText(inputText);
        click(button);
        return results();
    }
    // Types `term` into the term box, clicks `button` and returns the results pane.
    QStringList typeAndClick(const QString &term, const char *button)
    {
        type(term);
        click(button);
        return results();
    }
};
