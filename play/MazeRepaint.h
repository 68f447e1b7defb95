// The maze surface only draws the state it is given: before every paint
// asked for, stacked enemy marks are dropped and, in the play view, the
// viewport follows Zorbik.
#pragma once

#include "world/GameState.h"
#include "world/Host.h"

namespace zorbik {

// The maze is drawn at once.
void PaintMazeNow(GameState& s, const Host& host);

// The maze surface repaints itself when the window gets round to it.
void RepaintMazeLater(GameState& s, const Host& host);

} // namespace zorbik
