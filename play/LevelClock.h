// The one-second tick of the level: every enemy tries one random step, an
// enemy that reaches the player forces the choice between being eaten and a
// question, the enemy marks are rewritten, the level clock advances and the
// view is repainted. Nothing happens while paused, on the map or after the
// game.
#pragma once

#include "world/GameState.h"
#include "world/Host.h"

#include <string>

namespace zorbik {

constexpr int32_t MaxLevelSeconds = 15359; // 255 m 59 s

// The clock text for a number of seconds: "0 m 05 s", "12 m 40 s".
std::string ClockText(int32_t seconds);

void Timer1Timer(GameState& s, const Host& host);

} // namespace zorbik
