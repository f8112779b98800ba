#pragma once

#include "search/LengthRule.h"
#include "ui/Language.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <string>

class QLabel;
class QStatusBar;

// A short note in the status bar of why an operation showed nothing: its
// input was ignored, or its term was not found. The note has a field of its
// own beside the status line and the line counter, in the language of the
// moment; it stays a few seconds, and goes at once when the results pane
// changes (clear()).
class StatusNotes : public QObject {
    Q_OBJECT
public:
    StatusNotes(QStatusBar *bar, std::function<Language()> language);

    // A lookup (or a whole-word search) of `term`, upper-cased, appended nothing.
    void foundNothing(const std::string &term);
    // True when the text's length, in the dictionaries' characters, is within
    // the rule; otherwise it says how long the text must be.
    bool admits(const QString &text, zelvora::LengthRule rule);
    // The letters search was given no letter.
    void noLetters();
    // A search listed nothing.
    void noResults();
    void clear();

private:
    void show(const char *key, const QString &argument = {});

    QLabel *field_;
    QTimer timer_;
    std::function<Language()> language_;
};
