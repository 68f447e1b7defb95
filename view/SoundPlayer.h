// MediaPlayer1: the hidden media player of the main window, a single
// QSoundEffect that keeps the last file set. Without an audio device, or with
// ZORBIK_NO_AUDIO in the environment, the game stays silent.
#pragma once

#include "AssetFilesLogic.h"

#include <memory>

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
    QSoundEffect* effect_ = nullptr; // created with the first file
};

} // namespace zorbik
