#pragma once

#include "import/Converter.h"

#include <string>

namespace zelvora::dictd {

// Reads a MyThes thesaurus (the .dat file of LibreOffice's thesauri: its
// encoding on the first line, then "word|n" and n lines "(part of
// speech)|synonym|synonym...") into one entry per word: its synonyms, a sense
// a line, "(s.f.) 1. abitazione, dimora; 2. nido, tana". Throws ImportError
// naming the file when it cannot be read or is not a thesaurus.
ConvertedInput readThesaurus(const std::string &path);

} // namespace zelvora::dictd
