// A message box that a screen reader enters on its default button: the
// button holds the focus from the first moment, not the box's text.
#pragma once

class QMessageBox;

namespace zorbik {

int ExecOnDefaultButton(QMessageBox& box);

} // namespace zorbik
