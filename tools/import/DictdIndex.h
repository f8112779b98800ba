#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvora::dictd {

// One line of a dictd index: the search key, and where its definition lies in
// the data file. Some indexes keep the headword as written in a fourth column.
struct IndexEntry {
    std::string key;
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
    std::string headword;
    std::size_t line = 0; // 1-based, for messages
};

// A dictd number: digits A-Z a-z 0-9 + / worth 0 to 63, most significant
// first. Nothing when a character is not such a digit or the value overflows.
std::optional<std::uint64_t> decodeBase64Number(std::string_view digits);

// The lines of an index, "key TAB offset TAB length [TAB headword]", blank
// lines skipped; a key may be empty (a headword of punctuation only). Throws ImportError naming `path` and the line when a line has
// another form, and when there is no line at all.
std::vector<IndexEntry> parseIndex(std::string_view text, const std::string &path);

// Reads and parses NAME.index. Throws ImportError.
std::vector<IndexEntry> readIndex(const std::string &path);

} // namespace zelvora::dictd
