// The game's generator against the plain cell-by-cell generator: for the
// same seed both must build the same level and leave the random generator at
// the same place, at every side of the nine levels.
#include "tests/oracle/PlainGenerator.h"
#include "world/MazeGenerator.h"
#include "world/MazeSteps.h"
#include "world/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace zorbik {
namespace {

// The sanitizer build runs unoptimised and about 25 times slower: it checks a
// fiftieth of the seeds (at least two per side).
int Scaled(int seeds)
{
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
    const bool slowBuild = true;
#else
    const bool slowBuild = std::getenv("ZORBIK_SANITIZED") != nullptr;
#endif
    return slowBuild ? std::max(2, seeds / 50) : seeds;
}

GameState LevelStart(int side, bool hidden)
{
    GameState s;
    s.MazeSize = side;
    s.PlayerX = s.PlayerY = 2;
    s.PaintBoxWidth = 11 * CellSize;
    s.PaintBoxHeight = 9 * CellSize;
    s.Args = {"Game1", "quiz", "topic", "SOUND", hidden ? "HIDDEN" : "VISIBLE"};
    return s;
}

// Generates the level for `seed` both ways and compares everything the
// generator writes, plus the next random number.
void ExpectSameLevel(int side, uint64_t seed)
{
    const bool hidden = seed % 3 == 0;
    GameState fast = LevelStart(side, hidden), plain = LevelStart(side, hidden);
    SeedRandom(seed);
    GenerateLevel(fast);
    const int nextFast = Random(1 << 30);
    SeedRandom(seed);
    oracle::PlainGenerateLevel(plain);
    const int nextPlain = Random(1 << 30);

    SCOPED_TRACE(testing::Message() << "side " << side << " seed " << seed);
    ASSERT_TRUE(fast.Maze == plain.Maze);
    ASSERT_EQ(fast.ItemCount, plain.ItemCount);
    ASSERT_TRUE(fast.ItemList == plain.ItemList);
    ASSERT_EQ(fast.EnemyCount, plain.EnemyCount);
    ASSERT_TRUE(fast.EnemyList == plain.EnemyList);
    ASSERT_EQ(nextFast, nextPlain);
    ASSERT_EQ(std::tie(fast.InPlay, fast.Paused, fast.HasTorch, fast.LevelSeconds),
              std::tie(plain.InPlay, plain.Paused, plain.HasTorch, plain.LevelSeconds));
    ASSERT_EQ(std::tie(fast.ViewLeft, fast.ViewRight, fast.ViewTop, fast.ViewBottom),
              std::tie(plain.ViewLeft, plain.ViewRight, plain.ViewTop, plain.ViewBottom));
}

TEST(GeneratorMatchesPlainScans, SmallerLevels)
{
    const int seeds[] = {1500, 1000, 700, 500, 400, 300, 200, 150}; // sides 11..53
    for (int i = 0; i < 8; ++i) {
        const int side = 11 + 6 * i;
        for (int seed = 1; seed <= Scaled(seeds[i]); ++seed)
            ASSERT_NO_FATAL_FAILURE(ExpectSameLevel(side, 7000 + seed));
    }
}

TEST(GeneratorMatchesPlainScans, LastLevel)
{
    for (int seed = 1; seed <= Scaled(300); ++seed)
        ASSERT_NO_FATAL_FAILURE(ExpectSameLevel(59, 9000 + seed));
}

// Smoothing passes on grids of every density of walls, so that rare
// arrangements (long wall columns, wide open halls) come up often.
TEST(GeneratorMatchesPlainScans, SmoothingOnRoughGrids)
{
    for (int seed = 1; seed <= Scaled(3000); ++seed) {
        const int side = 11 + 6 * (seed % 9);
        const int density = 5 + (seed * 37) % 91;
        GameState fast;
        fast.MazeSize = side;
        SeedRandom(seed);
        for (int x = 1; x <= side; ++x)
            for (int y = 1; y <= side; ++y) {
                const bool border = x == 1 || y == 1 || x == side || y == side;
                fast.Maze[x][y] = border || Random(100) < density ? CellBrick : CellRoad;
            }
        GameState plain = fast;
        const uint64_t drawsFrom = detail::rngState;
        SCOPED_TRACE(testing::Message() << "side " << side << " seed " << seed);
        for (int pass = 1; pass <= 3; ++pass) {
            detail::rngState = drawsFrom + pass;
            const bool fastLeft = SmoothOnce(fast);
            const int nextFast = Random(1 << 30);
            detail::rngState = drawsFrom + pass;
            const bool plainLeft = oracle::PlainSmoothOnce(plain);
            const int nextPlain = Random(1 << 30);
            ASSERT_TRUE(fast.Maze == plain.Maze) << "pass " << pass;
            ASSERT_EQ(fastLeft, plainLeft);
            ASSERT_EQ(nextFast, nextPlain);
        }
    }
}

// Random grids that no smoothing went over: many closed regions, so the
// opening search runs long and often gives up.
TEST(GeneratorMatchesPlainScans, ConnectivityOnRoughGrids)
{
    int gaveUp = 0, joined = 0;
    for (int seed = 1; seed <= Scaled(400); ++seed) {
        const int side = 11 + 6 * (seed % 9);
        GameState fast;
        fast.MazeSize = side;
        SeedRandom(seed);
        for (int x = 1; x <= side; ++x)
            for (int y = 1; y <= side; ++y) {
                const bool border = x == 1 || y == 1 || x == side || y == side;
                fast.Maze[x][y] = border || Random(100) < 45 ? CellBrick : CellRoad;
            }
        GameState plain = fast;
        const uint64_t drawsFrom = detail::rngState;
        const bool fastDone = ConnectRoads(fast);
        const int nextFast = Random(1 << 30);
        detail::rngState = drawsFrom;
        const bool plainDone = oracle::PlainConnectRoads(plain);
        const int nextPlain = Random(1 << 30);
        SCOPED_TRACE(testing::Message() << "side " << side << " seed " << seed);
        ASSERT_EQ(fastDone, plainDone);
        ASSERT_TRUE(fast.Maze == plain.Maze);
        ASSERT_EQ(nextFast, nextPlain);
        (fastDone ? joined : gaveUp) += 1;
    }
    // Both ends of the search are exercised.
    EXPECT_GT(gaveUp, 0);
    EXPECT_GT(joined, 0);
}

} // namespace
} // namespace zorbik
