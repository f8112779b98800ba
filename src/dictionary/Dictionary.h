#pragma once

#include "dictionary/LineReader.h"
#include "dictionary/TermList.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace zelvora {

// A dictionary file is a run of two-line entries (term, definition), header
// pair first. Reading always takes both lines of an entry and tests for the end
// of the file after the second, so an empty file still reads as one entry.

// Number of entries, the header pair included. Throws FileError.
std::size_t countEntries(const std::string &path, std::size_t bufferSize = DefaultBufferSize);

enum class TermRepeats {
    Keep,             // every entry gives an item
    DropConsecutive,  // a term equal to the last item is not added again
};

// Called now and then while terms are read, with the number of entries read so far.
using EntryProgress = std::function<void(std::size_t entriesRead)>;

// Appends the term line of every entry to `terms`, in file order, and returns
// the number of entries read. On a read error it throws FileError and `terms`
// keeps what was read before it.
std::size_t readTerms(const std::string &path, TermRepeats repeats, TermList &terms,
                      const EntryProgress &progress = {}, std::size_t bufferSize = DefaultBufferSize);
std::size_t readTerms(const std::string &path, TermRepeats repeats, std::vector<std::string> &terms,
                      const EntryProgress &progress = {}, std::size_t bufferSize = DefaultBufferSize);

} // namespace zelvora
