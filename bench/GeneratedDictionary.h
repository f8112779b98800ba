#pragma once

#include <cstddef>
#include <string>

namespace zelvora::bench {

// Writes a dictionary of `entries` entries, the header pair included: random
// capital terms of 3 to 12 letters (now and then the same term twice in a row)
// and definitions of 10 to 60 characters, every line ended by CR LF. The same
// seed gives the same bytes.
void writeDictionary(const std::string &path, std::size_t entries, unsigned seed = 20240115);

// A dictionary of `entries` entries in the benchmarks' temporary folder, written
// once per size; the folder goes at exit.
const std::string &generatedDictionary(std::size_t entries);

// A program folder (ending with "/") holding a nine-section catalogue and the
// default dictionary with `entries` entries, made once per size.
const std::string &generatedProgramFolder(std::size_t entries);

} // namespace zelvora::bench
