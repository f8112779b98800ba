#pragma once

#include "app/StatusTexts.h"
#include "ui/Language.h"

#include <QObject>

#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QWidget;

// The aids around the main window's two panes: copying and clearing the
// results, pasting into and clearing the input, the results' word wrap (the
// "Accapo automatico" item and CheckBox1 each set it, neither follows the
// other), the line counter, and the cursor labels, kept in step with the caret.
class PaneAids : public QObject {
    Q_OBJECT
public:
    // Finds its panes, labels and menu items in `window` by name, and writes the cursor labels.
    PaneAids(QWidget *window, std::function<Language()> language);

    // In the language of the moment.
    void writeLineCounter();
    void writeCursorLabels();
    // The labels' bare words, until the caret next moves.
    void writeCursorLabelWords();

private:
    void showCursorLabels(const CursorLabels &labels);
    void copyResults();
    void clearResults();
    void pasteIntoInput();
    void clearInput();

    std::function<Language()> language_;
    QPlainTextEdit *RxRichEdit2;
    QPlainTextEdit *RxRichEdit1;
    QCheckBox *CheckBox1;
    QLabel *Panel2;
    QLabel *GradButton1;
    QLabel *GradButton2;
    QLabel *GradButton3;
};
