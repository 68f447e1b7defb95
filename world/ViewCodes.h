// The view code of a maze cell: what the play view draws there and what a
// move tells apart in the visible window. It is the cell's grid value,
// except that a cell outside the maze is 10 and an item or an enemy is 50 or
// 60 plus the kind of its record (road when no record lies there). A hidden
// cell keeps its value of 100 or more.
#pragma once

#include "GameState.h"

#include <cstdint>

namespace zorbik {

// View codes beyond the cell codes.
constexpr uint8_t ViewPlayer = 7;
constexpr uint8_t ViewOutside = 10;
constexpr uint8_t ViewItemBase = 50;  // 50 + item kind
constexpr uint8_t ViewEnemyBase = 60; // 60 + enemy kind

// The view code of maze cell (x, y); the player's cell is not marked here.
uint8_t CellViewCode(const GameState& s, int x, int y);

} // namespace zorbik
