// The map of the explored maze for colour-blind eyes: colours that stay at
// least CIEDE2000 20 apart under protanopia, deuteranopia and tritanopia
// (scripts/colour-blind-palette.py prints the table), a shape on every kind
// of cell, and the player outlined. Drawn instead of the map only when the
// option is on.
#pragma once

#include "world/GameState.h"

class QPainter;

namespace zorbik {

void DrawColourBlindMap(QPainter& p, const GameState& s, int width, int height);

} // namespace zorbik
