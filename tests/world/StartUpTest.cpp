#include "common/NameFile.h"
#include "world/StartUp.h"
#include "tests/support/RunBounded.h"
#include "common/SafeFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>

namespace zorbik {
namespace {

TEST(SuiteFolder, CutsFileNameAndGameFolder)
{
    EXPECT_EQ(SuiteFolderOf("/home/ann/Suite/Maze/Game1"), "/home/ann/Suite/");
    EXPECT_EQ(SuiteFolderOf("C:\\Suite\\Maze\\Game1.exe"), "C:\\Suite\\");
    EXPECT_EQ(SuiteFolderOf("/Maze/Game1"), "/");
    EXPECT_EQ(SuiteFolderOf("/Game1"), "/");
}

// The suite follows the path the game was started under, which a launcher
// may point at a player's own folder while the executable is a shared one.
TEST(SuiteFolder, FollowsArgumentZeroNotTheExecutable)
{
    const std::string exe = "/srv/class/Maze/Game1";
    const struct {
        const char* argument0;
        const char* working;
        const char* suite;
    } cases[] = {
        {"/home/ann/.local/share/zorbik/Maze/Game1", "/tmp", "/home/ann/.local/share/zorbik/"},
        {"Maze/Game1", "/home/ann/suite", "/home/ann/suite/"},
        {"./Maze/Game1", "/home/ann/suite/", "/home/ann/suite/./"},
        {"../suite/Maze/Game1", "/home/ann/x", "/home/ann/x/../suite/"},
        {"Game1", "/home/ann", "/srv/class/"}, // a bare name found through PATH
    };
    for (const auto& c : cases) {
        GameState s;
        s.ExePath = exe;
        s.ProgramPath = ProgramPathOf(c.argument0, c.working, exe);
        EXPECT_EQ(SuiteFolder(s), c.suite) << c.argument0;
    }
    GameState unknown; // not started from a command line: the executable's
    unknown.ExePath = exe;
    EXPECT_EQ(SuiteFolder(unknown), "/srv/class/");
}

TEST(FitMazeView, SizesAndCentresTheSurface)
{
    GameState s;
    s.MazeSize = 11;
    FitMazeView(s, 1024, 768);
    EXPECT_EQ(s.PaintBoxWidth, 880);
    EXPECT_EQ(s.PaintBoxHeight, 720);
    EXPECT_EQ(s.PaintBoxLeft, 5);
    EXPECT_EQ(s.PaintBoxTop, 23);
    FitMazeView(s, 800, 600);
    EXPECT_EQ(s.PaintBoxWidth, 640);
    EXPECT_EQ(s.PaintBoxHeight, 560);
    EXPECT_EQ(s.PaintBoxLeft, 13);
    EXPECT_EQ(s.PaintBoxTop, 19);
}

TEST(FitMazeView, KeepsBetweenThreeAndTwentyCells)
{
    GameState s;
    s.MazeSize = 59;
    FitMazeView(s, 1920, 1080);
    EXPECT_EQ(s.PaintBoxWidth, 20 * 80);
    EXPECT_EQ(s.PaintBoxHeight, 13 * 80);
    FitMazeView(s, 3840, 2160);
    EXPECT_EQ(s.PaintBoxWidth, 20 * 80);
    EXPECT_EQ(s.PaintBoxHeight, 20 * 80);
    FitMazeView(s, 300, 150);
    EXPECT_EQ(s.PaintBoxWidth, 3 * 80);
    EXPECT_EQ(s.PaintBoxHeight, 3 * 80);
}

class NameFile : public ::testing::Test {
  protected:
    std::string path = (std::filesystem::temp_directory_path() / "zorbik_name_test.nam").string();
    void write(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    void TearDown() override { std::filesystem::remove_all(path); }
};

TEST_F(NameFile, ReadsUpToCtrlZAndDropsControlCharacters)
{
    write("Ann");
    EXPECT_EQ(ReadGamerName(path), "Ann");
    write("");
    EXPECT_EQ(ReadGamerName(path), "");
    write("Ann\x1aMore");
    EXPECT_EQ(ReadGamerName(path), "Ann");
    write("Ann\r\n");
    EXPECT_EQ(ReadGamerName(path), "Ann");
    write("J\xc3\xbcrgen\tX");
    EXPECT_EQ(ReadGamerName(path), "J\xc3\xbcrgenX");
    std::filesystem::remove(path);
    EXPECT_EQ(ReadGamerName(path), "");
}

TEST_F(NameFile, OnlyARegularFileGivesANameAndNothingHangs)
{
    namespace fs = std::filesystem;
    struct Case {
        const char* what;
        std::function<void()> plant;
        std::string name;
    };
    const Case cases[] = {
        {"folder", [&] { fs::create_directory(path); }, ""},
        {"fifo without a writer", [&] { ASSERT_EQ(mkfifo(path.c_str(), 0644), 0); }, ""},
        {"link to /dev/zero", [&] { fs::create_symlink("/dev/zero", path); }, ""},
        // A regular file whose read fails part-way, even for the superuser.
        {"read error", [&] { fs::create_symlink("/proc/self/mem", path); }, ""},
        {"link loop", [&] { fs::create_symlink(path, path); }, ""},
        {"huge file", [&] { write(std::string(3 * SmallFileLimit, 'A')); }, std::string(SmallFileLimit, 'A')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(path);
        c.plant();
        const auto name = zorbik::testing::RunBounded([&] { return ReadGamerName(path); });
        EXPECT_EQ(name.value_or("(hung or died)"), c.name);
        fs::remove_all(path);
    }
}

} // namespace
} // namespace zorbik
