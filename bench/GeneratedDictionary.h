#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zelvora::bench {

// The lengths of a generated dictionary's definitions.
struct DefinitionLengths {
    std::size_t shortest = 10;
    std::size_t longest = 60;
};

// Writes a dictionary of `entries` entries, the header pair included: random
// capital terms of 3 to 12 letters (now and then the same term twice in a row)
// and definitions of random lengths, every line ended by CR LF. The same seed
// gives the same bytes.
void writeDictionary(const std::string &path, std::size_t entries, unsigned seed = 20240115,
                     DefinitionLengths lengths = {});

// A dictionary of `entries` entries in the benchmarks' temporary folder, written
// once per size; the folder goes at exit.
const std::string &generatedDictionary(std::size_t entries);

// A program folder (ending with "/") holding a nine-section catalogue and the
// default dictionary with `entries` entries, made once per size.
const std::string &generatedProgramFolder(std::size_t entries);

// The dictionaries that generatedCatalogueFolder lists besides the default one.
inline constexpr std::size_t OtherDictionaries = 4;
inline constexpr std::size_t OtherDictionaryEntries = 50'000;

// The same with `OtherDictionaries` more dictionaries of `OtherDictionaryEntries`
// entries with long definitions, listed in sections 2 and 5 (Italian) and 6 and 8.
const std::string &generatedCatalogueFolder(std::size_t defaultEntries);

// The file names of a generated program folder's dictionaries, in catalogue order.
std::vector<std::string> generatedDictionaryNames(bool withOthers);

} // namespace zelvora::bench
