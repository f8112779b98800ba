#pragma once

#include <QString>

// Draws the quiz's pictures into `folder`: "si.bmp" (a tick on green), "no.bmp"
// (a cross on red) and "0.bmp" (an empty ring: no answer yet). Returns false
// when a file cannot be written.
bool writePictures(const QString &folder);
