// Which sound files are handed to the sound effects: the game's own, and
// well-formed WAV files; nothing whose header the effects would never finish
// loading.
#include "SoundRecording.h"
#include "tests/support/TempFolder.h"
#include "view/SoundPlayer.h"
#include "view/WaveFileLogic.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zorbik {
namespace {

namespace fs = std::filesystem;
using namespace listening;

TEST(WaveFiles, OnlyWellFormedWaveFilesArePlayable)
{
    for (const char* name : GameSoundFiles)
        EXPECT_TRUE(IsPlayableWave(std::string(ZORBIK_SUITE_DIR) + "/Maze/Sounds/" + name)) << name;

    const testing::TempFolder temp("zorbik-wave-files");
    const fs::path& folder = temp.dir;
    fs::create_directories(folder / "a folder.wav");
    const std::string samples(400, '\x10');
    const struct {
        const char* name;
        std::string bytes;
        bool playable;
    } cases[] = {
        {"mono16", Riff(Format(1, 1, 16) + Chunk("data", samples)), true},
        {"stereo8 after a list", Riff(Chunk("LIST", "INFOabc") + Format(1, 2, 8) + Chunk("data", samples)),
         true},
        {"float", Riff(Format(3, 1, 32) + Chunk("data", samples)), true},
        {"junk", "RIFF....WAVEjunk", false},
        {"empty", "", false},
        {"no format", Riff(Chunk("data", samples)), false},
        {"format after data", Riff(Chunk("data", samples) + Format(1, 1, 16)), false},
        {"compressed", Riff(Format(2, 1, 16) + Chunk("data", samples)), false},
        {"12 bits", Riff(Format(1, 1, 12) + Chunk("data", samples)), false},
        {"no channels", Riff(Format(1, 0, 16) + Chunk("data", samples)), false},
        {"no samples", Riff(Format(1, 1, 16) + Chunk("data", "")), false},
        {"data cut short", Riff(Format(1, 1, 16) + Chunk("data", samples, 100000)), false},
        {"format cut short", Riff(Format(1, 1, 16)).substr(0, 30), false},
    };
    for (const auto& c : cases) {
        const fs::path path = folder / (std::string(c.name) + ".wav");
        std::ofstream(path, std::ios::binary) << c.bytes;
        EXPECT_EQ(IsPlayableWave(path.string()), c.playable) << c.name;
    }
    // A sound longer than any the game needs is not read into memory.
    const fs::path huge = folder / "huge.wav";
    std::ofstream(huge, std::ios::binary) << Riff(Format(1, 1, 16)) + "data" + Le(20 << 20, 4);
    fs::resize_file(huge, fs::file_size(huge) + (20 << 20));
    EXPECT_FALSE(IsPlayableWave(huge.string()));
    EXPECT_FALSE(IsPlayableWave((folder / "a folder.wav").string()));
    EXPECT_FALSE(IsPlayableWave((folder / "missing.wav").string()));
}

} // namespace
} // namespace zorbik
