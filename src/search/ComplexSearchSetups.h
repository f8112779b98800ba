#pragma once

#include "search/ComplexSearchWindow.h"

// The two complex-search windows: Form3 searches the English-Italian
// dictionary, whatever dictionary is current; Form4 searches the current one.
const ComplexSearchSetup &form3Setup();
const ComplexSearchSetup &form4Setup();
