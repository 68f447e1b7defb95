// What every generated level must offer the player, checked over many seeds
// at every side, and the single steps on grids built for the purpose.
#include "tests/oracle/PlainGenerator.h"
#include "world/MazeGenerator.h"
#include "world/MazeSteps.h"
#include "world/Random.h"

#include <gtest/gtest.h>

#include <vector>

namespace zorbik {
namespace {

GameState LevelStart(int side, const char* visibility = "VISIBLE")
{
    GameState s;
    s.MazeSize = side;
    s.PlayerX = s.PlayerY = 2;
    s.Score = 4321;
    s.Health = 70;
    s.PaintBoxWidth = 13 * CellSize + 7;
    s.PaintBoxHeight = 8 * CellSize + 79;
    s.Args = {"Game1", "quiz", "topic", "SOUND", visibility};
    return s;
}

int CountCells(const GameState& s, uint8_t content)
{
    int count = 0;
    for (int x = 1; x <= s.MazeSize; ++x)
        for (int y = 1; y <= s.MazeSize; ++y)
            count += s.Maze[x][y] % HiddenMark == content;
    return count;
}

int Content(const GameState& s, int x, int y)
{
    return s.Maze[x][y] % HiddenMark;
}

// Every record of `list` lies on a cell of `code`, and there are as many
// records as such cells.
void ExpectRecordsMatchCells(const GameState& s, const RecordList& list, int count, uint8_t code, int maxKind)
{
    EXPECT_EQ(count, CountCells(s, code));
    for (int i = 1; i <= count; ++i) {
        EXPECT_EQ(Content(s, list[i].x, list[i].y), code) << "record " << i;
        EXPECT_GE(list[i].kind, 1);
        EXPECT_LE(list[i].kind, maxKind);
    }
    for (int i = count + 1; i <= ListRoom; ++i)
        EXPECT_TRUE(list[i] == CellRecord{}) << "stale record " << i;
}

void ExpectEveryRoadReachable(const GameState& s)
{
    const int n = s.MazeSize;
    std::vector<std::vector<bool>> seen(n + 2, std::vector<bool>(n + 2, false));
    std::vector<std::pair<int, int>> stack{{2, 2}};
    seen[2][2] = true;
    while (!stack.empty()) {
        auto [x, y] = stack.back();
        stack.pop_back();
        const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
        for (int k = 0; k < 4; ++k) {
            const int nx = x + dx[k], ny = y + dy[k];
            if (!seen[nx][ny] && Content(s, nx, ny) != CellBrick) {
                seen[nx][ny] = true;
                stack.push_back({nx, ny});
            }
        }
    }
    for (int x = 2; x <= n - 1; ++x)
        for (int y = 2; y <= n - 1; ++y)
            if (Content(s, x, y) != CellBrick) {
                ASSERT_TRUE(seen[x][y]) << "cut off: " << x << "," << y;
            }
}

struct LevelBounds {
    int side, doors, items, enemies;
};
constexpr LevelBounds Bounds[] = {{11, 3, 5, 0},    {17, 6, 12, 1},    {23, 11, 22, 4},
                                  {29, 17, 34, 7},  {35, 25, 49, 11},  {41, 34, 68, 15},
                                  {47, 45, 89, 21}, {53, 57, 113, 27}, {59, 70, 140, 33}};

TEST(GenerateLevel, EveryLevelIsPlayable)
{
    for (const LevelBounds& b : Bounds)
        for (int seed = 1; seed <= 60; ++seed) {
            SCOPED_TRACE(testing::Message() << "side " << b.side << " seed " << seed);
            GameState s = LevelStart(b.side);
            SeedRandom(100 * b.side + seed);
            GenerateLevel(s);
            const int n = b.side;

            EXPECT_EQ(s.Maze[2][2], CellEnter);
            EXPECT_EQ(s.Maze[n - 1][n - 1], CellExit);
            for (int i = 1; i <= n; ++i)
                ASSERT_TRUE(s.Maze[i][1] == CellBrick && s.Maze[i][n] == CellBrick &&
                            s.Maze[1][i] == CellBrick && s.Maze[n][i] == CellBrick)
                    << "border open at " << i;
            for (int x = 0; x <= 60; ++x)
                for (int y = 0; y <= 60; ++y)
                    if (x == 0 || y == 0 || x > n || y > n) {
                        ASSERT_EQ(s.Maze[x][y], 0) << x << "," << y;
                    }
            ASSERT_NO_FATAL_FAILURE(ExpectEveryRoadReachable(s));

            ExpectRecordsMatchCells(s, s.ItemList, s.ItemCount, CellItem, FirstAid);
            ExpectRecordsMatchCells(s, s.EnemyList, s.EnemyCount, CellEnemy, Bear);
            EXPECT_GE(CountCells(s, CellDoor), b.doors);
            EXPECT_GE(s.ItemCount, b.items);
            EXPECT_GE(s.EnemyCount, b.enemies);
            EXPECT_EQ(CountCells(s, CellEnter), 1);
            EXPECT_EQ(CountCells(s, CellExit), 1);

            // A pocket behind a door always holds a torch or a first-aid kit.
            for (int x = 2; x <= n - 1; ++x)
                for (int y = 2; y <= n - 1; ++y) {
                    const int around[4] = {Content(s, x - 1, y), Content(s, x + 1, y), Content(s, x, y - 1),
                                           Content(s, x, y + 1)};
                    int doors = 0, walls = 0;
                    for (int c : around) {
                        doors += c == CellDoor;
                        walls += c == CellBrick;
                    }
                    if (doors != 1 || walls != 3 || Content(s, x, y) == CellEnter ||
                        Content(s, x, y) == CellExit || Content(s, x, y) == CellDoor ||
                        Content(s, x, y) == CellBrick)
                        continue;
                    ASSERT_EQ(Content(s, x, y), CellItem) << "empty pocket " << x << "," << y;
                    bool found = false;
                    for (int i = 1; i <= s.ItemCount; ++i)
                        if (s.ItemList[i].x == x && s.ItemList[i].y == y)
                            found = s.ItemList[i].kind == Torch || s.ItemList[i].kind == FirstAid;
                    EXPECT_TRUE(found) << "pocket without torch or first aid " << x << "," << y;
                }
        }
}

TEST(GenerateLevel, StartsTheLevelAndLeavesTheGameAlone)
{
    GameState s = LevelStart(17);
    s.InPlay = 0;
    s.Paused = 1;
    s.HasTorch = 1;
    s.LevelSeconds = 321;
    s.ViewLeft = 9, s.ViewRight = 30, s.ViewTop = 7, s.ViewBottom = 25;
    // Leftovers of a larger previous level must vanish.
    s.Maze[40][40] = CellItem;
    s.ItemList[200] = CellRecord{40, 40, Gold};
    s.EnemyList[220] = CellRecord{41, 40, Wolf};
    SeedRandom(5);
    GenerateLevel(s);
    EXPECT_EQ(s.InPlay, 1);
    EXPECT_EQ(s.Paused, 0);
    EXPECT_EQ(s.HasTorch, 0);
    EXPECT_EQ(s.LevelSeconds, 0);
    EXPECT_EQ(s.ViewLeft, 1);
    EXPECT_EQ(s.ViewRight, 13);
    EXPECT_EQ(s.ViewTop, 1);
    EXPECT_EQ(s.ViewBottom, 8);
    EXPECT_EQ(s.Maze[40][40], 0);
    EXPECT_TRUE(s.ItemList[200] == CellRecord{});
    EXPECT_TRUE(s.EnemyList[220] == CellRecord{});
    EXPECT_EQ(s.Score, 4321);
    EXPECT_EQ(s.Health, 70);
    EXPECT_EQ(s.PlayerX, 2);
    EXPECT_EQ(s.PlayerY, 2);
}

TEST(GenerateLevel, HiddenModeCoversAllButTheStart)
{
    for (const char* word : {"HIDDEN", "hidden", "VISIBLE"}) {
        const bool hidden = std::string(word) == "HIDDEN";
        GameState s = LevelStart(23, word), visible = LevelStart(23, "VISIBLE");
        SeedRandom(77);
        GenerateLevel(s);
        SeedRandom(77);
        GenerateLevel(visible);
        for (int x = 0; x <= 60; ++x)
            for (int y = 0; y <= 60; ++y) {
                const bool unseen = hidden && x >= 1 && y >= 1 && (x > 3 || y > 3);
                ASSERT_EQ(s.Maze[x][y], visible.Maze[x][y] + (unseen ? HiddenMark : 0))
                    << word << " " << x << "," << y;
            }
    }
}

TEST(GenerateLevel, SmoothedGridHasNoSolidOpenOrDiagonalBlock)
{
    for (int side : {11, 35, 59})
        for (int seed = 1; seed <= 20; ++seed) {
            GameState s;
            s.MazeSize = side;
            for (int i = 1; i <= side; ++i)
                s.Maze[i][1] = s.Maze[i][side] = s.Maze[1][i] = s.Maze[side][i] = CellBrick;
            SeedRandom(seed);
            FillAndSmooth(s);
            const auto& m = s.Maze;
            for (int x = 1; x < side; ++x)
                for (int y = 1; y < side; ++y) {
                    const int sum = m[x][y] + m[x + 1][y] + m[x][y + 1] + m[x + 1][y + 1];
                    ASSERT_TRUE(sum == 1 || sum == 3 || (sum == 2 && m[x][y] != m[x + 1][y + 1]))
                        << "side " << side << " seed " << seed << " block " << x << "," << y;
                }
        }
}

// A grid with the given rows of text (x across, y down), '#' wall, '.' road.
GameState Drawn(const std::vector<std::string>& rows)
{
    GameState s;
    s.MazeSize = static_cast<int>(rows.size());
    for (int y = 1; y <= s.MazeSize; ++y)
        for (int x = 1; x <= s.MazeSize; ++x)
            s.Maze[x][y] = rows[y - 1][x - 1] == '#' ? CellBrick : CellRoad;
    return s;
}

TEST(ConnectRoads, GivesUpOnARegionBehindAThickWall)
{
    GameState s = Drawn({"###########", //
                         "#.....#####", //
                         "#.....#####", //
                         "#.....#####", //
                         "###########", //
                         "###########", //
                         "#####...###", //
                         "#####...###", //
                         "###########", //
                         "###########", //
                         "###########"});
    SeedRandom(3);
    const uint64_t before = detail::rngState;
    EXPECT_FALSE(ConnectRoads(s));
    // No wall has one reached and one unreached neighbour: no draw at all.
    EXPECT_EQ(detail::rngState, before);
    EXPECT_EQ(s.Maze[7][7], CellRoad);
}

TEST(ConnectRoads, OpensOneWallOfAThinPartition)
{
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        GameState s = Drawn({"###########", //
                             "#.....#...#", //
                             "#.....#...#", //
                             "#.....#...#", //
                             "###########", //
                             "###########", //
                             "###########", //
                             "###########", //
                             "###########", //
                             "###########", //
                             "###########"});
        SeedRandom(seed);
        EXPECT_TRUE(ConnectRoads(s));
        EXPECT_EQ(s.Maze[2][2], 2);
        for (int x = 8; x <= 10; ++x)
            for (int y = 2; y <= 4; ++y)
                EXPECT_EQ(s.Maze[x][y], 2) << x << "," << y;
        EXPECT_EQ((s.Maze[7][2] == 2) + (s.Maze[7][3] == 2) + (s.Maze[7][4] == 2), 1);
    }
}

// Doors in every other column of every other row, a pocket on each side:
// far more pockets than the item list can hold.
GameState ManyPockets()
{
    GameState s;
    const int n = 59;
    s.MazeSize = n;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            s.Maze[x][y] = CellBrick;
    for (int y = 2; y <= n - 1; y += 2)
        for (int x = 2; x + 2 <= n - 1; x += 4) {
            s.Maze[x][y] = CellRoad;
            s.Maze[x + 1][y] = CellDoor;
            s.Maze[x + 2][y] = CellRoad;
        }
    return s;
}

TEST(PlaceItems, AFullListTakesNothingMore)
{
    GameState s = ManyPockets(), plain = ManyPockets();
    ASSERT_GT(CountCells(s, CellRoad), ListRoom);
    SeedRandom(11);
    PlaceItems(s);
    const int nextFast = Random(1 << 30);
    SeedRandom(11);
    oracle::PlainPlaceItems(plain);
    const int nextPlain = Random(1 << 30);
    EXPECT_EQ(s.ItemCount, ListRoom);
    ExpectRecordsMatchCells(s, s.ItemList, s.ItemCount, CellItem, FirstAid);
    for (int i = 1; i <= s.ItemCount; ++i)
        EXPECT_TRUE(s.ItemList[i].kind == Torch || s.ItemList[i].kind == FirstAid);
    EXPECT_TRUE(s.Maze == plain.Maze);
    EXPECT_TRUE(s.ItemList == plain.ItemList);
    EXPECT_EQ(nextFast, nextPlain);
}

TEST(PlaceDoorsAndItems, StopWhenNoScanCouldEverPlaceMore)
{
    // An open hall has no narrow passage; a solid block has no road.
    for (bool open : {true, false}) {
        GameState s;
        s.MazeSize = 23;
        for (int x = 1; x <= 23; ++x)
            for (int y = 1; y <= 23; ++y)
                s.Maze[x][y] = (!open || x == 1 || y == 1 || x == 23 || y == 23) ? CellBrick : CellRoad;
        GameState plain = s;
        PlaceDoors(s);
        oracle::PlainPlaceDoors(plain);
        EXPECT_EQ(CountCells(s, CellDoor), 0);
        EXPECT_TRUE(s.Maze == plain.Maze);
        if (!open) {
            PlaceItems(s);
            oracle::PlainPlaceItems(plain);
            EXPECT_EQ(s.ItemCount, 0);
            PlaceEnemies(s);
            oracle::PlainPlaceEnemies(plain);
            EXPECT_EQ(s.EnemyCount, 0);
        }
    }
}

} // namespace
} // namespace zorbik
