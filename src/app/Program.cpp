#include "app/Program.h"

#include "app/ComplexSearchLaunchers.h"
#include "app/Form1.h"
#include "app/Form2.h"
#include "quiz/Form7.h"
#include "search/ComplexSearchSetups.h"

// The secondary windows belong to the main window and go with it.
Program::Program(const QString &appFolder)
    : form1_(std::make_unique<Form1>(appFolder)),
      form1State_(std::make_unique<Form1State>(*form1_)),
      form2_(new Form2(form1_.get())),
      form3_(new ComplexSearchWindow(form3Setup(), appFolder, *form1State_, form1_.get())),
      form4_(new ComplexSearchWindow(form4Setup(), appFolder, *form1State_, form1_.get())),
      form7_(new Form7(form1_.get()))
{
    connectComplexSearchLaunchers(*form1_, *form3_, *form4_);
}

Program::~Program() = default;
