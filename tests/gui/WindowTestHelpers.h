#pragma once

#include "TestFolder.h"

#include "app/Form1.h"
#include "app/Program.h"

#include <QComboBox>
#include <QLineEdit>
#include <QObject>
#include <QtTest>

#include <memory>

// What the main-window tests share: the program started on a test folder, the
// main window's controls found by name, and the user's hand on the dictionary
// selector and the term box. Each test class derives from it, with its own slots.
class MainWindowTest : public QObject {
protected:
    TestFolder folder;
    std::unique_ptr<Program> program;

    void startProgram() { program = std::make_unique<Program>(folder.path()); }

    Form1 *form() const { return program->form1(); }
    // The main window's control named `name`; a missing one stops the test run.
    template <typename T = QWidget> T *control(const char *name) const
    {
        T *found = form()->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QComboBox *selector() const { return control<QComboBox>("ComboBox1"); }

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
        auto *box = control<QComboBox>("ComboBox2");
        box->setFocus();
        box->lineEdit()->clear();
        for (const QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, box->lineEdit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
};
