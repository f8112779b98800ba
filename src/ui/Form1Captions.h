#pragma once

#include "ui/Captions.h"

#include <span>

// The texts of the main window in Italian and English.
std::span<const CaptionRow> form1Captions();
const CaptionTable &form1CaptionTable();
// The messages it writes, by a key of their own.
std::span<const CaptionRow> form1Messages();
