#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The one crossing between the engine's Windows-1252 bytes and the screen's text.

// A line reaches the screen cut to this many characters: the windows cannot
// lay out a line of megabytes, and no dictionary we know holds a line a third
// as long.
inline constexpr std::size_t LongestScreenLine = 1 << 16;

QString toScreen(std::string_view bytes);
QStringList toScreen(const std::vector<std::string> &lines);
// The lines as one text, each followed by a line break.
QString toScreenLines(const std::vector<std::string> &lines);
// A character Windows-1252 cannot hold becomes '?'.
std::string fromScreen(const QString &text);

// File names go to the system in its own encoding, not in Windows-1252.
std::string toLocalPath(const QString &path);
QString fromLocalPath(const std::string &path);
