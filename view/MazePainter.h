// The drawing of the maze view and of the health bar onto any QPainter: the
// widgets paint into their back buffers with it, tests and the benchmark
// into plain images.
#pragma once

#include "MazeArt.h"
#include "MazeViewLogic.h"
#include "world/GameState.h"

class QPainter;

namespace zorbik {

// The play view: one bitmap per cell of the view grid at 80-pixel pitch,
// black squares for hidden cells; an empty bitmap leaves its square as it was.
void DrawPlayView(QPainter& p, const GameState& s, const ViewGrid& grid, const CellBitmaps& bitmaps);

// The map of the explored maze squeezed into width x height pixels: each cell
// a filled rectangle in the colour of its content, hidden cells black, the
// player's cell yellow.
void DrawMapView(QPainter& p, const GameState& s, const MapColorTable& colors, int width, int height);

// The paint handler of the maze surface of width x height pixels: the play
// view of the viewport as it stands (InPlay 1), or the map. Draws over what
// is there without clearing first; the state is prepared before (PrepareMazeView).
void PaintBox1Paint(const GameState& s, QPainter& p, const MazeArt& art, int width, int height);

// The health bar: one block of 6 x 12 pixels per 10 health points, lime,
// yellow below 60, red below 30; nothing while the map is shown.
void PaintBox4Paint(QPainter& p, const GameState& s);

} // namespace zorbik
