// The side panel with high contrast (every text at least 4.5:1 on the
// window's face) or larger (texts and targets half as large again, as far
// as the screen's height allows, the direction buttons at least 44 pixels),
// and a panel that fits a screen lower than its own height.
#pragma once

#include "SidePanel.h"

namespace zorbik {

void UseHighContrast(SidePanel& panel);

// Scales the panel to 1.5 with larger text, or to what a screen of
// `screenHeight` pixels holds when that is less (a small or highly scaled
// screen would cut the score off); PlaceSidePanel then lays it out at that
// scale. A panel that fits at 1 without larger text is left as it is.
void FitSidePanel(SidePanel& panel, int screenHeight, bool largerText);

} // namespace zorbik
