// Solid-colour stand-ins for the game's pictures, so that a test can tell
// from one pixel which picture was drawn in a cell.
#pragma once

#include "view/MazeArt.h"
#include "world/GameState.h"

#include <QImage>

namespace zorbik::testing {

// A distinct, non-black colour for cell bitmap i.
inline QRgb BitmapColor(int i)
{
    return qRgb(20 + 13 * i, 240 - 11 * i, 60 + 7 * i);
}

inline QImage SolidImage(QRgb color, int w = CellSize, int h = CellSize)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

inline MazeArt SolidArt()
{
    MazeArt art;
    for (int i = 0; i < CellBitmapCount; ++i)
        art.bitmaps.images[i] = SolidImage(BitmapColor(i));
    art.mapColors = MakeMapColors();
    return art;
}

// A maze of side n in play: brick border, road inside, player at (2, 2),
// the viewport at the top-left corner of a surface of cols x rows cells.
inline GameState OpenMaze(int n, int cols, int rows)
{
    GameState s;
    s.MazeSize = n;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            s.Maze[x][y] = (x == 1 || y == 1 || x == n || y == n) ? CellBrick : CellRoad;
    s.InPlay = 1;
    s.PlayerX = 2;
    s.PlayerY = 2;
    s.ViewLeft = 1;
    s.ViewTop = 1;
    s.ViewRight = cols;
    s.ViewBottom = rows;
    s.PaintBoxWidth = cols * CellSize;
    s.PaintBoxHeight = rows * CellSize;
    return s;
}

} // namespace zorbik::testing
