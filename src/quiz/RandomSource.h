#pragma once

#include <cstddef>
#include <functional>

namespace zelvora {

// Where the quiz takes its chance from: a number drawn uniformly from
// 0 .. count - 1 (count is at least 1). Tests hand in a fixed sequence.
using RandomSource = std::function<std::size_t(std::size_t count)>;

// A pseudo-random source seeded once from the clock.
RandomSource clockSeededRandom();

} // namespace zelvora
