#pragma once

#include "search/MainWindowState.h"

class ComplexSearchWindow;
class Form1;

// The main window's state as the complex-search windows read it.
class Form1State : public MainWindowState {
public:
    explicit Form1State(const Form1 &form1) : form1_(form1) {}

    QString selectorText() const override;
    QString termBoxText() const override;
    Language language() const override;

private:
    const Form1 &form1_;
};

// Opens Form4 from the button of the current dictionary's tab (Button27) and
// from its menu item (F3), Form3 from the English-Italian tab's (Button28) and
// from its menu item (F4); each menu item clicks its button.
void connectComplexSearchLaunchers(Form1 &form1, ComplexSearchWindow &form3, ComplexSearchWindow &form4);
