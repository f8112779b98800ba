#pragma once

#include <string>

namespace zelvora::dictd {

// One entry of a dictionary file, in Windows-1252: the term in capitals and
// its definition on one line.
struct Entry {
    std::string term;
    std::string definition;
};

} // namespace zelvora::dictd
