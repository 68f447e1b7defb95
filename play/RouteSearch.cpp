#include "RouteSearch.h"

#include <array>
#include <utility>

namespace zorbik {

namespace {

bool OnPath(const GameState& s, int nx, int ny, int n)
{
    for (int k = 1; k <= n; ++k)
        if (s.Route[k].x == nx && s.Route[k].y == ny)
            return true;
    return false;
}

// Only road and the entrance can be walked; hidden cells (100 and above),
// doors, items, enemies and the exit block. Cells off the maze never count
// as road, even where the grid holds 0 there.
bool Passable(const GameState& s, int nx, int ny)
{
    if (nx < 1 || ny < 1 || nx > s.MazeSize || ny > s.MazeSize || nx >= GridSide || ny >= GridSide)
        return false;
    const uint8_t v = s.Maze[nx][ny];
    return v == CellRoad || v == CellEnter;
}

void SetRecord(GameState& s, int n, int x, int y)
{
    s.Route[n].x = static_cast<uint8_t>(x);
    s.Route[n].y = static_cast<uint8_t>(y);
}

// Window rule of a step: only the coordinate that changes is held to the
// window's bounds.
bool StepInside(const GameState& s, int x, int y, int nx, int ny)
{
    if (nx < x)
        return nx >= s.ViewLeft;
    if (nx > x)
        return nx <= s.ViewRight;
    if (ny < y)
        return ny >= s.ViewTop;
    return ny <= s.ViewBottom;
}

// Can the search, from the current cell (record n), still come beside the
// target without crossing its own path? When not, every branch from here is
// bound to fail, and cutting it at once gives the very same route, without
// trying the exponentially many dead ends of an open room.
bool TargetStillReachable(const GameState& s, int x, int y, int tx, int ty, int n)
{
    std::array<std::array<bool, GridSide>, GridSide> seen{};
    for (int k = 1; k <= n; ++k)
        if (s.Route[k].x < GridSide && s.Route[k].y < GridSide)
            seen[s.Route[k].x][s.Route[k].y] = true;
    std::array<std::pair<int, int>, GridSide * GridSide> queue;
    int head = 0;
    int tail = 0;
    queue[tail++] = {x, y};
    while (head < tail) {
        const auto [cx, cy] = queue[head++];
        const int dx = cx - tx;
        const int dy = cy - ty;
        if (dx * dx + dy * dy == 1)
            return true;
        const int next[4][2] = {{cx - 1, cy}, {cx + 1, cy}, {cx, cy - 1}, {cx, cy + 1}};
        for (const auto& nb : next) {
            const int nx = nb[0];
            const int ny = nb[1];
            if (!Passable(s, nx, ny) || seen[nx][ny] || !StepInside(s, cx, cy, nx, ny))
                continue;
            seen[nx][ny] = true;
            queue[tail++] = {nx, ny};
        }
    }
    return false;
}

} // namespace

void FindRoute(GameState& s, int x, int y, int tx, int ty, int n)
{
    // The list has a place for every cell of a 20 x 20 window plus the one
    // after it; a path that would need more is given up rather than written
    // past the end.
    if (n < 1 || n + 1 > RouteRoom)
        return;

    const int dx = x - tx;
    const int dy = y - ty;
    if (dx * dx + dy * dy == 1) {
        s.RouteFound = 1;
        SetRecord(s, n + 1, tx, ty);
        s.RouteLength = n + 1;
    }
    if (s.RouteFound == 1)
        return;
    if (!TargetStillReachable(s, x, y, tx, ty, n)) {
        SetRecord(s, n + 1, 0, 0);
        return;
    }

    struct Try {
        int nx, ny;
        bool inside;
    };
    const Try tries[4] = {
        {x - 1, y, x - 1 >= s.ViewLeft},
        {x + 1, y, x + 1 <= s.ViewRight},
        {x, y - 1, y - 1 >= s.ViewTop},
        {x, y + 1, y + 1 <= s.ViewBottom},
    };
    for (const Try& t : tries) {
        if (s.RouteFound == 1)
            return;
        if (OnPath(s, t.nx, t.ny, n) || !t.inside || !Passable(s, t.nx, t.ny))
            continue;
        SetRecord(s, n + 1, t.nx, t.ny);
        FindRoute(s, t.nx, t.ny, tx, ty, n + 1);
    }
    if (s.RouteFound == 0)
        SetRecord(s, n + 1, 0, 0);
}

bool SearchRoute(GameState& s, int tx, int ty)
{
    for (int k = 1; k <= RouteRoom; ++k)
        SetRecord(s, k, 0, 0);
    SetRecord(s, 1, s.PlayerX, s.PlayerY);
    s.RouteFound = 0;
    s.RouteLength = 0;
    FindRoute(s, s.PlayerX, s.PlayerY, tx, ty, 1);
    return s.RouteFound == 1;
}

} // namespace zorbik
