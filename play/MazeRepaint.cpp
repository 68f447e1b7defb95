#include "MazeRepaint.h"

#include "view/MazeViewLogic.h"

namespace zorbik {

void PaintMazeNow(GameState& s, const Host& host)
{
    PrepareMazeView(s);
    host.panel.paintMaze();
}

void RepaintMazeLater(GameState& s, const Host& host)
{
    PrepareMazeView(s);
    host.panel.invalidateMaze();
}

} // namespace zorbik
