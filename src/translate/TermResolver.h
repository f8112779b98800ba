#pragma once

#include "dictionary/LineReader.h"
#include "translate/TextIndex.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zelvora {

struct StringHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

template <typename Value>
using StringMap = std::unordered_map<std::string, Value, StringHash, std::equal_to<>>;

// Sees every term line as the walk reaches it, the header pair's included, and
// may add terms to resolve from that line on (each asks for one more entry of
// its term). Returns false once the lines that follow are of no more interest to it.
using TermLineWatcher = std::function<bool(std::string_view termLine, std::vector<std::string> &moreTerms)>;

// What one walk of a dictionary tells about the terms a text needs.
//
// A lookup of a term reads the dictionary from its start and stops at the first
// term line (line 3 on; the header pair's term is never compared) equal to it;
// the next line is its definition. A term line that is the file's last line
// has the empty definition. An absent term, and a term whose entry has an
// empty definition, both give the empty definition.
//
// A prefix lookup lists, in file order, the upper-cased term of every entry
// (line 3 on, the last line included) whose term line begins with the prefix.
class Resolution {
public:
    // The definition of the occurrence-th entry whose term line is `term` (the
    // first entry when there are fewer); empty when not found. Only as many
    // entries of a term are kept as it was asked for.
    std::string_view definitionOf(std::string_view term, std::size_t occurrence = 1) const;
    // The upper-cased terms that begin with `prefix`, in file order.
    const std::vector<std::string> &matchesOf(std::string_view prefix) const;

private:
    friend Resolution resolveTerms(const std::string &, const std::vector<std::string> &,
                                   const std::vector<std::string> &, const TermLineWatcher &, std::size_t);
    // Where a term's definitions lie in definitions_.
    struct Entries {
        std::size_t first = 0;
        std::size_t count = 0;
    };
    // Puts each term's definitions together, keeping their file order: the
    // definitions found, in file order, and the number of the term of each.
    void groupDefinitions(std::vector<std::string> &found, const std::vector<std::uint32_t> &termOfEach);

    // The terms asked for, numbered; by number, their entries.
    TextIndex terms_;
    std::vector<Entries> entries_;
    // Each term's definitions together, in file order.
    std::vector<std::string> definitions_;
    StringMap<std::vector<std::string>> matches_;
};

// Reads the dictionary once and resolves the given terms and prefixes, and the
// terms that the prefixes' matches and the watcher bring; with nothing to
// resolve it does not open the file. A term asked for n times (each of a
// prefix's matches and of the watcher's terms asks once) keeps the definitions
// of its first n entries; nothing else is kept. Throws FileError.
Resolution resolveTerms(const std::string &dictionaryPath, const std::vector<std::string> &terms,
                        const std::vector<std::string> &prefixes, const TermLineWatcher &watcher = {},
                        std::size_t bufferSize = DefaultBufferSize);

} // namespace zelvora
