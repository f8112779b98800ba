#pragma once

#include "ui/Language.h"

#include <QString>

// What the complex-search windows read of the main window, at the moment they need it.
class MainWindowState {
public:
    virtual ~MainWindowState() = default;

    // The dictionary selector's text: the file name of the current dictionary.
    virtual QString selectorText() const = 0;
    virtual QString termBoxText() const = 0;
    // The interface language of the moment.
    virtual Language language() const = 0;
};
