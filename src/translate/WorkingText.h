#pragma once

#include "dictionary/LineReader.h"

#include <string>
#include <vector>

namespace zelvora {

// The working file the text operations pass the input text through.
inline constexpr const char *WorkingFileName = "origine2.txt";

// Each of the thirteen punctuation marks , . ; : ! ? " ( ) [ ] < > becomes one
// blank. The marks are first turned into placeholder words between blanks
// (" KKKKK ") and those are then reduced to a blank, so a placeholder word the
// text itself holds between blanks goes too.
std::string removePunctuation(const std::string &line);

// Writes the lines, each followed by CR LF, over the file. Throws FileError.
void writeLines(const std::string &path, const std::vector<std::string> &lines);

// Every line of the file; an empty file still gives one empty line. Throws FileError.
std::vector<std::string> readLines(const std::string &path, std::size_t bufferSize = DefaultBufferSize);

// Writes the input text to the working file, then writes it again without
// punctuation, and gives back its lines as the word loop reads them.
std::vector<std::string> prepareWorkingFile(const std::string &path, const std::vector<std::string> &inputLines,
                                            std::size_t bufferSize = DefaultBufferSize);

} // namespace zelvora
