// The looks a pupil may ask for through the launcher, read from the game's
// environment: a map for colour-blind eyes, high contrast, and larger text
// and buttons. All off gives the game's own looks, pixel for pixel.
#pragma once

namespace zorbik {

struct DisplayOptions {
    bool colourBlindMap = false;
    bool highContrast = false;
    bool largerText = false;
};

DisplayOptions DisplayOptionsFromEnvironment();

} // namespace zorbik
