#pragma once

#include <QStringList>

#include <functional>
#include <string>

// Writes a test file of the program folder: raw bytes, or lines as Windows-1252 text with CR LF ends.
void writeFile(const QString &path, const std::string &bytes);
void writeFile(const QString &path, const QStringList &lines);

// Runs `action` and returns the texts of every message box it shows, in turn,
// each closed as soon as it is up; `whileFirstShown` runs while the first is.
QStringList messageBoxesShownBy(const std::function<void()> &action, const std::function<void()> &whileFirstShown = {});
// The text of the first box, empty when none.
QString messageBoxShownBy(const std::function<void()> &action, const std::function<void()> &whileShown = {});
