#pragma once

#include <QObject>

class Form7;
class QuizHost;
class QWidget;

// The quiz's launchers in the main window: the TEST buttons of the current and
// of the English-Italian dictionary's tabs, and their menu items.
class QuizLaunchers : public QObject {
    Q_OBJECT
public:
    // The main window holds the buttons Button33 and Button34 and the menu items Test2 and Test3.
    QuizLaunchers(QWidget *mainWindow, QuizHost &host, Form7 *quiz);

    // The quiz on the dictionary the selector names.
    void Button33Click();
    // The quiz on the English-Italian dictionary: the selector names it, the
    // term list is emptied, and nothing is loaded.
    void Button34Click();

private:
    QuizHost &host;
    Form7 *quiz;
};
