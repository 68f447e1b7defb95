#include "PlainGenerator.h"

#include "world/Random.h"

namespace zorbik::oracle {
namespace {

bool IsWall(const MazeGrid& m, int x, int y)
{
    return m[x][y] == CellBrick;
}

bool IsRoad(const MazeGrid& m, int x, int y)
{
    return m[x][y] == CellRoad;
}

int NeighbourSquares(const MazeGrid& m, int x, int y)
{
    const int l = m[x - 1][y], r = m[x + 1][y], u = m[x][y - 1], d = m[x][y + 1];
    return l * l + r * r + u * u + d * d;
}

void WriteBorder(GameState& s)
{
    const int n = s.MazeSize;
    for (int i = 1; i <= n; ++i) {
        s.Maze[i][1] = CellBrick;
        s.Maze[i][n] = CellBrick;
        s.Maze[1][i] = CellBrick;
        s.Maze[n][i] = CellBrick;
    }
}

bool RingIs(const MazeGrid& m, int x, int y, int w, int h, uint8_t code)
{
    for (int i = x; i < x + w; ++i)
        for (int j = y; j < y + h; ++j) {
            const bool edge = i == x || i == x + w - 1 || j == y || j == y + h - 1;
            if (edge && m[i][j] != code)
                return false;
        }
    return true;
}

void SmoothingPass(GameState& s)
{
    auto& m = s.Maze;
    const int n = s.MazeSize;
    for (int x = 1; x <= n - 1; ++x)
        for (int y = 1; y <= n - 1; ++y)
            if (IsWall(m, x, y) && IsWall(m, x + 1, y) && IsWall(m, x, y + 1) && IsWall(m, x + 1, y + 1)) {
                const int r1 = Random(2);
                const int r2 = Random(2);
                m[x + r2][y + r1] = CellRoad;
            }
    for (int x = 1; x <= n - 1; ++x)
        for (int y = 1; y <= n - 1; ++y)
            if (IsRoad(m, x, y) && IsRoad(m, x + 1, y) && IsRoad(m, x, y + 1) && IsRoad(m, x + 1, y + 1)) {
                const int r1 = Random(2);
                const int r2 = Random(2);
                m[x + r2][y + r1] = CellBrick;
            }
    for (int x = 1; x <= n - 1; ++x)
        for (int y = 1; y <= n - 1; ++y)
            if (IsWall(m, x, y) && IsWall(m, x + 1, y + 1) && IsRoad(m, x + 1, y) && IsRoad(m, x, y + 1))
                m[x + 1][y] = CellBrick;
    for (int x = 1; x <= n - 1; ++x)
        for (int y = 1; y <= n - 1; ++y)
            if (IsWall(m, x + 1, y) && IsWall(m, x, y + 1) && IsRoad(m, x, y) && IsRoad(m, x + 1, y + 1))
                m[x][y] = CellBrick;
    for (int x = 2; x <= n - 1; ++x)
        for (int y = 2; y <= n - 1; ++y) {
            if (IsWall(m, x - 1, y) && IsWall(m, x + 1, y) && IsWall(m, x, y - 1) && IsWall(m, x, y + 1))
                m[x][y] = CellBrick;
            if (IsRoad(m, x - 1, y) && IsRoad(m, x + 1, y) && IsRoad(m, x, y - 1) && IsRoad(m, x, y + 1))
                m[x][y] = CellRoad;
        }
    for (int x = 1; x <= n - 3; ++x)
        for (int y = 1; y <= n - 2; ++y) {
            if (RingIs(m, x, y, 4, 3, CellBrick)) {
                m[x + 1][y + 1] = CellBrick;
                m[x + 2][y + 1] = CellBrick;
            }
            if (RingIs(m, x, y, 4, 3, CellRoad)) {
                m[x + 1][y + 1] = CellRoad;
                m[x + 2][y + 1] = CellRoad;
            }
        }
    for (int x = 1; x <= n - 2; ++x)
        for (int y = 1; y <= n - 3; ++y) {
            if (RingIs(m, x, y, 3, 4, CellBrick)) {
                m[x + 1][y + 1] = CellBrick;
                m[x + 1][y + 2] = CellBrick;
            }
            if (RingIs(m, x, y, 3, 4, CellRoad)) {
                m[x + 1][y + 1] = CellRoad;
                m[x + 1][y + 2] = CellRoad;
            }
        }
}

int CountDefects(const GameState& s)
{
    const auto& m = s.Maze;
    const int n = s.MazeSize;
    int defects = 0;
    for (int x = 1; x <= n - 1; ++x)
        for (int y = 1; y <= n - 1; ++y) {
            if (IsWall(m, x, y) && IsWall(m, x + 1, y) && IsWall(m, x, y + 1) && IsWall(m, x + 1, y + 1))
                ++defects;
            if (IsRoad(m, x, y) && IsRoad(m, x + 1, y) && IsRoad(m, x, y + 1) && IsRoad(m, x + 1, y + 1))
                ++defects;
            if (IsWall(m, x, y) && IsWall(m, x + 1, y + 1) && IsRoad(m, x + 1, y) && IsRoad(m, x, y + 1))
                ++defects;
            if (IsRoad(m, x, y) && IsRoad(m, x + 1, y + 1) && IsWall(m, x + 1, y) && IsWall(m, x, y + 1))
                ++defects;
        }
    return defects;
}

void EmptyList(RecordList& list)
{
    for (auto& r : list)
        r = CellRecord{};
}

} // namespace

void PlainFillAndSmooth(GameState& s)
{
    const int n = s.MazeSize;
    for (int i = 0; i < (n - 2) * (n - 2); ++i) {
        const int x = 2 + Random(n - 2);
        const int y = 2 + Random(n - 2);
        if (Random(1000) < 500)
            s.Maze[x][y] = CellBrick;
    }
    int defects = 0;
    do {
        SmoothingPass(s);
        WriteBorder(s);
        defects = CountDefects(s);
    } while (defects > 0);
}

bool PlainSmoothOnce(GameState& s)
{
    SmoothingPass(s);
    WriteBorder(s);
    return CountDefects(s) > 0;
}

bool PlainConnectRoads(GameState& s)
{
    auto& m = s.Maze;
    const int n = s.MazeSize;
    m[2][2] = CellEnter;
    for (;;) {
        bool marked = true;
        while (marked) {
            marked = false;
            for (int x = 2; x <= n - 1; ++x)
                for (int y = 2; y <= n - 1; ++y) {
                    if (m[x][y] != 2)
                        continue;
                    const int nx[4] = {x + 1, x - 1, x, x};
                    const int ny[4] = {y, y, y + 1, y - 1};
                    for (int k = 0; k < 4; ++k)
                        if (m[nx[k]][ny[k]] == CellRoad) {
                            m[nx[k]][ny[k]] = 2;
                            marked = true;
                        }
                }
        }
        int unreached = 0;
        for (int x = 2; x <= n - 1; ++x)
            for (int y = 2; y <= n - 1; ++y)
                if (m[x][y] == CellRoad)
                    ++unreached;
        if (unreached == 0)
            return true;
        bool opened = false;
        for (int scan = 0; scan < 100 && !opened; ++scan)
            for (int x = 2; x <= n - 1 && !opened; ++x)
                for (int y = 2; y <= n - 1 && !opened; ++y)
                    if (m[x][y] == CellBrick && NeighbourSquares(m, x, y) == 6 && Random(1000) < 100) {
                        m[x][y] = CellRoad;
                        opened = true;
                    }
        if (!opened)
            return false;
    }
}

void PlainPlaceDoors(GameState& s)
{
    auto& m = s.Maze;
    const int n = s.MazeSize;
    int doors = 0;
    for (;;) {
        int candidates = 0;
        for (int x = 2; x <= n - 1; ++x)
            for (int y = 2; y <= n - 1; ++y) {
                if (m[x][y] != CellRoad)
                    continue;
                const bool across =
                    IsWall(m, x - 1, y) && IsWall(m, x + 1, y) && IsRoad(m, x, y - 1) && IsRoad(m, x, y + 1);
                const bool along =
                    IsWall(m, x, y - 1) && IsWall(m, x, y + 1) && IsRoad(m, x - 1, y) && IsRoad(m, x + 1, y);
                if (!across && !along)
                    continue;
                ++candidates;
                if (Random(1000) < 10) {
                    m[x][y] = CellDoor;
                    ++doors;
                }
            }
        // A scan without a single candidate leaves the grid as it was, so no
        // later scan could add a door either.
        if (100 * doors >= 2 * n * n || candidates == 0)
            return;
    }
}

void PlainPlaceItems(GameState& s)
{
    auto& m = s.Maze;
    const int n = s.MazeSize;
    s.ItemCount = 0;
    EmptyList(s.ItemList);
    auto place = [&](int x, int y, bool treasure) {
        s.ItemCount += 1;
        m[x][y] = CellItem;
        s.ItemList[s.ItemCount].x = static_cast<uint8_t>(x);
        s.ItemList[s.ItemCount].y = static_cast<uint8_t>(y);
        s.ItemList[s.ItemCount].kind = static_cast<uint8_t>(treasure ? 1 + Random(3) : 4 + Random(2));
    };
    for (;;) {
        int roads = 0;
        for (int x = 2; x <= n - 1 && s.ItemCount < ListRoom; ++x)
            for (int y = 2; y <= n - 1 && s.ItemCount < ListRoom; ++y) {
                if (m[x][y] != CellRoad)
                    continue;
                ++roads;
                const int sq = NeighbourSquares(m, x, y);
                if (m[x][y] == CellRoad && sq == 19)
                    place(x, y, false);
                if (m[x][y] == CellRoad && sq == 34)
                    place(x, y, false);
                if (m[x][y] == CellRoad && sq == 3 && Random(1000) < 10)
                    place(x, y, true);
                if (m[x][y] == CellRoad && sq == 18 && Random(10000) < 10)
                    place(x, y, true);
                if (m[x][y] == CellRoad && Random(100000) < 10)
                    place(x, y, true);
            }
        // A full list takes nothing more; without a free road no scan can
        // place anything.
        if (100 * s.ItemCount >= 4 * n * n || s.ItemCount >= ListRoom || roads == 0)
            return;
    }
}

void PlainPlaceEnemies(GameState& s)
{
    auto& m = s.Maze;
    const int n = s.MazeSize;
    s.EnemyCount = 0;
    EmptyList(s.EnemyList);
    for (;;) {
        int roads = 0;
        for (int x = 2; x <= n - 1 && s.EnemyCount < ListRoom; ++x)
            for (int y = 2; y <= n - 1 && s.EnemyCount < ListRoom; ++y) {
                if (m[x][y] != CellRoad)
                    continue;
                ++roads;
                if (Random(10000) < 10) {
                    s.EnemyCount += 1;
                    m[x][y] = CellEnemy;
                    s.EnemyList[s.EnemyCount] = CellRecord{static_cast<uint8_t>(x), static_cast<uint8_t>(y),
                                                           static_cast<uint8_t>(1 + Random(4))};
                }
            }
        if (100 * s.EnemyCount >= n * n - 200 || s.EnemyCount >= ListRoom || roads == 0)
            return;
    }
}

void PlainGenerateLevel(GameState& s)
{
    const int n = s.MazeSize;
    for (;;) {
        EmptyList(s.ItemList);
        EmptyList(s.EnemyList);
        s.Maze = MazeGrid{};
        WriteBorder(s);
        PlainFillAndSmooth(s);
        if (PlainConnectRoads(s))
            break;
    }
    auto& m = s.Maze;
    for (int x = 2; x <= n - 1; ++x)
        for (int y = 2; y <= n - 1; ++y)
            if (m[x][y] == 2)
                m[x][y] = CellRoad;
    m[2][2] = CellEnter;
    m[n - 1][n - 1] = CellExit;

    PlainPlaceDoors(s);
    PlainPlaceItems(s);
    PlainPlaceEnemies(s);

    s.InPlay = 1;
    s.LevelSeconds = 0;
    s.HasTorch = 0;
    s.Paused = 0;

    if (s.HiddenMode())
        for (int x = 1; x <= GridSide - 1; ++x)
            for (int y = 1; y <= GridSide - 1; ++y)
                m[x][y] = static_cast<uint8_t>(m[x][y] + HiddenMark);
    for (int x = 1; x <= 3; ++x)
        for (int y = 1; y <= 3; ++y)
            m[x][y] = m[x][y] % HiddenMark;

    s.ViewLeft = 1;
    s.ViewRight = s.PaintBoxWidth / CellSize;
    s.ViewTop = 1;
    s.ViewBottom = s.PaintBoxHeight / CellSize;
}

} // namespace zorbik::oracle
