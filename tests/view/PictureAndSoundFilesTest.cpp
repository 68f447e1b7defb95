#include "PaintFixtures.h"
#include "tests/support/TempFolder.h"
#include "view/AssetFilesLogic.h"
#include "view/MazeArt.h"
#include "view/SoundPlayer.h"

#include <QObject>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace zorbik {
namespace {

namespace fs = std::filesystem;
using testing::BitmapColor;
using testing::SolidImage;

// A fresh game folder with Images/ and Sounds/ beside a pretend Game1.
class GameFolder : public ::testing::Test {
  protected:
    void SetUp() override
    {
        fs::create_directories(root / "Images");
        fs::create_directories(root / "Sounds");
        state.ExePath = (root / "Game1").string();
    }

    std::string Write(const fs::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    void SaveBmp(const std::string& name, QRgb color)
    {
        ASSERT_TRUE(SolidImage(color).save(QString::fromStdString((root / "Images" / name).string()), "BMP"));
    }
    void ReadOnly(const fs::path& path)
    {
        fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }

    testing::TempFolder temp{"zorbik-view"};
    fs::path root = temp.dir;
    GameState state;
};

TEST_F(GameFolder, FileExistsMeansAReadableFileNotMarkedReadOnly)
{
    const std::string plain = Write(root / "plain.wav", "x");
    EXPECT_TRUE(FileExists(plain));
    EXPECT_FALSE(FileExists((root / "missing.wav").string()));
    EXPECT_FALSE(fs::exists(root / "missing.wav")); // asking creates nothing
    EXPECT_FALSE(FileExists((root / "Sounds").string()));
    ASSERT_EQ(::mkfifo((root / "fifo.wav").c_str(), 0644), 0);
    EXPECT_FALSE(FileExists((root / "fifo.wav").string())); // and never blocks
    // Read-only counts as missing for every user, root included.
    const std::string locked = Write(root / "locked.wav", "x");
    ReadOnly(locked);
    EXPECT_FALSE(FileExists(locked));
    EXPECT_EQ(ImageFolderOf(state), (root / "Images").string() + "/");
    EXPECT_EQ(SoundFolderOf(state), (root / "Sounds").string() + "/");

    // A player who does not own the files: another user's file that is not
    // marked read-only is present, one this player cannot read is not.
    if (::geteuid() != 0) {
        EXPECT_TRUE(FileExists("/etc/passwd"));
        return;
    }
    const std::string secret = Write(root / "secret.wav", "x");
    fs::permissions(secret, fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(root, fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && FileExists(plain) &&
                        !FileExists(locked) && !FileExists(secret);
        ::_exit(ok ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(GameFolder, EachPictureLoadsOnItsOwn)
{
    for (int i = 0; i < CellBitmapCount; ++i)
        SaveBmp(CellBitmapFiles[i], BitmapColor(i));
    fs::remove(root / "Images" / "Brick.bmp");
    Write(root / "Images" / "Enter.bmp", "BM this is no bitmap at all");
    ReadOnly(root / "Images" / "Exit.bmp");

    const CellBitmaps bitmaps = LoadCellBitmaps(ImageFolderOf(state));
    for (int i = 0; i < CellBitmapCount; ++i) {
        const QImage& image = bitmaps.images[i];
        if (i == BmpBrick || i == BmpEnter || i == BmpExit) {
            EXPECT_TRUE(image.isNull()) << CellBitmapFiles[i];
            continue;
        }
        // The pictures after the unreadable one still load.
        ASSERT_FALSE(image.isNull()) << CellBitmapFiles[i];
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_EQ(image.pixel(40, 40), BitmapColor(i)) << CellBitmapFiles[i];
    }
    // A game whose pictures are elsewhere finds none and says nothing.
    state.ExePath = (root / "Sounds" / "Game1").string();
    const CellBitmaps none = LoadCellBitmaps(ImageFolderOf(state));
    for (const QImage& image : none.images)
        EXPECT_TRUE(image.isNull());
}

TEST_F(GameFolder, SidePicturesAndTheFaceWithItsBackgroundCleared)
{
    QImage face = SolidImage(qRgb(0, 128, 128), 20, 20);
    for (int y = 5; y < 15; ++y)
        for (int x = 5; x < 15; ++x)
            face.setPixel(x, y, qRgb(255, 255, 0));
    ASSERT_TRUE(face.save(QString::fromStdString((root / "Images" / "happy_face.bmp").string()), "BMP"));
    SaveBmp("Money.bmp", BitmapColor(BmpMoney));
    Write(root / "Images" / "Bear.bmp", "garbage");
    SaveBmp("Door.bmp", BitmapColor(BmpDoor));

    const SidePictures pictures = LoadSidePictures(ImageFolderOf(state));
    ASSERT_FALSE(pictures.face.isNull());
    EXPECT_EQ(qAlpha(pictures.face.pixel(0, 19)), 0);
    EXPECT_EQ(qAlpha(pictures.face.pixel(2, 2)), 0);
    EXPECT_EQ(pictures.face.pixel(10, 10), qRgb(255, 255, 0));
    EXPECT_EQ(pictures.money.pixel(1, 1), BitmapColor(BmpMoney));
    EXPECT_TRUE(pictures.bear.isNull());
    EXPECT_EQ(pictures.door.pixel(1, 1), BitmapColor(BmpDoor));
}

// Records what the game asks of the media player.
struct RecordingPlayer : MediaPlayer {
    std::vector<std::string> calls;
    void setSource(const std::string& path) override { calls.push_back("open " + path); }
    void play() override { calls.push_back("play"); }
};

TEST_F(GameFolder, SoundsPlayThroughTheLastFileRule)
{
    const std::string door = Write(root / "Sounds" / "Door.wav", "RIFF");
    const std::string moved = Write(root / "Sounds" / "Moved.wav", "RIFF");
    state.Args = {"Game1", "Quiz/quiz", "BOTH", "SOUND", "SHOWN"};
    RecordingPlayer player;

    PlaySoundFile(state, &player, "Door.wav");
    PlaySoundFile(state, &player, "Door.wav"); // same file: only played again
    PlaySoundFile(state, &player, "Moved.wav");
    PlaySoundFile(state, &player, "Door.wav"); // each change opens anew
    EXPECT_EQ(player.calls, (std::vector<std::string>{"open " + door, "play", "play", "open " + moved, "play",
                                                      "open " + door, "play"}));
    EXPECT_EQ(state.LastSoundFile, door);

    // Missing and read-only files are skipped and leave the last file alone.
    player.calls.clear();
    PlaySoundFile(state, &player, "Be_eaten.wav");
    ReadOnly(moved);
    PlaySoundFile(state, &player, "Moved.wav");
    EXPECT_TRUE(player.calls.empty());
    EXPECT_EQ(state.LastSoundFile, door);

    // Without audio the bookkeeping is the same.
    fs::permissions(moved, fs::perms::owner_write, fs::perm_options::add);
    PlaySoundFile(state, nullptr, "Moved.wav");
    EXPECT_EQ(state.LastSoundFile, moved);
}

TEST_F(GameFolder, OnlyTheExactNosoundWordSilencesTheGame)
{
    const std::string door = Write(root / "Sounds" / "Door.wav", "RIFF");
    RecordingPlayer player;
    state.Args = {"Game1", "Quiz/quiz", "BOTH", "NOSOUND", "SHOWN"};
    PlaySoundFile(state, &player, "Door.wav");
    EXPECT_TRUE(player.calls.empty());
    EXPECT_TRUE(state.LastSoundFile.empty());

    state.Args[3] = "nosound";
    PlaySoundFile(state, &player, "Door.wav");
    EXPECT_EQ(player.calls, (std::vector<std::string>{"open " + door, "play"}));
}

TEST_F(GameFolder, AnUnplayableSoundNeverStopsTheGame)
{
    const std::string bad = Write(root / "Sounds" / "Door.wav", "RIFF....WAVEjunk");
    {
        setenv("ZORBIK_NO_AUDIO", "1", 1);
        QObject owner;
        SoundPlayer silent(&owner);
        EXPECT_EQ(silent.player(), nullptr);
    }
    // A real effect on a file it cannot decode: both calls return at once.
    const char* saved = std::getenv("ZORBIK_NO_AUDIO");
    const std::string keep = saved ? saved : "";
    unsetenv("ZORBIK_NO_AUDIO");
    QObject owner;
    SoundPlayer player(&owner);
    ASSERT_NE(player.player(), nullptr);
    state.Args = {"Game1", "Quiz/quiz", "BOTH", "SOUND", "SHOWN"};
    PlaySoundFile(state, player.player(), "Door.wav");
    PlaySoundFile(state, player.player(), "Door.wav");
    EXPECT_EQ(state.LastSoundFile, bad);
    // A sound that does decode, with or without an audio device, neither.
    std::string wav = "RIFF";
    const auto le32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            wav.push_back(char((v >> (8 * i)) & 255));
    };
    const int samples = 800;
    le32(36 + 2 * samples);
    wav += "WAVEfmt ";
    le32(16);
    wav += std::string("\x01\x00\x01\x00", 4); // PCM, mono
    le32(8000);
    le32(16000);
    wav += std::string("\x02\x00\x10\x00", 4); // 2-byte frames, 16 bits
    wav += "data";
    le32(2 * samples);
    wav += std::string(2 * samples, '\0');
    const std::string good = Write(root / "Sounds" / "Moved.wav", wav);
    PlaySoundFile(state, player.player(), "Moved.wav");
    PlaySoundFile(state, player.player(), "Door.wav");
    PlaySoundFile(state, player.player(), "Moved.wav");
    EXPECT_EQ(state.LastSoundFile, good);
    setenv("ZORBIK_NO_AUDIO", keep.empty() ? "1" : keep.c_str(), 1);
}

} // namespace
} // namespace zorbik
