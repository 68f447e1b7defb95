// A message box that a screen reader enters on its default button: the
// button holds the focus from the first moment, not the box's text.
// With larger text the box's font grows.
#pragma once

class QMessageBox;

namespace zorbik {

int ExecOnDefaultButton(QMessageBox& box);

// Larger text: the boxes' text half as large again (1 leaves them as they are).
void SetMessageBoxScale(double scale);

} // namespace zorbik
