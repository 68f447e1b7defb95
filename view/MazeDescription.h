// What a screen reader says of the maze: Zorbik's cell and what lies in the
// eight cells around him, looking a few steps further along the open road in
// the four straight directions. Hidden cells stay unexplored: the sentence
// tells no more than the picture shows.
#pragma once

#include "world/GameState.h"

#include <string>

namespace zorbik {

// The translated sentence for the player's current cell, e.g. "Zorbik is in
// column 2, row 3, on the entrance. Around him: a wall to the north; road to
// the east, then a door 3 steps to the east; ...".
std::string DescribeSurroundings(const GameState& s);

} // namespace zorbik
