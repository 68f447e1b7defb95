#include "MazeGenerator.h"

namespace zorbik {

// Placeholder until the generator lands: a walled square with the entrance
// and the exit.
void GenerateLevel(GameState& s)
{
    s.Maze = MazeGrid{};
    const int n = s.MazeSize;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            s.Maze[x][y] = (x == 1 || y == 1 || x == n || y == n) ? CellBrick : CellRoad;
    s.Maze[2][2] = CellEnter;
    s.Maze[n - 1][n - 1] = CellExit;
    s.ItemCount = 0;
    s.EnemyCount = 0;
    s.InPlay = 1;
    s.LevelSeconds = 0;
    s.HasTorch = 0;
    s.Paused = 0;
    s.ViewLeft = 1;
    s.ViewRight = s.PaintBoxWidth / CellSize;
    s.ViewTop = 1;
    s.ViewBottom = s.PaintBoxHeight / CellSize;
}

} // namespace zorbik
