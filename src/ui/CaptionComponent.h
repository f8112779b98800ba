#pragma once

#include "ui/Captions.h"

#include <QObject>
#include <QStringList>

#include <stdexcept>

class QWidget;

// Raised for a language the component does not have.
class LanguageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A window's texts in its two languages: setting the language rewrites every
// text of the window from the window's caption table. One per window, a child
// of it under a name of its own ("Lingue", "Lingue2", ...). The languages are
// "Italiano" (number 1) and "English" (number 2); a window starts in Italian.
class CaptionComponent : public QObject {
    Q_OBJECT
public:
    // Writes the window's texts in Italian.
    CaptionComponent(QWidget *window, const char *name, const CaptionTable &table);

    static QStringList languageNames();

    QString languageName() const;
    int languageNumber() const { return number_; }
    Language language() const;
    const CaptionTable &table() const { return table_; }

    // The language of that name. The language already set does nothing; a
    // name that is not one of languageNames() raises LanguageError.
    void setLanguageName(const QString &name);
    // The language of that number, from 1. A number out of range raises
    // LanguageError; the language already set does nothing.
    void setLanguageNumber(int number);

private:
    QWidget *window_;
    const CaptionTable &table_;
    int number_ = 1;
};
