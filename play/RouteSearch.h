// The route of a move: a depth-first search through the visible window from
// the player's cell to a cell beside the target. It takes the first path it
// completes, trying left, right, up and down at every cell, so in a ring of
// corridor the player may walk the long way round; that is how Zorbik walks.
#pragma once

#include "world/GameState.h"

namespace zorbik {

// Searches on from (x, y), which is Route record n, towards (tx, ty). Steps
// only onto road or entrance cells inside the window and off the path so
// far. Once a path is complete, RouteFound is 1 and records 1..RouteLength
// hold it, the target last; a failed branch leaves its records empty.
void FindRoute(GameState& s, int x, int y, int tx, int ty, int n);

// The whole search for a move of the player to (tx, ty): empties the route
// list, puts the player's cell into record 1, clears RouteFound and
// RouteLength, then searches. True when a route was found.
bool SearchRoute(GameState& s, int tx, int ty);

} // namespace zorbik
