#pragma once

#include "ui/Language.h"

#include <QString>

// What the quiz reads of the main window, and what its English-Italian launcher
// sets there.
class QuizHost {
public:
    virtual ~QuizHost() = default;

    // The dictionary the selector names, and the number of items in the term list.
    virtual QString dictionaryName() const = 0;
    virtual int entryCount() const = 0;
    // The interface language of the moment.
    virtual Language language() const = 0;
    // Names `name` in the selector and empties the term list, without loading anything.
    virtual void nameDictionaryWithoutLoading(const QString &name) = 0;
};
