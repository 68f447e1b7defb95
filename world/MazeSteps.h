// The steps of level generation, each usable on a prepared grid so that a
// single step can be checked on its own. GenerateLevel runs them in order.
#pragma once

#include "GameState.h"

namespace zorbik {

// Random fill of the interior and smoothing passes until no solid or open
// 2x2 block and no diagonal touch is left. Expects a grid of roads (0) with
// the border walled.
void FillAndSmooth(GameState& s);

// One smoothing pass (its seven scans in order) and the border written
// again; true while defects remain. Expects a grid of roads and walls.
bool SmoothOnce(GameState& s);

// Marks the entrance (2, 2) with 2 and floods the roads reachable from it
// with 2, opening single walls between the reached part and unreached roads
// until every interior road is reached. Expects a grid of roads, walls and
// reached marks only. Returns false when 100 opening scans in a row found
// nothing to open; the grid is then of no use.
bool ConnectRoads(GameState& s);

// Sets doors into narrow passages until there are at least 2 % of N^2.
void PlaceDoors(GameState& s);

// Lays out items (pockets behind doors first, treasures by chance) until
// there are at least 4 % of N^2; a full list takes nothing more.
void PlaceItems(GameState& s);

// Places enemies on free roads until there are at least 1 % of N^2 minus 2.
void PlaceEnemies(GameState& s);

} // namespace zorbik
