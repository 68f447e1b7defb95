#include "SoundPlayer.h"

#include "AudioThread.h"

#include "common/Protocol.h"

#include <cstdlib>

namespace zorbik {

SoundPlayer::SoundPlayer(QObject*) : enabled_(std::getenv(NoAudioVariable) == nullptr) {}

SoundPlayer::~SoundPlayer() = default;

AudioThread& SoundPlayer::audio()
{
    if (!audio_)
        audio_ = std::make_unique<AudioThread>();
    return *audio_;
}

void SoundPlayer::preload(const GameState& s)
{
    if (!enabled_ || s.SoundOff())
        return;
    const std::string folder = SoundFolderOf(s);
    for (const char* name : GameSoundFiles)
        if (FileExists(folder + name))
            audio().load(folder + name);
}

void SoundPlayer::setSource(const std::string& path)
{
    if (enabled_)
        audio().select(path);
}

void SoundPlayer::play()
{
    if (enabled_)
        audio().play();
}

} // namespace zorbik
