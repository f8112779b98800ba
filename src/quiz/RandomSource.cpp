#include "quiz/RandomSource.h"

#include <chrono>
#include <memory>
#include <random>

namespace zelvora {

RandomSource clockSeededRandom()
{
    const auto seed = static_cast<std::mt19937_64::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    auto generator = std::make_shared<std::mt19937_64>(seed);
    return [generator](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(*generator);
    };
}

} // namespace zelvora
