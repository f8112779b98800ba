#pragma once

#include "dictionary/LineReader.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zelvora {

// The catalogue lists dictionary file names in nine sections, each closed by
// this separator line.
inline constexpr std::string_view SectionSeparator = "________________________";
inline constexpr const char *CatalogFileName = "tutti_i_dizionari.txt";
inline constexpr const char *DefaultDictionaryName = "italiano_inglese.txt";

bool isSeparator(std::string_view line);

// Every line of the catalogue, in file order. Throws FileError; a catalogue with
// fewer than nine sections simply ends where the file ends.
std::vector<std::string> readCatalogue(const std::string &path, std::size_t bufferSize = DefaultBufferSize);

// The Italian dictionaries: the lines before the fifth separator (sections 1 to
// 5 with the separators of sections 1 to 4), then five separator lines.
std::vector<std::string> italianDictionaries(const std::vector<std::string> &catalogueLines);

// The number of lines that are not separators.
std::size_t dictionaryCount(const std::vector<std::string> &lines);

} // namespace zelvora
