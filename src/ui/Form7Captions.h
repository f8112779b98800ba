#pragma once

#include "ui/Captions.h"

// The texts of the quiz window in Italian and English.
const CaptionTable &form7CaptionTable();
