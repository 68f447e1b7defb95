// The player's moves: a click on the maze view, one of the eight direction
// buttons or an arrow key becomes a walk along a searched route to the
// target cell, after which the target acts. Ctrl switches between the play
// view and the map of the explored maze.
#pragma once

#include "world/GameState.h"
#include "world/Host.h"

#include <array>
#include <cstdint>

namespace zorbik {

// Virtual-key codes the window passes to Edit1KeyDown.
constexpr int KeyCtrl = 17;
constexpr int KeyLeft = 37;
constexpr int KeyUp = 38;
constexpr int KeyRight = 39;
constexpr int KeyDown = 40;

constexpr int ReachSide = MaxViewCells + 1;
// [i][j], i and j from 1, for the window cell (ViewLeft + i - 1, ViewTop + j - 1):
// view codes, and 2 for a cell the player can reach. Row and column 0 and
// everything beyond the window stay 0.
using ReachGrid = std::array<std::array<uint8_t, ReachSide>, ReachSide>;

// The window cells the player can reach by orthogonal steps inside the
// window, through road and entrance, starting from the player's own cell.
ReachGrid FillReachGrid(const GameState& s);

// The 3 x 3 cells around the player (5 x 5 with a torch) lose their hidden mark.
void RevealAround(GameState& s);

// Walks the player along a route to (tx, ty), or up to the cell before it,
// pausing pauseMs before every step and painting after it. Leaves Paused at
// 1. False when no route was found (nobody moved).
bool WalkRoute(GameState& s, const Host& host, int tx, int ty, bool toCellBefore, int pauseMs);

// Mouse press and release on the maze surface, in pixels of the surface.
void PaintBox1MouseDown(GameState& s, int X, int Y);
void PaintBox1MouseUp(GameState& s, const Host& host, int X, int Y);

// The direction buttons: a release faked on the neighbouring cell.
void UpButtonClick(GameState& s, const Host& host);
void DownButtonClick(GameState& s, const Host& host);
void LeftButtonClick(GameState& s, const Host& host);
void RightButtonClick(GameState& s, const Host& host);
void URButtonClick(GameState& s, const Host& host);
void DRButtonClick(GameState& s, const Host& host);
void DLButtonClick(GameState& s, const Host& host);
void ULButtonClick(GameState& s, const Host& host);

// Keys of the hidden edit box: Ctrl flips between play and map, the arrows
// move.
void Edit1KeyDown(GameState& s, const Host& host, int key);

} // namespace zorbik
