// Builds the maze of a new level and puts the level into its starting state.
#pragma once

#include "GameState.h"

namespace zorbik {

// Fills the grid of side MazeSize with walls and roads, makes every road
// reachable from the entrance, sets the entrance, exit, doors, items and
// enemies, resets the level flags and clock, applies the hidden mode and
// puts the viewport at the top-left corner. Expects MazeSize in 11..59, the
// player on the entrance and the maze surface already sized.
void GenerateLevel(GameState& s);

} // namespace zorbik
