#include "quiz/QuizLaunchers.h"

#include "quiz/Form7.h"
#include "quiz/ItemBank.h"
#include "quiz/QuizHost.h"

#include <QAbstractButton>
#include <QAction>
#include <QWidget>

namespace {

template <typename Control> Control *childOf(QWidget *window, const char *name)
{
    auto *control = window->findChild<Control *>(QString::fromLatin1(name));
    Q_ASSERT(control);
    return control;
}

} // namespace

QuizLaunchers::QuizLaunchers(QWidget *mainWindow, QuizHost &host, Form7 *quiz)
    : QObject(mainWindow), host(host), quiz(quiz)
{
    auto *button33 = childOf<QAbstractButton>(mainWindow, "Button33");
    auto *button34 = childOf<QAbstractButton>(mainWindow, "Button34");
    connect(button33, &QAbstractButton::clicked, this, &QuizLaunchers::Button33Click);
    connect(button34, &QAbstractButton::clicked, this, &QuizLaunchers::Button34Click);
    // The menu items only click their button.
    connect(childOf<QAction>(mainWindow, "Test2"), &QAction::triggered, button33, &QAbstractButton::click);
    connect(childOf<QAction>(mainWindow, "Test3"), &QAction::triggered, button34, &QAbstractButton::click);
}

void QuizLaunchers::Button33Click()
{
    quiz->showQuiz();
}

void QuizLaunchers::Button34Click()
{
    host.nameDictionaryWithoutLoading(QString::fromLatin1(zelvora::EnglishItalianDictionaryName));
    quiz->showQuiz();
}
