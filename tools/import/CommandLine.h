#pragma once

#include "import/Article.h"
#include "import/Converter.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zelvora::dictd {

// What zelvora-import was asked to do.
struct Options {
    std::vector<Input> inputs;
    std::string output;
    std::optional<std::string> title;  // as typed (UTF-8)
    std::optional<std::string> source; // as typed (UTF-8)
    std::optional<Layout> layout;
    bool help = false;
    bool version = false;
};

// A command line that cannot be carried out; the message says what is wrong.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments after the program's name. Throws UsageError.
Options parseCommandLine(const std::vector<std::string> &arguments);

std::string helpText();

} // namespace zelvora::dictd
