#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zelvora::bench {

// The lines of a text of `words` words that a reader might type against the
// dictionary at `dictionaryPath`: most are its terms (in lower case), some are
// not, a few are prefixes; ten words a line, with punctuation now and then.
std::vector<std::string> generatedText(const std::string &dictionaryPath, std::size_t words);

} // namespace zelvora::bench
