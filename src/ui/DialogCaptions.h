#pragma once

#include "ui/Captions.h"

#include <span>

class QMessageBox;

// The titles and button captions of the standard message boxes, the same for
// every window, keyed by the box's kind or the button's role ("Error", "OK",
// "Yes To All").
std::span<const CaptionRow> dialogCaptions();

// Titles the box by its icon and captions its standard buttons. An empty cell
// keeps the Italian text, as a window's control keeps it.
void applyDialogCaptions(QMessageBox &box, Language language);
