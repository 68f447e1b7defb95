// MediaPlayer1: the hidden media player of the main window. The sounds play
// in an audio thread of their own (AudioThread), so they run on while the
// game's thread waits for the quiz program or sits in a message box, and the
// game's sounds are loaded when the window is created, so the first request
// plays at once. A newly set file cuts off the one playing. Without an audio
// device the game stays silent; with ZORBIK_NO_AUDIO in the environment no
// sound effect is made at all.
#pragma once

#include "AssetFilesLogic.h"

#include "common/AssetNames.h"

#include <memory>
#include <string>

class QObject;

namespace zorbik {

class AudioThread;

class SoundPlayer : public MediaPlayer {
  public:
    // The owner is the window the player belongs to; the effects themselves
    // belong to the audio thread.
    explicit SoundPlayer(QObject* owner);
    ~SoundPlayer() override;

    // Loads the game's sounds from its sound folder, unless the game is
    // silenced ("NOSOUND"); missing and read-only files are left out, as
    // PlaySoundFile leaves them out.
    void preload(const GameState& s);

    void setSource(const std::string& path) override;
    // Starts the set file from its beginning, or lets it run on while it plays.
    void play() override;

    // The media player to hand to PlaySoundFile: null when audio is switched off.
    MediaPlayer* player() { return enabled_ ? this : nullptr; }

  private:
    AudioThread& audio(); // started on first use

    bool enabled_;
    std::unique_ptr<AudioThread> audio_;
};

} // namespace zorbik
