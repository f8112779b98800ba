#pragma once

#include "import/CommandLine.h"
#include "import/Converter.h"
#include "import/MergeTerms.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zelvora::dictd {

// What a run did, for the summary.
struct ImportReport {
    std::vector<ConvertedInput> inputs; // their entries moved out
    std::string output;
    std::size_t written = 0; // entries after the header pair
    std::size_t via = 0;     // terms given translations through third languages
    MergeCounts merge;
};

// Converts every input, merges, orders and writes the output. Throws
// ImportError naming the file at fault; the output is then untouched.
ImportReport runImport(const Options &options);

// The summary: entries written, and dropped by reason.
std::string describe(const ImportReport &report);

} // namespace zelvora::dictd
