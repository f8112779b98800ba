#include "app/Program.h"

#include "app/Form1.h"
#include "app/Form2.h"
#include "quiz/Form7.h"
#include "search/Form3.h"
#include "search/Form4.h"

#include <QPushButton>

// The secondary windows belong to the main window and go with it.
Program::Program(const QString &appFolder)
    : form1_(std::make_unique<Form1>(appFolder)),
      form2_(new Form2(*form1_, form1_.get())),
      form3_(new Form3(form1_.get())),
      form4_(new Form4(form1_.get())),
      form7_(new Form7(form1_.get()))
{
    // "ESCLUSIONI" (and the menu item that clicks it) opens the exclusion window modally.
    QObject::connect(form1_->findChild<QPushButton *>(QStringLiteral("Button16")), &QPushButton::clicked, form2_,
                     &Form2::exec);
}

Program::~Program() = default;
