#pragma once

#include "quiz/RandomSource.h"

#include <QString>

#include <memory>

class ComplexSearchWindow;
class Form1;
class Form2;
class Form7;
class MainWindowState;
class QuizHost;

// The program's five windows, created in their fixed order; they live as long
// as the program. The main window runs its start-up sequence as it is created.
class Program {
public:
    // appFolder is the program folder, ending with "/". The quiz draws its
    // chances from quizRandom.
    explicit Program(const QString &appFolder, zelvora::RandomSource quizRandom = zelvora::clockSeededRandom());
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    Form1 *form1() const { return form1_.get(); }
    Form2 *form2() const { return form2_; }
    ComplexSearchWindow *form3() const { return form3_; }
    ComplexSearchWindow *form4() const { return form4_; }
    Form7 *form7() const { return form7_; }

private:
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<QuizHost> quizHost_;
    std::unique_ptr<MainWindowState> form1State_;
    Form2 *form2_;
    ComplexSearchWindow *form3_;
    ComplexSearchWindow *form4_;
    Form7 *form7_;
};
