// What a screen reader is told of the game's own widgets, beyond what Qt
// tells of plain ones: the maze surface as a focusable picture named by the
// game, the health bar as a value from 0 to 100, and the high-score box as a
// table with named columns (its pixels stay a text box). Nothing here draws.
#pragma once

#include <QString>

class QWidget;

namespace zorbik {

// Installs the accessible stand-ins for these widgets; call once before the
// first window is built.
void InstallAccessibleWidgets();

// The health bar's value changed: a screen reader hears the new one.
void TellValueChanged(QWidget* bar, int value);

// Something happened in the maze: spoken by a screen reader that watches
// `surface` (a live announcement where Qt has one, else its description).
void TellAnnouncement(QWidget* surface, const QString& text);

} // namespace zorbik
