// The one random generator of the process. The main window seeds it from
// the clock when it is created; tests seed it with fixed numbers so that a
// maze or a question comes out the same every time.
#pragma once

#include <cstdint>

namespace zorbik {

namespace detail {
extern uint64_t rngState;

// PCG-XSH-RR: 64-bit state, 32-bit output.
inline uint32_t NextRandom32()
{
    uint64_t old = rngState;
    rngState = old * 6364136223846793005ULL + 1442695040888963407ULL;
    auto xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
    auto rot = static_cast<uint32_t>(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}
} // namespace detail

// A uniform whole number 0..n-1 (0 when n <= 1), without bias. Every call is
// one draw, also when there is only one value to give.
inline int Random(int n)
{
    if (n <= 1) {
        detail::NextRandom32();
        return 0;
    }
    const auto range = static_cast<uint32_t>(n);
    uint64_t m = uint64_t(detail::NextRandom32()) * range;
    auto low = static_cast<uint32_t>(m);
    if (low < range) {
        const uint32_t threshold = (0u - range) % range;
        while (low < threshold) {
            m = uint64_t(detail::NextRandom32()) * range;
            low = static_cast<uint32_t>(m);
        }
    }
    return static_cast<int>(m >> 32);
}

void SeedRandom(uint64_t seed);
void SeedRandomFromClock();

} // namespace zorbik
