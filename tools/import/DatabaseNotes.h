#pragma once

#include <string>
#include <string_view>

namespace zelvora::dictd {

// dictd keeps a dictionary's own notes in entries whose keys start with
// "00-database-" ("00databaseshort" in indexes that drop punctuation).

// True for those keys: dictd's entries, not terms.
bool isInternalKey(std::string_view key);

// Which note a key holds: "short", "info", "url"; empty for any other key.
std::string noteName(std::string_view key);

// A note's text on one line, without the key repeated on its first line.
std::u32string noteText(std::u32string_view definition);

// The sentences of 00-database-info that give the licence or copyright, on one
// line ("Available under the terms of the GNU General Public License..."); empty when none.
std::u32string licenceSentences(std::u32string_view info);

} // namespace zelvora::dictd
