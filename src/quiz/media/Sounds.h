#pragma once

#include <string>

// Synthesises the quiz's sounds into `folder` as mono 16-bit PCM wave files:
// four short chimes for a right answer ("si1.wav" to "si4.wav") and a low
// falling buzz for a wrong one ("no.wav"). Returns false when a file cannot be written.
bool writeSounds(const std::string &folder);
