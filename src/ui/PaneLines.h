#pragma once

#include <QStringList>

class QPlainTextEdit;

// A pane's text as lines. Every line the program writes ends with a line
// break, so a last line left empty by a final break is not a line, and an
// empty pane has none.

qsizetype paneLineCount(const QPlainTextEdit *pane);
QStringList paneLines(const QPlainTextEdit *pane);
QString lastPaneLine(const QPlainTextEdit *pane);

// Both write the lines in one batch.
void setPaneLines(QPlainTextEdit *pane, const QStringList &lines);
// The same with the lines as one text, each ended by a line break.
void setPaneText(QPlainTextEdit *pane, const QString &linesText);
void appendPaneLines(QPlainTextEdit *pane, const QStringList &lines);

// Puts the caret at the start of the pane's last line and scrolls it into view.
void showLastLine(QPlainTextEdit *pane);
