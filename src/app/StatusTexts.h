#pragma once

#include "ui/Language.h"

#include <QString>

// The texts of the status bar. The searches read the definition count back out
// of the status line, so its shape must stay as it is in both languages.

QString statusLine(Language language, qsizetype dictionaries, qsizetype definitions);
// The status line as the language switch writes it: in English with two blanks
// before "DICTIONARIES".
QString switchedStatusLine(Language language, qsizetype dictionaries, qsizetype definitions);
QString lineCounter(Language language, qsizetype lines);

struct CursorLabels {
    QString row;
    QString column;
    QString lineLength;
};

// Row and column count from 1; lineLength is the number of characters in the row.
CursorLabels cursorLabels(Language language, qsizetype row, qsizetype column, qsizetype lineLength);
// The labels' words without numbers, as the language switch writes them.
CursorLabels cursorLabelWords(Language language);
