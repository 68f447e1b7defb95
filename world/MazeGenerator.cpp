#include "MazeGenerator.h"

#include "MazeSteps.h"
#include "Random.h"

#include <array>
#include <bit>
#include <cstdint>
#include <utility>
#include <vector>

// The generator keeps each column of the maze as a 64-bit mask (bit y for
// row y; a maze has at most 59 rows). A scan over the blocks, cells or rings
// of a column then finds every place it must act on with a few shifts and
// ANDs, and handles those places lowest row first, exactly as a cell-by-cell
// scan would: after each change the candidates of the column are worked out
// again from the changed grid, for the rows not yet visited. The random
// draws therefore come in the same number and order as in a cell-by-cell
// scan, and so does the finished maze.

namespace zorbik {
namespace {

using Mask = uint64_t;

constexpr Mask Bit(int y)
{
    return Mask{1} << y;
}

// Rows lo..hi.
constexpr Mask Rows(int lo, int hi)
{
    return hi < lo ? 0 : ((Bit(hi) << 1) - 1) & ~(Bit(lo) - 1);
}

// Rows after y.
constexpr Mask After(int y)
{
    return ~((Bit(y) << 1) - 1);
}

int LowestRow(Mask m)
{
    return std::countr_zero(m);
}

using Columns = std::array<Mask, GridSide + 3>;

// Wall masks of the columns 1..n (bits 1..n); every other bit stays 0.
//
// Late in the smoothing most of the maze is settled and the passes only
// rework a small area again and again. Each scan therefore remembers which
// columns changed since it last ran: a column whose scan found nothing to do
// then, and none of whose cells that scan looks at changed since, still has
// nothing to do and is skipped. (Every place a scan acts on changes the grid,
// so "nothing changed" means "nothing to act on".)
class WallColumns {
  public:
    explicit WallColumns(int n)
        : n_(n), blocks_(Rows(1, n - 1)), inner_(Rows(2, n - 1)), blockColumns_(Rows(1, n - 1)),
          innerColumns_(Rows(2, n - 1))
    {
        changed_.fill(Rows(0, n + 1));
    }

    Columns w{};

    void RandomFill()
    {
        const int n = n_;
        for (int i = 0; i < (n - 2) * (n - 2); ++i) {
            const int x = 2 + Random(n - 2);
            const int y = 2 + Random(n - 2);
            if (Random(1000) < 500)
                w[x] |= Bit(y);
        }
        changed_.fill(Rows(0, n + 1));
    }

    void Pass()
    {
        SolidBlocks();
        OpenBlocks();
        DiagonalFirst();
        DiagonalSecond();
        SingleCells();
        WideRings();
        TallRings();
    }

    void WriteBorder()
    {
        Mask touched = 0;
        auto set = [&](int x, Mask value) {
            if (w[x] != value) {
                w[x] = value;
                touched |= Bit(x);
            }
        };
        const Mask side = Rows(1, n_);
        set(1, side);
        set(n_, side);
        for (int x = 2; x <= n_ - 1; ++x)
            set(x, w[x] | Bit(1) | Bit(n_));
        Record(touched);
    }

    // Whether any block is all wall, all road, or two walls or two roads
    // touching only at a corner. The four patterns exclude one another.
    bool HasDefects()
    {
        Mask todo = Affected<0, 1>(changed_[DefectCheck]) & blockColumns_;
        changed_[DefectCheck] = 0;
        for (; todo; todo &= todo - 1) {
            const int x = LowestRow(todo);
            const Mask a = w[x], b = w[x + 1], a1 = a >> 1, b1 = b >> 1;
            const Mask solid = a & b & a1 & b1;
            const Mask open = ~(a | b | a1 | b1);
            const Mask diagonal = (a ^ b) & (a ^ a1) & (b ^ b1);
            if ((solid | open | diagonal) & blocks_)
                defectColumns_ |= Bit(x);
            else
                defectColumns_ &= ~Bit(x);
        }
        return defectColumns_ != 0;
    }

  private:
    enum Step { Solid, Open, DiagFirst, DiagSecond, Single, Wide, Tall, DefectCheck, StepCount };

    int n_;
    Mask blocks_;       // rows 1..n-1: the tops of the blocks
    Mask inner_;        // rows 2..n-1
    Mask blockColumns_; // columns 1..n-1 (a mask over columns)
    Mask innerColumns_; // columns 2..n-1
    // Per step, the columns changed since the step last ran.
    std::array<Mask, StepCount> changed_{};
    // Columns of blocks that had a defect when last looked at.
    Mask defectColumns_ = 0;

    // The columns x whose window x+Lo..x+Hi holds a column of `cols`.
    template <int Lo, int Hi> static Mask Affected(Mask cols)
    {
        Mask r = 0;
        for (int d = Lo; d <= Hi; ++d)
            r |= d >= 0 ? cols >> d : cols << -d;
        return r;
    }

    void Record(Mask cols)
    {
        for (Mask& c : changed_)
            c |= cols;
    }

    // Runs one scan over the columns in `columns` that may have something to
    // do. `column(x)` handles column x and returns the columns it changed.
    template <int Lo, int Hi, class F> void Scan(Step step, Mask columns, F&& column)
    {
        Mask todo = Affected<Lo, Hi>(changed_[step]) & columns;
        changed_[step] = 0;
        while (todo) {
            const int x = LowestRow(todo);
            const Mask touched = column(x);
            if (touched) {
                Record(touched);
                todo |= Affected<Lo, Hi>(touched) & columns;
            }
            todo &= After(x);
        }
    }

    // All four cells of a block are walls: one of them, drawn, opens.
    void SolidBlocks()
    {
        Scan<0, 1>(Solid, blockColumns_, [&](int x) {
            auto candidates = [&] {
                const Mask both = w[x] & w[x + 1];
                return both & (both >> 1) & blocks_;
            };
            Mask touched = 0;
            Mask m = candidates();
            while (m) {
                const int y = LowestRow(m);
                const int r1 = Random(2);
                const int r2 = Random(2);
                w[x + r2] &= ~Bit(y + r1);
                touched |= Bit(x + r2);
                m = candidates() & After(y);
            }
            return touched;
        });
    }

    // All four cells of a block are roads: one of them, drawn, is walled.
    void OpenBlocks()
    {
        Scan<0, 1>(Open, blockColumns_, [&](int x) {
            auto candidates = [&] {
                const Mask either = w[x] | w[x + 1];
                return ~(either | (either >> 1)) & blocks_;
            };
            Mask touched = 0;
            Mask m = candidates();
            while (m) {
                const int y = LowestRow(m);
                const int r1 = Random(2);
                const int r2 = Random(2);
                w[x + r2] |= Bit(y + r1);
                touched |= Bit(x + r2);
                m = candidates() & After(y);
            }
            return touched;
        });
    }

    // Walls at (x, y) and (x+1, y+1), roads between: (x+1, y) is walled.
    // That cell belongs to no later block of this column, so the column's
    // places can be handled at once.
    void DiagonalFirst()
    {
        Scan<0, 1>(DiagFirst, blockColumns_, [&](int x) -> Mask {
            const Mask a = w[x], b = w[x + 1];
            const Mask m = a & (b >> 1) & ~b & ~(a >> 1) & blocks_;
            w[x + 1] |= m;
            return m ? Bit(x + 1) : 0;
        });
    }

    // Walls at (x+1, y) and (x, y+1), roads at (x, y) and (x+1, y+1): (x, y)
    // is walled; it belongs only to blocks of this column already passed.
    void DiagonalSecond()
    {
        Scan<0, 1>(DiagSecond, blockColumns_, [&](int x) -> Mask {
            const Mask a = w[x], b = w[x + 1];
            const Mask m = b & (a >> 1) & ~a & ~(b >> 1) & blocks_;
            w[x] |= m;
            return m ? Bit(x) : 0;
        });
    }

    // A cell walled in on four sides becomes wall, one with roads on four
    // sides becomes road.
    void SingleCells()
    {
        Scan<-1, 1>(Single, innerColumns_, [&](int x) -> Mask {
            auto candidates = [&] {
                const Mask up = w[x] << 1, down = w[x] >> 1;
                const Mask walled = w[x - 1] & w[x + 1] & up & down;
                const Mask open = ~(w[x - 1] | w[x + 1] | up | down);
                return ((walled & ~w[x]) | (open & w[x])) & inner_;
            };
            Mask m = candidates();
            const Mask touched = m ? Bit(x) : 0;
            while (m) {
                const int y = LowestRow(m);
                w[x] ^= Bit(y);
                m = candidates() & After(y);
            }
            return touched;
        });
    }

    // Rings of ten cells around two centre cells side by side (columns
    // x..x+3, rows y..y+2): the centre takes the ring's kind.
    void WideRings()
    {
        const Mask tops = Rows(1, n_ - 2);
        Scan<0, 3>(Wide, Rows(1, n_ - 3), [&](int x) -> Mask {
            auto candidates = [&] {
                const Mask a = w[x], b = w[x + 1], c = w[x + 2], d = w[x + 3];
                const Mask ringWall =
                    a & (a >> 1) & (a >> 2) & d & (d >> 1) & (d >> 2) & b & (b >> 2) & c & (c >> 2);
                const Mask ringRoad =
                    ~(a | (a >> 1) | (a >> 2) | d | (d >> 1) | (d >> 2) | b | (b >> 2) | c | (c >> 2));
                const Mask centreWall = (b >> 1) & (c >> 1);
                const Mask centreRoad = ~((b >> 1) | (c >> 1));
                return std::pair{ringWall & ~centreWall & tops, ringRoad & ~centreRoad & tops};
            };
            auto [walls, roads] = candidates();
            const Mask touched = (walls | roads) ? Bit(x + 1) | Bit(x + 2) : 0;
            while (walls | roads) {
                const int y = LowestRow(walls | roads);
                if (walls & Bit(y)) {
                    w[x + 1] |= Bit(y + 1);
                    w[x + 2] |= Bit(y + 1);
                } else {
                    w[x + 1] &= ~Bit(y + 1);
                    w[x + 2] &= ~Bit(y + 1);
                }
                auto [nextWalls, nextRoads] = candidates();
                walls = nextWalls & After(y);
                roads = nextRoads & After(y);
            }
            return touched;
        });
    }

    // Rings of ten cells around two centre cells one above the other
    // (columns x..x+2, rows y..y+3).
    void TallRings()
    {
        const Mask tops = Rows(1, n_ - 3);
        Scan<0, 2>(Tall, Rows(1, n_ - 2), [&](int x) -> Mask {
            auto candidates = [&] {
                const Mask a = w[x], b = w[x + 1], c = w[x + 2];
                const Mask sideWall = a & (a >> 1) & (a >> 2) & (a >> 3) & c & (c >> 1) & (c >> 2) & (c >> 3);
                const Mask sideRoad =
                    ~(a | (a >> 1) | (a >> 2) | (a >> 3) | c | (c >> 1) | (c >> 2) | (c >> 3));
                const Mask ringWall = sideWall & b & (b >> 3);
                const Mask ringRoad = sideRoad & ~(b | (b >> 3));
                const Mask centreWall = (b >> 1) & (b >> 2);
                const Mask centreRoad = ~((b >> 1) | (b >> 2));
                return std::pair{ringWall & ~centreWall & tops, ringRoad & ~centreRoad & tops};
            };
            auto [walls, roads] = candidates();
            const Mask touched = (walls | roads) ? Bit(x + 1) : 0;
            while (walls | roads) {
                const int y = LowestRow(walls | roads);
                if (walls & Bit(y))
                    w[x + 1] |= Bit(y + 1) | Bit(y + 2);
                else
                    w[x + 1] &= ~(Bit(y + 1) | Bit(y + 2));
                auto [nextWalls, nextRoads] = candidates();
                walls = nextWalls & After(y);
                roads = nextRoads & After(y);
            }
            return touched;
        });
    }
};

// Masks of the cells holding `code`, columns 0..n+1.
Columns CellsWithCode(const GameState& s, uint8_t code)
{
    Columns c{};
    const int n = s.MazeSize;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            if (s.Maze[x][y] == code)
                c[x] |= Bit(y);
    return c;
}

int NeighbourSquares(const MazeGrid& m, int x, int y)
{
    const int l = m[x - 1][y], r = m[x + 1][y], u = m[x][y - 1], d = m[x][y + 1];
    return l * l + r * r + u * u + d * d;
}

void EmptyList(RecordList& list)
{
    list.fill(CellRecord{});
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

struct Cell {
    uint8_t x, y;
};

} // namespace

void FillAndSmooth(GameState& s)
{
    const int n = s.MazeSize;
    WallColumns grid(n);
    grid.w = CellsWithCode(s, CellBrick);
    grid.RandomFill();
    do {
        grid.Pass();
        grid.WriteBorder();
    } while (grid.HasDefects());
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            s.Maze[x][y] = (grid.w[x] >> y) & 1 ? CellBrick : CellRoad;
}

bool SmoothOnce(GameState& s)
{
    const int n = s.MazeSize;
    WallColumns grid(n);
    grid.w = CellsWithCode(s, CellBrick);
    grid.Pass();
    grid.WriteBorder();
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            s.Maze[x][y] = (grid.w[x] >> y) & 1 ? CellBrick : CellRoad;
    return grid.HasDefects();
}

bool ConnectRoads(GameState& s)
{
    auto& m = s.Maze;
    const int n = s.MazeSize;
    const Mask inner = Rows(2, n - 1);
    auto interior = [n](int x, int y) { return x >= 2 && x <= n - 1 && y >= 2 && y <= n - 1; };
    m[2][2] = CellEnter;
    // The grid holds roads (0), walls (1) and reached marks (2) only.
    Columns wall = CellsWithCode(s, CellBrick);
    Columns reached = CellsWithCode(s, 2);
    Columns unreached = CellsWithCode(s, CellRoad);

    // The reached mark spreads from reached interior cells to neighbouring
    // roads; any order of spreading ends with the same marked set.
    std::vector<Cell> stack;
    stack.reserve(GridSide * GridSide);
    auto mark = [&](int x, int y) {
        m[x][y] = 2;
        reached[x] |= Bit(y);
        unreached[x] &= ~Bit(y);
        if (interior(x, y))
            stack.push_back(Cell{uint8_t(x), uint8_t(y)});
    };
    auto spread = [&] {
        while (!stack.empty()) {
            const Cell c = stack.back();
            stack.pop_back();
            if (m[c.x + 1][c.y] == CellRoad)
                mark(c.x + 1, c.y);
            if (m[c.x - 1][c.y] == CellRoad)
                mark(c.x - 1, c.y);
            if (m[c.x][c.y + 1] == CellRoad)
                mark(c.x, c.y + 1);
            if (m[c.x][c.y - 1] == CellRoad)
                mark(c.x, c.y - 1);
        }
    };
    for (int x = 2; x <= n - 1; ++x)
        for (Mask c = reached[x] & inner; c; c &= c - 1)
            stack.push_back(Cell{uint8_t(x), uint8_t(LowestRow(c))});
    spread();

    auto exactlyOne = [](Mask a, Mask b, Mask c, Mask d) {
        return (a | b | c | d) & ~((a & b) | (c & d) | ((a | b) & (c | d)));
    };
    std::vector<Cell> candidates;
    candidates.reserve(GridSide * GridSide);
    for (;;) {
        Mask anyUnreached = 0;
        for (int x = 2; x <= n - 1; ++x)
            anyUnreached |= unreached[x] & inner;
        if (!anyUnreached)
            return true;
        // Walls with one reached neighbour, one unreached road and two walls
        // around them (the squares of the neighbours' codes add up to 6).
        candidates.clear();
        for (int x = 2; x <= n - 1; ++x) {
            const Mask r = exactlyOne(reached[x - 1], reached[x + 1], reached[x] << 1, reached[x] >> 1);
            const Mask u =
                exactlyOne(unreached[x - 1], unreached[x + 1], unreached[x] << 1, unreached[x] >> 1);
            for (Mask c = wall[x] & r & u & inner; c; c &= c - 1)
                candidates.push_back(Cell{uint8_t(x), uint8_t(LowestRow(c))});
        }
        // A fruitless scan changes nothing, so every scan of the search
        // meets the same candidates in the same order.
        const Cell* opened = nullptr;
        for (int scan = 0; scan < 100 && !opened; ++scan)
            for (const Cell& c : candidates)
                if (Random(1000) < 100) {
                    opened = &c;
                    break;
                }
        if (!opened)
            return false;
        const int x = opened->x, y = opened->y;
        m[x][y] = CellRoad;
        wall[x] &= ~Bit(y);
        unreached[x] |= Bit(y);
        // The opened road is marked if a reached interior cell touches it.
        if ((m[x + 1][y] == 2 && interior(x + 1, y)) || (m[x - 1][y] == 2 && interior(x - 1, y)) ||
            (m[x][y + 1] == 2 && interior(x, y + 1)) || (m[x][y - 1] == 2 && interior(x, y - 1))) {
            mark(x, y);
            spread();
        }
    }
}

void PlaceDoors(GameState& s)
{
    auto& m = s.Maze;
    const int n = s.MazeSize;
    const Mask inner = Rows(2, n - 1);
    Columns road = CellsWithCode(s, CellRoad);
    const Columns wall = CellsWithCode(s, CellBrick);
    int doors = 0;
    for (;;) {
        int candidates = 0;
        for (int x = 2; x <= n - 1; ++x) {
            auto candidatesOf = [&] {
                const Mask across = wall[x - 1] & wall[x + 1] & (road[x] << 1) & (road[x] >> 1);
                const Mask along = (wall[x] << 1) & (wall[x] >> 1) & road[x - 1] & road[x + 1];
                return road[x] & (across | along) & inner;
            };
            Mask c = candidatesOf();
            while (c) {
                const int y = LowestRow(c);
                ++candidates;
                if (Random(1000) < 10) {
                    m[x][y] = CellDoor;
                    road[x] &= ~Bit(y);
                    ++doors;
                    c = candidatesOf() & After(y);
                } else {
                    c &= c - 1;
                }
            }
        }
        // A scan without a single candidate leaves the grid as it was, so no
        // later scan could add a door either.
        if (100 * doors >= 2 * n * n || candidates == 0)
            return;
    }
}

void PlaceItems(GameState& s)
{
    auto& m = s.Maze;
    const int n = s.MazeSize;
    const Mask inner = Rows(2, n - 1);
    s.ItemCount = 0;
    EmptyList(s.ItemList);
    Columns road = CellsWithCode(s, CellRoad);
    auto place = [&](int x, int y, bool treasure) {
        s.ItemCount += 1;
        m[x][y] = CellItem;
        road[x] &= ~Bit(y);
        CellRecord& r = s.ItemList[s.ItemCount];
        r.x = static_cast<uint8_t>(x);
        r.y = static_cast<uint8_t>(y);
        r.kind = static_cast<uint8_t>(treasure ? 1 + Random(3) : 4 + Random(2));
    };
    for (;;) {
        int roads = 0;
        for (int x = 2; x <= n - 1 && s.ItemCount < ListRoom; ++x) {
            // Placing an item changes only the cell itself, so the roads of
            // the column can be taken at the start of the column.
            for (Mask c = road[x] & inner; c && s.ItemCount < ListRoom; c &= c - 1) {
                const int y = LowestRow(c);
                ++roads;
                const int sq = NeighbourSquares(m, x, y);
                if (sq == 19 || sq == 34)
                    place(x, y, false);
                else if (sq == 3 && Random(1000) < 10)
                    place(x, y, true);
                else if (sq == 18 && Random(10000) < 10)
                    place(x, y, true);
                else if (Random(100000) < 10)
                    place(x, y, true);
            }
        }
        // A full list takes nothing more; without a free road no scan can
        // place anything.
        if (100 * s.ItemCount >= 4 * n * n || s.ItemCount >= ListRoom || roads == 0)
            return;
    }
}

void PlaceEnemies(GameState& s)
{
    auto& m = s.Maze;
    const int n = s.MazeSize;
    const Mask inner = Rows(2, n - 1);
    s.EnemyCount = 0;
    EmptyList(s.EnemyList);
    Columns road = CellsWithCode(s, CellRoad);
    for (;;) {
        int roads = 0;
        for (int x = 2; x <= n - 1 && s.EnemyCount < ListRoom; ++x)
            for (Mask c = road[x] & inner; c && s.EnemyCount < ListRoom; c &= c - 1) {
                const int y = LowestRow(c);
                ++roads;
                if (Random(10000) < 10) {
                    s.EnemyCount += 1;
                    m[x][y] = CellEnemy;
                    road[x] &= ~Bit(y);
                    s.EnemyList[s.EnemyCount] = CellRecord{static_cast<uint8_t>(x), static_cast<uint8_t>(y),
                                                           static_cast<uint8_t>(1 + Random(4))};
                }
            }
        if (100 * s.EnemyCount >= n * n - 200 || s.EnemyCount >= ListRoom || roads == 0)
            return;
    }
}

void GenerateLevel(GameState& s)
{
    const int n = s.MazeSize;
    // A maze whose roads cannot all be joined to the entrance is given up
    // and a new one is drawn.
    do {
        EmptyList(s.ItemList);
        EmptyList(s.EnemyList);
        s.Maze = MazeGrid{};
        WriteBorder(s);
        FillAndSmooth(s);
    } while (!ConnectRoads(s));

    auto& m = s.Maze;
    for (int x = 2; x <= n - 1; ++x)
        for (int y = 2; y <= n - 1; ++y)
            if (m[x][y] == 2)
                m[x][y] = CellRoad;
    m[2][2] = CellEnter;
    m[n - 1][n - 1] = CellExit;

    PlaceDoors(s);
    PlaceItems(s);
    PlaceEnemies(s);

    s.InPlay = 1;
    s.LevelSeconds = 0;
    s.HasTorch = 0;
    s.Paused = 0;

    // Hidden mode: everything is unseen but the entrance and the eight cells
    // around it.
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

} // namespace zorbik
