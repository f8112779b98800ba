#pragma once

#include "import/Entry.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zelvora::dictd {

// The header pair, in Windows-1252: the title (written in capitals) and the
// source and licence.
struct Header {
    std::string title;
    std::string source;
};

// Orders the entries by the bytes of their terms, equal terms in the order
// they came, and drops an entry that adds nothing to the earlier entries of
// its term: every piece of its definition (split at commas and semicolons,
// sense numbers and a leading part of speech aside, case aside) is in them.
// Returns how many it dropped.
std::size_t sortAndDropRepeats(std::vector<Entry> &entries);

// Writes the header pair and the entries, every line ended by CR LF, into a
// temporary file in the same folder, then renames it to `path`; on any error
// the temporary file is removed, `path` is left as it was, and ImportError
// names the file.
void writeDictionary(const std::string &path, const Header &header, const std::vector<Entry> &entries);

} // namespace zelvora::dictd
