#pragma once

#include "import/Converter.h"

#include <string>

namespace zelvora::dictd {

// Reads a supplement of our own: UTF-8 lines "TERM = definition", the
// definition's senses separated by ";", each an optional part of speech in
// parentheses and then its translations separated by ",", remarks in
// parentheses kept with them: "LO = (art.) the; (pron.) him, it (lo vedo)".
// Blank lines and lines starting with "#" are left out. Its senses come
// before every other source's. Throws ImportError naming the file and the line
// when a line is not an entry or its term cannot be written in Windows-1252.
ConvertedInput readSupplement(const std::string &path);

} // namespace zelvora::dictd
