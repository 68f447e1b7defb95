// Memo1, the game-over window's high-score box: a plain text box on screen,
// told to a screen reader as a table (see AccessibleWidgets).
#pragma once

#include <QPlainTextEdit>

namespace zorbik {

class HighScoreBox : public QPlainTextEdit {
    Q_OBJECT
  public:
    using QPlainTextEdit::QPlainTextEdit;
};

} // namespace zorbik
