#pragma once

#include "import/Entry.h"

#include <string>
#include <vector>

namespace zelvora::dictd {

// The header pair, in Windows-1252: the title (written in capitals) and the
// source and licence.
struct Header {
    std::string title;
    std::string source;
};

// Writes the header pair and the entries, every line ended by CR LF, into a
// temporary file in the same folder, then renames it to `path`; on any error
// the temporary file is removed, `path` is left as it was, and ImportError
// names the file.
void writeDictionary(const std::string &path, const Header &header, const std::vector<WrittenEntry> &entries);

} // namespace zelvora::dictd
