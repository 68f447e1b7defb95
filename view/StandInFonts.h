// The faces of the game's layout and the installed faces that stand in for
// them with the same widths, so that every text keeps the room it was laid
// out for: "Arial" and "MS Sans Serif" are shown in Liberation Sans, "Times
// New Roman" in Liberation Serif, "Courier New" in Liberation Mono.
#pragma once

#include <QFont>

namespace zorbik {

// Registers the stand-ins; call once before the first window is built.
void InstallStandInFonts();

// The main window's and the rules dialog's own font: "MS Sans Serif" bold at
// 13 pixels.
QFont WindowFont();

} // namespace zorbik
