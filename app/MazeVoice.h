// The maze as a screen reader hears it: the maze surface, which holds the
// keyboard for the hidden key sink, is named "Maze" and described by
// Zorbik's surroundings; the description follows his moves, carries the
// game's announcements, and is spoken again on the "where am I" key.
#pragma once

#include "world/GameState.h"

#include <QString>

class QWidget;

namespace zorbik {

class MazeVoice {
  public:
    MazeVoice(QWidget* surface, const GameState& state);

    // After a repaint: a new cell gives a new description.
    void refresh();
    // Something happened: the sentence first, then where Zorbik is.
    void announce(const QString& text);
    // The "where am I" key: the surroundings, spoken now.
    void whereAmI();

  private:
    void tell(const QString& text);

    QWidget* surface_;
    const GameState& state_;
    QString lastSentence_;
};

} // namespace zorbik
