#include "MazeViewLogic.h"

#include <algorithm>

namespace zorbik {

void StripContents(GameState& s)
{
    const int n = std::clamp(s.MazeSize, 0, MaxMazeSize);
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            const int r = s.Maze[x][y] % 100;
            if (r > 6)
                s.Maze[x][y] = static_cast<uint8_t>(s.Maze[x][y] - r);
        }
}

void FollowPlayer(GameState& s, int cols, int rows)
{
    if (s.PlayerX - 1 < s.ViewLeft) {
        s.ViewLeft = s.PlayerX - 1;
        s.ViewRight = s.ViewLeft + cols - 1;
    }
    if (s.PlayerY - 1 < s.ViewTop) {
        s.ViewTop = s.PlayerY - 1;
        s.ViewBottom = s.ViewTop + rows - 1;
    }
    if (s.PlayerX + 1 > s.ViewRight) {
        s.ViewRight = s.PlayerX + 1;
        s.ViewLeft = s.ViewRight - cols + 1;
    }
    if (s.PlayerY + 1 > s.ViewBottom) {
        s.ViewBottom = s.PlayerY + 1;
        s.ViewTop = s.ViewBottom - rows + 1;
    }
}

ViewGrid FillViewGrid(const GameState& s)
{
    ViewGrid grid{};
    const int cols = std::min(s.ViewRight - s.ViewLeft + 1, MaxViewCells);
    const int rows = std::min(s.ViewBottom - s.ViewTop + 1, MaxViewCells);
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r)
            grid[c][r] = CellViewCode(s, s.ViewLeft + c, s.ViewTop + r);
    const int pc = s.PlayerX - s.ViewLeft;
    const int pr = s.PlayerY - s.ViewTop;
    if (pc >= 0 && pc < cols && pr >= 0 && pr < rows)
        grid[pc][pr] = ViewPlayer;
    return grid;
}

int SurfaceColumns(const GameState& s)
{
    return s.PaintBoxWidth / CellSize;
}

int SurfaceRows(const GameState& s)
{
    return s.PaintBoxHeight / CellSize;
}

ViewGrid PrepareMazeView(GameState& s)
{
    return PrepareMazeView(s, SurfaceColumns(s), SurfaceRows(s));
}

ViewGrid PrepareMazeView(GameState& s, int cols, int rows)
{
    StripContents(s);
    if (s.InPlay != 1)
        return ViewGrid{};
    FollowPlayer(s, cols, rows);
    return FillViewGrid(s);
}

} // namespace zorbik
