#pragma once

#include "WindowTestHelpers.h"

#include "app/Form2.h"
#include "quiz/Form7.h"
#include "search/ComplexSearchWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <string>

// Bytes of every value but Ctrl+Z, with a CR or a LF about every twelve bytes.
inline std::string binaryBytes(std::size_t size, std::uint32_t seed)
{
    std::string bytes(size, '\0');
    for (char &byte : bytes) {
        seed = seed * 1664525u + 1013904223u;
        byte = (seed & 0xF) == 0 ? '\r' : (seed & 0x1F) == 1 ? '\n' : static_cast<char>(seed >> 24);
        if (byte == '\x1a')
            byte = '\x1b';
    }
    return bytes;
}

inline QString cannotRead(const QString &file, const char *reason)
{
    return QStringLiteral("Impossibile leggere il file\n%1\n\n%2").arg(file, QLatin1String(reason));
}

inline QString cannotWrite(const QString &file, const char *reason)
{
    return QStringLiteral("Impossibile scrivere il file\n%1\n\n%2").arg(file, QLatin1String(reason));
}

// Every operation of the program as the user's hand starts it (the main
// window's, the searches', the complex searches', the quiz's, the exclusions'
// and the language switch), each leaving no secondary window open.
class OperationsTest : public MainWindowTest {
protected:
    // The text in the input pane while the operations run; its last line is
    // empty, so that the dictionary and the word list add none.
    const QString InputText = QStringLiteral("la casa, bella.\nCASSA cane\n\n");
    const QStringList EarlierResults = {QStringLiteral("RISULTATI DI PRIMA")};

    struct Operation {
        const char *name;
        std::function<void()> run;
    };

    // The pictures and sounds the build puts beside the program, which the quiz needs.
    void copyQuizMedia()
    {
        for (const char *file : {"si.bmp", "no.bmp", "0.bmp", "si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"})
            if (!QFile::exists(path(file)) && !QFile::copy(QStringLiteral(ZELVORA_PROGRAM_FOLDER "/") + file, path(file)))
                qFatal("cannot copy %s", file);
    }

    // The test folder with the quiz's media, the program not yet started: the
    // test first turns the folder's files into what it needs.
    void writeFolderWithoutProgram()
    {
        startWithTestFolder();
        copyQuizMedia();
        program.reset();
    }

    QList<Operation> everyOperation()
    {
        const auto typed = [this](const char *term, const char *button) {
            return [this, term, button] { typeAndClick(QString::fromUtf8(term), button); };
        };
        return {
            {"lookup", typed("casa", "Button1")},
            {"prefix lookup", typed("cas*", "Button1")},
            {"translation", [this] { click("Button8"); }},
            {"dictionary from text", [this] { click("Button18"); }},
            {"word list", [this] { click("Button19"); }},
            {"whole word", typed("casa", "Button6")},
            {"whole word, Italian", typed("casa", "Button13")},
            {"substring", typed("cas", "Button23")},
            {"substring, all", typed("cass", "Button25")},
            {"anagrams", typed("amor", "Button2")},
            {"palindromes", [this] { click("Button35"); }},
            {"rhymes", typed("ra", "Button7")},
            {"letters", [this] { byLetters("Button31"); }},
            {"letters, English-Italian", [this] { byLetters("Button32"); }},
            {"complex search", [this] { complexSearch("Button27", program->form4()); }},
            {"complex search, English-Italian", [this] { complexSearch("Button28", program->form3()); }},
            {"quiz", [this] { quiz("Button33"); }},
            {"quiz, English-Italian", [this] { quiz("Button34"); }},
            {"exclusions", [this] { exclusions(); }},
            {"language switch", [this] {
                 clickFlag("Image2");
                 clickFlag("Image1");
             }},
        };
    }

    // Runs every operation on the same input text and earlier results, each
    // after `beforeEach`, and tells, one line for each, the error boxes it showed
    // and whether it left the panes as they were: the input pane always, the
    // results pane when it failed. Names the secondary windows it left open.
    // Both panes are empty afterwards.
    QStringList runEveryOperation(const std::function<void()> &beforeEach = {})
    {
        QStringList report;
        for (const Operation &operation : everyOperation()) {
            if (beforeEach)
                beforeEach();
            input()->setPlainText(InputText);
            setPaneLines(resultsPane(), EarlierResults);
            const QStringList messages = messageBoxesShownBy(operation.run);
            QString line = QLatin1String(operation.name) + QLatin1String(": ") + messages.join(QLatin1String(" | "));
            if (input()->toPlainText() != InputText)
                line += QLatin1String(" [input pane changed]");
            if (!messages.isEmpty() && results() != EarlierResults)
                line += QLatin1String(" [results lost]");
            for (QWidget *window : std::initializer_list<QWidget *>{program->form2(), program->form3(),
                                                                    program->form4(), program->form7()})
                if (window->isVisible()) {
                    line += QLatin1String(" [") + window->objectName() + QLatin1String(" left open]");
                    window->close();
                }
            report += line;
        }
        input()->clear();
        resultsPane()->clear();
        return report;
    }

    // The report of runEveryOperation when the operations named show these
    // error boxes and all keep the panes.
    QStringList expectedReport(const QMap<QString, QStringList> &messages)
    {
        QStringList report;
        for (const Operation &operation : everyOperation())
            report += QLatin1String(operation.name) + QLatin1String(": ") +
                      messages.value(QLatin1String(operation.name)).join(QLatin1String(" | "));
        return report;
    }

    // Opens the letters panel, asks for terms with a C first, and closes the panel.
    void byLetters(const char *opener)
    {
        click(opener);
        QTest::keyClicks(control<QLineEdit>("Edit164"), QStringLiteral("c"));
        QTest::mouseClick(control<QPushButton>("Panel49"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>("Panel11"), Qt::LeftButton);
    }

private:

    // Opens the window, searches CA in terms and definitions, picks the first
    // term found and closes the window.
    void complexSearch(const char *opener, ComplexSearchWindow *window)
    {
        click(opener);
        if (!window->isVisible())
            return;
        auto *fields = controlOf<QComboBox>(window, "ComboBox1");
        fields->hidePopup();
        fields->setCurrentIndex(2);
        controlOf<QLineEdit>(window, "Edit1")->setText(QStringLiteral("CA"));
        QTest::mouseClick(controlOf<QPushButton>(window, "Button1"), Qt::LeftButton);
        auto *found = controlOf<QComboBox>(window, "ComboBox2");
        if (found->count() > 0) {
            found->showPopup();
            QAbstractItemView *view = found->view();
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(0, 0)).center());
        }
        found->hidePopup();
        QTest::mouseClick(controlOf<QPushButton>(window, "Button2"), Qt::LeftButton);
    }

    // Opens the quiz, answers the question if there is one, and leaves.
    void quiz(const char *opener)
    {
        click(opener);
        Form7 *window = program->form7();
        if (!window->isVisible())
            return;
        if (auto *answer = controlOf<QLineEdit>(window, "Scelta1"); answer->isEnabled())
            QTest::mouseClick(answer, Qt::LeftButton);
        QTest::mouseClick(controlOf<QPushButton>(window, "Esci"), Qt::LeftButton);
    }

    // Opens the exclusion window from its menu item and closes it with
    // "CHIUDI", nothing ticked; a window that stays open is then closed.
    void exclusions()
    {
        Form2 *window = program->form2();
        QTimer::singleShot(0, window, [window] {
            QTest::mouseClick(controlOf<QPushButton>(window, "GradButton1"), Qt::LeftButton);
            if (window->isVisible())
                window->reject();
        });
        control<QAction>("Esclusioni1")->trigger();
    }
};
