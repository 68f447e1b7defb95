// Times the game's maze generator against the plain cell-by-cell version on
// the same seeds, for every side of the nine levels, and checks on the way
// that both build the same level. Prints one line per side:
//   side=59 seeds=300 fast_median_ms=.. fast_p99_ms=.. fast_max_ms=.. plain_median_ms=.. ...
// Usage: bench_generate [seeds per side] [first side] [last side]
#include "tests/oracle/PlainGenerator.h"
#include "world/MazeGenerator.h"
#include "world/Random.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace zorbik;

namespace {

double Percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size() - 1) + 0.5));
    return v[i];
}

GameState FreshState(int side)
{
    GameState s;
    s.MazeSize = side;
    s.PlayerX = s.PlayerY = 2;
    s.PaintBoxWidth = 20 * CellSize;
    s.PaintBoxHeight = 13 * CellSize;
    return s;
}

template <class F> double TimeMs(F&& f)
{
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

bool SameLevel(const GameState& a, const GameState& b)
{
    return a.Maze == b.Maze && a.ItemCount == b.ItemCount && a.ItemList == b.ItemList &&
           a.EnemyCount == b.EnemyCount && a.EnemyList == b.EnemyList;
}

} // namespace

int main(int argc, char** argv)
{
    const int seeds = argc > 1 ? std::atoi(argv[1]) : 300;
    const int firstSide = argc > 2 ? std::atoi(argv[2]) : 11;
    const int lastSide = argc > 3 ? std::atoi(argv[3]) : 59;
    int mismatches = 0;
    for (int side = firstSide; side <= lastSide; side += 6) {
        std::vector<double> fast, plain, ratio;
        for (int seed = 1; seed <= seeds; ++seed) {
            GameState a = FreshState(side), b = FreshState(side);
            SeedRandom(static_cast<uint64_t>(seed));
            fast.push_back(TimeMs([&] { GenerateLevel(a); }));
            const int nextFast = Random(1 << 30);
            SeedRandom(static_cast<uint64_t>(seed));
            plain.push_back(TimeMs([&] { oracle::PlainGenerateLevel(b); }));
            const int nextPlain = Random(1 << 30);
            ratio.push_back(plain.back() / std::max(fast.back(), 1e-6));
            if (!SameLevel(a, b) || nextFast != nextPlain)
                ++mismatches;
        }
        std::printf("side=%d seeds=%d fast_median_ms=%.3f fast_p99_ms=%.3f fast_max_ms=%.3f "
                    "plain_median_ms=%.3f plain_p99_ms=%.3f ratio_median=%.1f\n",
                    side, seeds, Percentile(fast, 0.5), Percentile(fast, 0.99), Percentile(fast, 1.0),
                    Percentile(plain, 0.5), Percentile(plain, 0.99), Percentile(ratio, 0.5));
        std::fflush(stdout);
    }
    if (mismatches)
        std::printf("mismatches=%d\n", mismatches);
    return mismatches ? 1 : 0;
}
