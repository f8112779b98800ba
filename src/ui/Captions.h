#pragma once

#include "ui/Language.h"

#include <QString>

#include <span>

class QWidget;

// One text of a window in both interface languages. The key is a control's
// objectName; "T" + the window's objectName ("TForm1") for the window's title;
// for a list or another text property, the control's name and the property
// joined by a point ("ComboBox1.Items", "Scelta1.Text").
struct CaptionRow {
    const char *key;
    const char *italian; // UTF-8; a list has one item per line
    const char *english; // UTF-8; empty: the text stays as it is
};

// Everything a window shows in both languages.
struct CaptionTable {
    std::span<const CaptionRow> captions;     // buttons, labels, menus, actions, tabs, the title
    std::span<const CaptionRow> hints;        // tool tips
    std::span<const CaptionRow> lists;        // the items of combo boxes and list boxes, a pane's lines
    std::span<const CaptionRow> otherStrings; // the text of edit boxes
};

// Writes every text of the table in `language` into the window's controls.
// An empty cell leaves its property as it is; a list keeps its current item
// and its ticks. Keys with no such control here are passed over.
void applyCaptionTable(QWidget *window, const CaptionTable &table, Language language);

// Writes the captions only, the same way.
void applyCaptions(QWidget *window, std::span<const CaptionRow> rows, Language language);

// The text of the row with this key; empty when there is none.
QString captionOf(std::span<const CaptionRow> rows, const char *key, Language language);

// A list row's items.
QStringList listOf(std::span<const CaptionRow> rows, const char *key, Language language);
