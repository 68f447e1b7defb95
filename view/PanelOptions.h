// The side panel with high contrast (every text at least 4.5:1 on the
// window's face) or larger (texts and targets half as large again, as far
// as the screen's height allows, the direction buttons at least 44 pixels).
#pragma once

#include "SidePanel.h"

namespace zorbik {

void UseHighContrast(SidePanel& panel);

// Scales the panel to 1.5, or less where a screen of `screenHeight` pixels
// would not hold it; PlaceSidePanel then lays it out at that scale.
void UseLargerText(SidePanel& panel, int screenHeight);

} // namespace zorbik
