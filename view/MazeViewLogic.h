// The maze view's work on the game state: dropping stacked enemy marks,
// moving the viewport after the player before a paint, and turning the
// visible window into view codes. The drawing itself lives in the Qt
// painter; tests and the walk rely on this part alone.
#pragma once

#include "world/GameState.h"
#include "world/ViewCodes.h"

#include <array>
#include <cstdint>

namespace zorbik {

// [c][r]: the view code of maze cell (ViewLeft + c, ViewTop + r).
using ViewGrid = std::array<std::array<uint8_t, MaxViewCells>, MaxViewCells>;

// Every maze cell whose content is above 6 (two enemies on one cell) goes
// back to road, keeping its hidden mark.
void StripContents(GameState& s);

// Moves the viewport so the player keeps one cell of margin inside every
// edge of a window of cols x rows cells.
void FollowPlayer(GameState& s, int cols, int rows);

// The view codes of the visible window, the player's cell marked.
ViewGrid FillViewGrid(const GameState& s);

// Number of whole cells the maze surface holds across and down.
int SurfaceColumns(const GameState& s);
int SurfaceRows(const GameState& s);

// The state steps of one paint: strip; in the play view follow the player
// and fill the view grid (left zero in the map view).
ViewGrid PrepareMazeView(GameState& s);
// The same for a surface of cols x rows whole cells.
ViewGrid PrepareMazeView(GameState& s, int cols, int rows);

} // namespace zorbik
