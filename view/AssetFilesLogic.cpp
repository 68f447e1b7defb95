#include "AssetFilesLogic.h"

#include "world/StartUp.h"

#include <filesystem>
#include <fstream>

namespace zorbik {

bool FileExists(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (ec || !fs::is_regular_file(st))
        return false;
    constexpr auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((st.permissions() & writable) == fs::perms::none)
        return false;
    // Opening for update ("r+") never creates the file.
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    if (!file.is_open())
        return false;
    file.close();
    return !file.fail();
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
