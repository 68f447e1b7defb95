// MediaPlayer1: the hidden media player of the main window. Each sound file
// gets its own QSoundEffect, made when the file is first set and never given
// another file: Qt's sound effect can block for good when its source is
// changed while a file it cannot decode is still "loading", so switching
// files means switching effects. A newly set file cuts off the one playing.
// Without an audio device, or with ZORBIK_NO_AUDIO in the environment, the
// game stays silent.
#pragma once

#include "AssetFilesLogic.h"

#include <map>
#include <string>

class QObject;
class QSoundEffect;

namespace zorbik {

class SoundPlayer : public MediaPlayer {
  public:
    explicit SoundPlayer(QObject* owner);
    ~SoundPlayer() override;

    void setSource(const std::string& path) override;
    // Starts the set file from its beginning, or lets it run on while it plays.
    void play() override;

    // The media player to hand to PlaySoundFile: null when audio is switched off.
    MediaPlayer* player() { return enabled_ ? this : nullptr; }

  private:
    QObject* owner_;
    bool enabled_;
    std::map<std::string, QSoundEffect*> effects_; // one per file, owned by owner_
    QSoundEffect* current_ = nullptr;              // the file set last
};

} // namespace zorbik
