// The maze generator written as plain scans over the whole grid, one step at
// a time and in the order the game's levels are built. It is slow at the
// larger sides but easy to check line by line; the game's own generator must
// produce exactly the same level and make exactly the same random draws.
#pragma once

#include "world/GameState.h"

namespace zorbik::oracle {

// The whole level set-up, as GenerateLevel does it.
void PlainGenerateLevel(GameState& s);

// Single steps on a prepared grid (codes as the step expects them).
// Random fill and smoothing passes until no defect is left.
void PlainFillAndSmooth(GameState& s);
// One smoothing pass and the border written again; true while defects remain.
bool PlainSmoothOnce(GameState& s);
// Connectivity: marks the reached roads with 2; false when 100 opening scans
// in a row opened nothing (the maze is then given up).
bool PlainConnectRoads(GameState& s);
void PlainPlaceDoors(GameState& s);
void PlainPlaceItems(GameState& s);
void PlainPlaceEnemies(GameState& s);

} // namespace zorbik::oracle
