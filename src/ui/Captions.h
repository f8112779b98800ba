#pragma once

#include "ui/Language.h"

#include <QString>

#include <span>

class QWidget;

// One text of a window in both interface languages. The key is a control's
// objectName, or the window's class name ("TForm1") for its title.
struct CaptionRow {
    const char *key;
    const char *italian; // UTF-8
    const char *english; // UTF-8
};

// Writes every row's text in `language` into the window's controls: the
// caption of a button, label, menu or action, the tab of a page, the window's
// title. Keys with no such control here are passed over.
void applyCaptions(QWidget *window, std::span<const CaptionRow> rows, Language language);

// The text of the row with this key; empty when there is none.
QString captionOf(std::span<const CaptionRow> rows, const char *key, Language language);

// Writes the hints (tool tips) the same way.
void applyHints(QWidget *window, std::span<const CaptionRow> rows, Language language);
