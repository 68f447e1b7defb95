#include "AssetFilesLogic.h"

#include "common/Protocol.h"
#include "common/SafeFiles.h"
#include "world/StartUp.h"

#include <sys/stat.h>

namespace zorbik {

bool FileExists(const std::string& path)
{
    // Readable as a regular file (nothing else is ever opened, nothing can
    // hang the game), and not marked read-only: a file marked so has no write
    // permission bit at all; whether this user may write it (the owner may be
    // someone else) does not matter.
    struct stat st {};
    return ReadRegularFile(path, 0) && ::stat(path.c_str(), &st) == 0 &&
           (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

std::string ImageFolderOf(const GameState& s)
{
    return ExeFolderOf(s.ExePath) + ImageFolderName;
}

std::string SoundFolderOf(const GameState& s)
{
    return ExeFolderOf(s.ExePath) + SoundFolderName;
}

void PlaySoundFile(GameState& s, MediaPlayer* player, const std::string& fileName)
{
    if (s.SoundOff())
        return;
    const std::string path = SoundFolderOf(s) + fileName;
    if (path == s.LastSoundFile) {
        if (player)
            player->play();
        return;
    }
    if (!FileExists(path))
        return;
    if (player) {
        player->setSource(path);
        player->play();
    }
    s.LastSoundFile = path;
}

} // namespace zorbik
