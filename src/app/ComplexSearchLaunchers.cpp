#include "app/ComplexSearchLaunchers.h"

#include "app/Form1.h"
#include "search/ComplexSearchWindow.h"

#include <QAbstractButton>
#include <QAction>

QString Form1State::selectorText() const
{
    return form1_.selectorText();
}

QString Form1State::termBoxText() const
{
    return form1_.termBoxText();
}

Language Form1State::language() const
{
    return form1_.language();
}

namespace {

void launch(Form1 &form1, const char *buttonName, const char *menuItemName, ComplexSearchWindow &window)
{
    auto *button = form1.findChild<QAbstractButton *>(QString::fromLatin1(buttonName));
    auto *menuItem = form1.findChild<QAction *>(QString::fromLatin1(menuItemName));
    QObject::connect(menuItem, &QAction::triggered, button, &QAbstractButton::click);
    QObject::connect(button, &QAbstractButton::clicked, &window, &ComplexSearchWindow::FormShow);
}

} // namespace

void connectComplexSearchLaunchers(Form1 &form1, ComplexSearchWindow &form3, ComplexSearchWindow &form4)
{
    launch(form1, "Button27", "Ricerchecomplesse1", form4);
    launch(form1, "Button28", "Ricerchecomplesse2", form3);
}
