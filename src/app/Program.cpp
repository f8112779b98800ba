#include "app/Program.h"

#include "app/ComplexSearchLaunchers.h"
#include "app/Form1.h"
#include "app/Form2.h"
#include "app/LanguageSwitch.h"
#include "quiz/Form7.h"
#include "quiz/QuizHost.h"
#include "quiz/QuizLaunchers.h"
#include "search/ComplexSearchSetups.h"

#include <QPushButton>

namespace {

// The main window as the quiz sees it.
class MainWindowQuizHost final : public QuizHost {
public:
    explicit MainWindowQuizHost(Form1 &form) : form_(form) {}

    QString dictionaryName() const override { return form_.selectorText(); }
    int entryCount() const override { return form_.termCount(); }
    Language language() const override { return form_.language(); }
    void nameDictionaryWithoutLoading(const QString &name) override { form_.nameDictionaryWithoutLoading(name); }

private:
    Form1 &form_;
};

} // namespace

// The secondary windows belong to the main window and go with it.
Program::Program(const QString &appFolder, zelvora::RandomSource quizRandom)
    : form1_(std::make_unique<Form1>(appFolder)),
      quizHost_(std::make_unique<MainWindowQuizHost>(*form1_)),
      form1State_(std::make_unique<Form1State>(*form1_)),
      form2_(new Form2(*form1_, form1_.get())),
      form3_(new ComplexSearchWindow(form3Setup(), appFolder, *form1State_, form1_.get())),
      form4_(new ComplexSearchWindow(form4Setup(), appFolder, *form1State_, form1_.get())),
      form7_(new Form7(appFolder, *quizHost_, std::move(quizRandom), form1_.get()))
{
    // "ESCLUSIONI" (and the menu item that clicks it) opens the exclusion window modally.
    QObject::connect(form1_->findChild<QPushButton *>(QStringLiteral("Button16")), &QPushButton::clicked, form2_,
                     &Form2::exec);
    connectComplexSearchLaunchers(*form1_, *form3_, *form4_);
    new QuizLaunchers(form1_.get(), *quizHost_, form7_);
    new LanguageSwitch(*form1_, form2_, form3_, form4_, form7_);
}

// The windows go before what they use.
Program::~Program()
{
    form1_.reset();
}
