// The names and descriptions a screen reader speaks for the side panel and
// the other widgets of the main window. Nothing here changes what is drawn.
#pragma once

#include "SidePanel.h"

namespace zorbik {

// Names every widget of the panel, the keyboard sink and the high-score box.
void NamePanel(SidePanel& panel);

// A text of the panel changed: a counter or the score is named anew
// ("Treasures: 3", "Score: 1200").
void RenameAfterText(SidePanel& panel, Widget w);

} // namespace zorbik
