#include "AssetFilesLogic.h"

#include "world/StartUp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbik {

bool FileExists(const std::string& path)
{
    // Only a regular file is opened, without blocking, and checked again once
    // open, so nothing swapped in after the first look can hang the game.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    // A file marked read-only has no write permission bit at all; whether
    // this user may write it (the owner may be someone else) does not matter.
    return regular && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

std::string ImageFolderOf(const GameState& s)
{
    return ExeFolderOf(s.ExePath) + "Images/";
}

std::string SoundFolderOf(const GameState& s)
{
    return ExeFolderOf(s.ExePath) + "Sounds/";
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
