// The end of the game: play stops for good, the window shrinks to the
// high-score window, and the table in "Game1.hrs" is merged and written.
#pragma once

#include "world/GameState.h"
#include "world/Host.h"

namespace zorbik {

void GameOver(GameState& s, const Host& host);

} // namespace zorbik
