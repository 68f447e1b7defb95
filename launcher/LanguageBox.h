// The launcher's language choice: the system's language or one the suite
// speaks, each named in its own language.
#pragma once

#include <QString>

class QComboBox;
class QWidget;

namespace zorbik {

// A choice box with "" (the system's language) first, then English and every
// shipped language; `current` (a code, or "") is selected.
QComboBox* MakeLanguageBox(const QString& current, QWidget* parent = nullptr);

// The code of the language selected in such a box ("" for the system's).
QString ChosenInBox(const QComboBox* box);

} // namespace zorbik
