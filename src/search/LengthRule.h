#pragma once

#include <cstddef>
#include <limits>

namespace zelvora {

// A search's rule on the length of the text it is given, counted in the
// dictionaries' characters (one byte each); a text outside it is ignored.
struct LengthRule {
    std::size_t minimum;
    std::size_t maximum = std::numeric_limits<std::size_t>::max();

    bool admits(std::size_t length) const { return length >= minimum && length <= maximum; }
};

} // namespace zelvora
