#pragma once

#include "dictionary/Dictionary.h"
#include "dictionary/LineReader.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvora {

// The complex search looks for a text inside the terms of a dictionary, inside
// their definitions, or inside both, entry by entry from the header pair on.

enum class SearchField { None, Terms, Definitions, Both };

// The most terms a complex search lists.
inline constexpr std::size_t ComplexSearchCap = 32000;

// Appends to `terms`, in file order, the term of every entry whose chosen field
// contains `text` byte for byte, until `terms` holds 32000. In both fields an
// entry adds its term once, and a match in its definition alone adds the term
// only when `terms` does not already end with it. No field or an empty text
// finds nothing. One pass over the file; `progress` hears now and then how many
// entries were read. Throws FileError, `terms` keeping what was found before.
void searchEntries(const std::string &path, std::string_view text, SearchField field, std::vector<std::string> &terms,
                   const EntryProgress &progress = {}, std::size_t bufferSize = DefaultBufferSize);

// The definition of the first entry whose term is `term`, or none when no entry
// has it, and the number of entries read to tell. Throws FileError.
struct DefinitionSearch {
    std::optional<std::string> definition;
    std::size_t entries = 0;
};
DefinitionSearch findDefinition(const std::string &path, std::string_view term, const EntryProgress &progress = {},
                                std::size_t bufferSize = DefaultBufferSize);

} // namespace zelvora
