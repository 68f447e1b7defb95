// Finding the game's pictures and sounds beside the executable, and the
// rule by which a named sound is handed to the media player. Nothing here
// needs a display or an audio device.
#pragma once

#include "world/GameState.h"

#include <string>

namespace zorbik {

// True when `path` names an existing regular file that this user can read
// and that is not marked read-only; nothing is created. Folders, missing or
// unreadable files and read-only files answer false. A file counts as
// read-only when none of its write permission bits is set; a file that
// another user owns and may write counts as present, so a player who does not
// own the suite still sees the pictures. The answer never depends on whether
// this user may write the file.
bool FileExists(const std::string& path);

// The folders of the pictures and sounds: the executable's folder followed by
// "Images/" and "Sounds/".
std::string ImageFolderOf(const GameState& s);
std::string SoundFolderOf(const GameState& s);

// The media player as the game uses it: a file is set once, then played as
// often as asked. Playing never waits for the sound to end; a file that
// cannot be opened or played simply stays silent.
class MediaPlayer {
  public:
    virtual ~MediaPlayer() = default;
    virtual void setSource(const std::string& path) = 0;
    virtual void play() = 0;
};

// Plays a file of the sound folder by its bare name (such as "Door.wav"):
// nothing at all under the "NOSOUND" switch; the file set last time is only
// played again; a missing file is skipped and leaves LastSoundFile alone;
// any other file is set and played and becomes LastSoundFile. A null player
// (no audio) keeps the same bookkeeping and stays silent.
void PlaySoundFile(GameState& s, MediaPlayer* player, const std::string& fileName);

} // namespace zorbik
