#include "Random.h"

#include <chrono>

namespace zorbik {

namespace detail {
uint64_t rngState = 0x853c49e6748fea9bULL;
}

void SeedRandom(uint64_t seed)
{
    detail::rngState = 0;
    detail::NextRandom32();
    detail::rngState += seed;
    detail::NextRandom32();
}

void SeedRandomFromClock()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    SeedRandom(static_cast<uint64_t>(now));
}

} // namespace zorbik
