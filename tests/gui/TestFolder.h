#pragma once

#include <QStringList>

#include <functional>
#include <string>

// Writes a test file of the program folder: raw bytes, or lines as Windows-1252 text with CR LF ends.
void writeFile(const QString &path, const std::string &bytes);
void writeFile(const QString &path, const QStringList &lines);

// Runs `action` and returns the text of the first message box it shows (empty
// when none), running `whileShown` once while the box is up, then closing it.
QString messageBoxShownBy(const std::function<void()> &action, const std::function<void()> &whileShown = {});
