// The settings: only a missing or plain file is ever opened, wherever it
// stands in the look-up; the player's file is written and read back and
// gives way to the class's where it holds nothing.
#include "settings/Settings.h"
#include "tests/support/RunBounded.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

namespace zorbik {
namespace {

namespace fs = std::filesystem;
using namespace testing; // Put, Slurp, RunBounded and the temporary folder

QString Q(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

TEST(SettingsFile, OnlyAMissingOrPlainFileIsUsable)
{
    const testing::TempFolder temp("zorbik-settings-file");
    Put(temp.dir / "plain", "[General]\n");
    fs::create_directory(temp.dir / "folder");
    ASSERT_EQ(::mkfifo(temp.at("fifo").c_str(), 0600), 0);
    fs::create_symlink(temp.dir / "plain", temp.dir / "link");
    fs::create_symlink(temp.dir / "gone", temp.dir / "dangling");
    EXPECT_TRUE(SettingsFileUsable(Q(temp.dir / "missing")));
    EXPECT_TRUE(SettingsFileUsable(Q(temp.dir / "plain")));
    for (const char* refused : {"folder", "fifo", "link", "dangling", "plain/below"})
        EXPECT_FALSE(SettingsFileUsable(Q(temp.dir / refused))) << refused;
}

class PlayerAndClass : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ::setenv("XDG_CONFIG_HOME", temp.at("player").c_str(), 1);
        ::setenv("XDG_CONFIG_DIRS", (temp.at("first") + ":" + temp.at("second")).c_str(), 1);
    }
    void TearDown() override
    {
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("XDG_CONFIG_DIRS");
    }
    fs::path playerFile() const { return temp.dir / "player" / "zorbik" / "zorbik.conf"; }

    const testing::TempFolder temp{"zorbik-settings"};
};

TEST_F(PlayerAndClass, ThePlayersChoicesStayAndTheClassFillsTheRest)
{
    Put(temp.dir / "second" / "zorbik" / "zorbik.conf",
        "[General]\nlanguage=de\nquestions=gentle\nsharedFolder=/srv/class\n[access]\nhighContrast=true\n");
    Put(temp.dir / "first" / "zorbik.conf", "[General]\nquestions=standard\n");
    {
        Settings player(SettingsScope::Player);
        EXPECT_EQ(player.fileName().toStdString(), playerFile().string());
        EXPECT_TRUE(player.usable());
        EXPECT_EQ(player.language(), "de");
        EXPECT_TRUE(player.sound());
        EXPECT_FALSE(player.hiddenMaze());
        EXPECT_EQ(player.largerText(), std::nullopt);
        player.setPlayerName("Ann");
        player.setSound(false);
        player.setLanguage("fr");
        player.setLargerText(true);
        player.sync();
    }
    const Settings player(SettingsScope::Player);
    EXPECT_EQ(player.playerName(), "Ann");
    EXPECT_FALSE(player.sound());
    EXPECT_EQ(player.language(), "fr");
    EXPECT_EQ(player.largerText(), true);
    EXPECT_EQ(player.highContrast(), true);
    // The class's own files come first, then the folders' zorbik.conf.
    const Settings classWide(SettingsScope::Class);
    EXPECT_EQ(classWide.language(), "de");
    EXPECT_EQ(classWide.teachersCeiling(), "gentle");
    EXPECT_EQ(classWide.sharedFolder(), "/srv/class");
    EXPECT_EQ(classWide.largerText(), std::nullopt);
    {
        Settings forgetting(SettingsScope::Player);
        forgetting.forgetLanguage();
        forgetting.sync();
    }
    EXPECT_EQ(Settings(SettingsScope::Player).language(), "de");
}

// A FIFO, folder or link in any file's place is never opened: the player's
// own makes all the player's values their defaults and keeps every write out;
// one further down the look-up is passed over.
TEST_F(PlayerAndClass, AFileThatIsNotPlainIsNeverOpened)
{
    Put(temp.dir / "second" / "zorbik" / "zorbik.conf", "[General]\nlanguage=de\nquestions=3\n");
    fs::create_directories(temp.dir / "first" / "zorbik");
    ASSERT_EQ(::mkfifo((temp.dir / "first" / "zorbik.conf").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((temp.dir / "first" / "zorbik" / "zorbik.conf").c_str(), 0600), 0);
    EXPECT_EQ(RunBounded([] { return Settings(SettingsScope::Class).teachersCeiling().toStdString(); }, 5),
              "3");

    Put(temp.dir / "target", "[General]\nlanguage=ru\n");
    fs::create_directories(playerFile().parent_path());
    fs::create_symlink(temp.dir / "target", playerFile());
    const auto refusedPlayer = [] {
        Settings player(SettingsScope::Player);
        player.setLanguage("fr");
        player.sync();
        return std::to_string(player.usable()) + "|" + player.language().toStdString() + "|" +
               Settings(SettingsScope::Class).language().toStdString();
    };
    EXPECT_EQ(RunBounded(refusedPlayer, 5), "0||de");
    EXPECT_EQ(Slurp(temp.dir / "target"), "[General]\nlanguage=ru\n");
    fs::remove(playerFile());
    ASSERT_EQ(::mkfifo(playerFile().c_str(), 0600), 0);
    EXPECT_EQ(RunBounded(refusedPlayer, 5), "0||de");
}

} // namespace
} // namespace zorbik
