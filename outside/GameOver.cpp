#include "GameOver.h"

namespace zorbik {

// Placeholder until the high-score table lands: play stops for good.
void GameOver(GameState& s, Host&)
{
    s.Paused = 1;
    s.InPlay = 0;
    s.GameEnded = 1;
}

} // namespace zorbik
