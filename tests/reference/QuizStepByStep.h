#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// The quiz's sample built as its steps are written, one line at a time over the
// file read whole into memory. It shares no code with the engine.
namespace zelvora::reference {

// The sample of the dictionary at `path` for a term list of `entryCount` items;
// `firstDraw` (0 to 4) is the draw that chooses how many entries to leave out
// first. Pairs whose term or definition is empty are left out.
std::vector<std::pair<std::string, std::string>> quizSample(const std::string &path, const std::string &dictionaryName,
                                                            std::size_t entryCount, std::size_t firstDraw);

} // namespace zelvora::reference
