#include "common/NameFile.h"
#include "common/Programs.h"
#include "journal/Journal.h"
#include "launcher/ClassroomFolder.h"
#include "launcher/GameStart.h"
#include "launcher/LauncherLogic.h"
#include "launcher/LauncherOptions.h"
#include "launcher/LauncherWindow.h"
#include "launcher/PlayingFolder.h"
#include "tests/support/RunBounded.h"
#include "tests/support/TempFolder.h"
#include "world/StartUp.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbik {
namespace {

namespace fs = std::filesystem;
using testing::Put;
using testing::RunBounded;
using testing::Slurp;

// A fresh temporary folder per test, where every user may make a folder.
class LauncherFolder : public ::testing::Test {
  protected:
    // Sticky, as /tmp: a player's folder made in it stays that player's.
    void SetUp() override { fs::permissions(root, fs::perms::all | fs::perms::sticky_bit); }

    // An installed suite as the package lays it out, with a launcher folder
    // "bin" beside "lib/zorbik".
    fs::path Install(const std::string& gameBytes = "game v1")
    {
        const fs::path suite = root / "lib" / "zorbik";
        Put(suite / "Maze" / "Game1", gameBytes);
        fs::permissions(suite / "Maze" / "Game1", fs::perms(0755));
        Put(suite / "Maze" / "Images" / "Road.bmp", "road");
        Put(suite / "Maze" / "Sounds" / "Door.wav", "door");
        Put(suite / "Quiz" / "quiz", "quiz");
        fs::permissions(suite / "Quiz" / "quiz", fs::perms(0755));
        Put(suite / "Quiz" / "Sounds" / "Right.wav", "right");
        Put(suite / "Maze" / "Game1.hrs", "the builder's table");
        fs::create_directories(root / "bin");
        return suite;
    }

    testing::TempFolder temp{"zorbik-launcher"};
    fs::path root = temp.dir;
};

TEST(LauncherOptions, CommandLinesAreReadOrRefused)
{
    using Action = LauncherOptions::Action;
    const auto parse = [](QStringList words) {
        words.prepend("zorbik");
        return ParseLauncherOptions(words);
    };
    LauncherOptions o =
        parse({"--play", "--name", " Ann Lee ", "--topic", "fractions", "--no-sound", "--hidden"});
    ASSERT_EQ(o.action, Action::Play);
    const LaunchChoice c = DirectChoice(o);
    EXPECT_EQ(c.playerName, "Ann Lee");
    EXPECT_EQ(GameArguments(c), (std::vector<std::string>{"Quiz/quiz", "FRACTIONS", "NOSOUND", "HIDDEN"}));
    EXPECT_EQ(GameArguments(DirectChoice(parse({"--play", "--name=Bo", "--topic=gcf"}))),
              (std::vector<std::string>{"Quiz/quiz", "GCF", "SOUND", "SHOWN"}));
    EXPECT_EQ(parse({}).action, Action::Window);
    EXPECT_EQ(DirectChoice(parse({"--play", "--name", "Bo", "--topic", "LCM"})).topic, QuizTopicChoice::Lcm);
    EXPECT_EQ(parse({"--shared-folder", "/srv/class"}).sharedFolder, "/srv/class");
    EXPECT_EQ(parse({"--set-up", "--shared-folder", "/srv/class"}).action, Action::SetUp);
    EXPECT_EQ(parse({"--help"}).action, Action::Help);
    EXPECT_NE(parse({"--help"}).text.find("--shared-folder"), std::string::npos);
    o = parse({"--version"});
    EXPECT_EQ(o.action, Action::Version);
    EXPECT_EQ(o.text, std::string("zorbik ") + ZORBIK_VERSION + "\n");

    const struct {
        QStringList words;
        const char* says;
    } refused[] = {
        {{"--play"}, "--name"},
        {{"--play", "--name", "  "}, "--name"},
        {{"--play", "--name", "Ann", "--topic", "lcd"}, "unknown topic 'lcd'"},
        {{"--play", "--name", "Ann", "--set-up"}, "--set-up"},
        {{"--colour"}, "colour"},
        {{"-style", "fusion"}, "style"},
        {{"Ann"}, "unexpected word 'Ann'"},
        {{"--shared-folder", "class"}, "full path"},
    };
    for (const auto& r : refused) {
        o = parse(r.words);
        EXPECT_EQ(o.action, Action::Refuse) << r.words.join(' ').toStdString();
        EXPECT_NE(o.text.find(r.says), std::string::npos) << o.text;
    }
}

TEST_F(LauncherFolder, ChoicesAreRememberedPerPlayerAndTheTeacherNamesTheClassroom)
{
    // The player's settings and the class's.
    ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    ::setenv("XDG_CONFIG_DIRS", (root / "etc").c_str(), 1);
    LaunchChoice fresh = RememberedChoice({});
    EXPECT_EQ(GameArguments(fresh), GameArguments(LaunchChoice{}));
    EXPECT_EQ(ClassroomFolder({}), "");

    LaunchChoice played{"Ann", QuizTopicChoice::Lcm, false, true};
    RememberChoice(played);
    EXPECT_TRUE(fs::is_regular_file(root / "config" / "zorbik" / "zorbik.conf"));
    LaunchChoice next = RememberedChoice({});
    EXPECT_EQ(next.playerName, "Ann");
    EXPECT_EQ(GameArguments(next), GameArguments(played));
    // The command line wins over what was remembered.
    next = RememberedChoice(ParseLauncherOptions({"zorbik", "--name", "Bo", "--topic", "gcf"}));
    EXPECT_EQ(next.playerName, "Bo");
    EXPECT_EQ(next.topic, QuizTopicChoice::Gcf);
    EXPECT_FALSE(next.sound);

    // A FIFO in place of the settings never holds the launcher.
    const fs::path settings = root / "config" / "zorbik" / "zorbik.conf";
    fs::remove(settings);
    ASSERT_EQ(::mkfifo(settings.c_str(), 0600), 0);
    EXPECT_EQ(RunBounded(
                  [] {
                      RememberChoice(LaunchChoice{"Zed"});
                      return RememberedChoice({}).playerName + "|";
                  },
                  5),
              "|");

    Put(root / "etc" / "zorbik" / "zorbik.conf", "[General]\nsharedFolder=/srv/class\n");
    EXPECT_EQ(ClassroomFolder({}), "/srv/class");
    EXPECT_EQ(ClassroomFolder(ParseLauncherOptions({"zorbik", "--shared-folder", "/srv/other"})),
              "/srv/other");
}

TEST_F(LauncherFolder, PlayingFolderIsLaidOutAndRefreshedWithoutTouchingThePlayersFiles)
{
    const fs::path suite = Install();
    fs::create_symlink("/etc/passwd", suite / "Maze" / "Images" / "Link.bmp");
    const std::string installed = suite.string() + "/";
    const std::string playing = (root / "data" / "zorbik").string() + "/";
    std::string error;
    ASSERT_TRUE(UpdatePlayingFolder(installed, playing, "v1", error)) << error;
    for (const char* file :
         {"Maze/Game1", "Maze/Images/Road.bmp", "Maze/Sounds/Door.wav", "Quiz/quiz", "Quiz/Sounds/Right.wav"})
        EXPECT_EQ(Slurp(playing + file), Slurp(installed + file)) << file;
    EXPECT_FALSE(fs::exists(playing + "Maze/Game1.hrs")); // the builder's table stays behind
    EXPECT_FALSE(fs::exists(fs::symlink_status(playing + "Maze/Images/Link.bmp")));

    // The player's table and a link planted over a picture.
    Put(playing + "Maze/Game1.hrs", "Ann's table");
    Put(root / "victim", "keep me");
    fs::remove(playing + "Maze/Images/Road.bmp");
    fs::create_symlink(root / "victim", playing + "Maze/Images/Road.bmp");
    // The same install: nothing is copied.
    ASSERT_TRUE(UpdatePlayingFolder(installed, playing, "v1", error)) << error;
    EXPECT_TRUE(fs::is_symlink(playing + "Maze/Images/Road.bmp"));
    // A newer install: programs, pictures and sounds anew, the table kept.
    Put(suite / "Maze" / "Game1", "game v2");
    ASSERT_TRUE(UpdatePlayingFolder(installed, playing, "v2", error)) << error;
    EXPECT_EQ(Slurp(playing + "Maze/Game1"), "game v2");
    EXPECT_EQ(Slurp(playing + "Maze/Game1.hrs"), "Ann's table");
    EXPECT_FALSE(fs::is_symlink(playing + "Maze/Images/Road.bmp"));
    EXPECT_EQ(Slurp(playing + "Maze/Images/Road.bmp"), "road");
    EXPECT_EQ(Slurp(root / "victim"), "keep me");
    // A game removed by hand is laid out again even with the same stamp.
    fs::remove(playing + "Quiz/quiz");
    ASSERT_TRUE(UpdatePlayingFolder(installed, playing, "v2", error)) << error;
    EXPECT_EQ(Slurp(playing + "Quiz/quiz"), "quiz");
    // A home folder the player may not write: the folder that cannot be made
    // is named with the reason.
    fs::create_directories(root / "readonly");
    fs::permissions(root / "readonly", fs::perms(0555));
    EXPECT_EQ(RunBounded([&] {
                  if (::geteuid() == 0 && ::setuid(65534) != 0)
                      return std::string("no unprivileged user");
                  std::string why;
                  UpdatePlayingFolder(installed, (root / "readonly/.local/share/zorbik/").string(), "v2",
                                      why);
                  return why;
              }),
              "Cannot make the folder " + (root / "readonly/.local").string() + ": Permission denied");
    // A link in place of the playing folder itself is refused.
    fs::create_symlink(root / "data", root / "linked");
    EXPECT_FALSE(UpdatePlayingFolder(installed, (root / "linked").string() + "/", "v2", error));
    EXPECT_NE(error.find("linked"), std::string::npos);
}

// Folders and programs 0700, every other file 0600, whatever the umask, for
// what the launcher lays out and what the game, the quiz and the launcher
// write there later; an earlier folder is made private, and whatever another
// user owns or others may write is refused by name.
TEST_F(LauncherFolder, PlayingFolderIsThePlayersAloneWhateverTheUmask)
{
    const std::string installed = Install().string() + "/";
    const auto expectPrivate = [](const std::string& playing) {
        EXPECT_EQ(fs::status(playing).permissions(), fs::perms(0700));
        for (const auto& entry : fs::recursive_directory_iterator(playing)) {
            const std::string name = entry.path().filename();
            const bool program = name == "Game1" || name == "quiz" || name == "game.sh";
            EXPECT_EQ(fs::symlink_status(entry).permissions(),
                      fs::perms(entry.is_directory() || program ? 0700 : 0600))
                << entry.path();
        }
    };
    for (const mode_t mask : {0000, 0022, 0077}) {
        const std::string playing = (root / ("mask" + std::to_string(mask)) / "zorbik").string() + "/";
        const mode_t before = ::umask(mask);
        std::string error;
        const bool made = UpdatePlayingFolder(installed, playing, "v1", error);
        WriteNameFile(playing, "Ann");
        AppendToJournal(playing + "Quiz/Journal.txt", JournalEntry{});
        // A game in the player's folder makes its files with a private umask.
        Put(playing + "game.sh", "#!/bin/sh\numask > Maze/umask\n");
        fs::permissions(playing + "game.sh", fs::perms(0700));
        const pid_t game =
            StartGame({playing + "game.sh", playing + "game.sh", playing, "", true}, {"Ann"}, error);
        ::umask(before);
        ASSERT_TRUE(made) << error;
        ASSERT_GT(game, 0) << error;
        EXPECT_EQ(WaitForGame(game, true), 0);
        EXPECT_EQ(Slurp(playing + "Maze/umask"), "0077\n");
        expectPrivate(playing);
    }

    const std::string playing = (root / "mask0" / "zorbik").string() + "/";
    fs::permissions(playing + "Maze", fs::perms(0755));
    fs::permissions(playing + "Maze/Game1", fs::perms(0755));
    fs::permissions(playing + "Gamer.nam", fs::perms(0644));
    std::string error;
    ASSERT_TRUE(UpdatePlayingFolder(installed, playing, "v1", error)) << error;
    expectPrivate(playing);
    const struct {
        const char* path;
        std::function<void()> make, undo;
        const char* says;
    } refused[] = {
        {"Maze/Sounds", [&] { fs::permissions(playing + "Maze/Sounds", fs::perms(0770)); },
         [&] { fs::permissions(playing + "Maze/Sounds", fs::perms(0700)); }, "may be changed by other users"},
        {"Installed.stamp", [&] { fs::permissions(playing + "Installed.stamp", fs::perms(0602)); },
         [&] { fs::permissions(playing + "Installed.stamp", fs::perms(0600)); },
         "may be changed by other users"},
        {"Quiz/quiz", [&] { ASSERT_EQ(::chown((playing + "Quiz/quiz").c_str(), 65534, 65534), 0); },
         [&] { ASSERT_EQ(::chown((playing + "Quiz/quiz").c_str(), 0, 0), 0); }, "belongs to another user"},
        {"zorbik", [&] { ASSERT_EQ(::chown(playing.c_str(), 65534, 65534), 0); },
         [&] { ASSERT_EQ(::chown(playing.c_str(), 0, 0), 0); }, "belongs to another user"},
    };
    for (const auto& r : refused) {
        if (::geteuid() != 0 && r.says[0] == 'b')
            continue; // only root can give a file away
        r.make();
        EXPECT_FALSE(UpdatePlayingFolder(installed, playing, "v1", error)) << r.path;
        EXPECT_NE(error.find(r.path), std::string::npos) << error;
        EXPECT_NE(error.find(r.says), std::string::npos) << error;
        r.undo();
    }
    ASSERT_TRUE(UpdatePlayingFolder(installed, playing, "v1", error)) << error;

    // The environment moves the folder only to a place no other user can
    // change: root given a pupil's XDG_DATA_HOME or HOME plays in its own.
    if (::geteuid() == 0) {
        const fs::path pupil = root / "pupil";
        fs::create_directories(pupil / ".local" / "share");
        ASSERT_EQ(::chown(pupil.c_str(), 65534, 65534), 0);
        ::setenv("XDG_DATA_HOME", (pupil / ".local" / "share").c_str(), 1);
        const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
        ::setenv("HOME", pupil.c_str(), 1);
        EXPECT_EQ(PersonalPlayingFolder().rfind(pupil.string(), 0), std::string::npos)
            << PersonalPlayingFolder();
        EXPECT_EQ(PersonalPlayingFolder(), PathIn(::getpwuid(0)->pw_dir, ".local/share/zorbik/"));
        ::setenv("XDG_DATA_HOME", (root / "own").c_str(), 1);
        EXPECT_EQ(PersonalPlayingFolder(), (root / "own" / "zorbik").string() + "/");
        ::unsetenv("XDG_DATA_HOME");
        ::setenv("HOME", home.c_str(), 1);
    }
}

TEST_F(LauncherFolder, PlanPlaysInPlaceOnlyInASuiteThePlayerOwnsAndNeverRootInTheInstall)
{
    const fs::path suite = Install();
    const std::string bin = (root / "bin").string() + "/";
    GamePlan plan;
    std::string error;
    ::setenv("XDG_DATA_HOME", (root / "self").c_str(), 1);
    const std::string self = (root / "self" / "zorbik").string() + "/";
    // The build folder layout: the launcher beside Maze/, the player's own
    // (root's too, for scripts and CI); not when someone else owns it.
    Put(root / "bin" / "Maze" / "Game1", "game");
    Put(root / "bin" / "Quiz" / "quiz", "quiz");
    ASSERT_TRUE(PlanGame(bin, "", plan, error)) << error;
    EXPECT_EQ(plan.program, bin + "Maze/Game1");
    EXPECT_EQ(plan.argument0, plan.program);
    EXPECT_EQ(plan.suite, bin);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(bin.c_str(), 4242, 4242), 0);
        ASSERT_TRUE(PlanGame(bin, "", plan, error)) << error;
        EXPECT_EQ(plan.suite, self);
        ASSERT_EQ(::chown(bin.c_str(), 0, 0), 0);
    }
    fs::remove_all(root / "bin" / "Maze");
    fs::remove_all(root / "bin" / "Quiz");
    // An installed suite of the player's own (installed in the home folder)
    // is played in place, but never by root, whose files would outlive the
    // package.
    ASSERT_TRUE(PlanGame(bin, "", plan, error)) << error;
    EXPECT_EQ(plan.suite, ::geteuid() == 0 ? self : bin + "../lib/zorbik/");

    // An installed suite that this player cannot write: a player of their
    // own (here the unprivileged "nobody" when the tests run as root).
    const fs::path data = root / "home" / "data";
    fs::create_directories(data);
    if (::geteuid() == 0)
        ASSERT_EQ(::chown(data.c_str(), 65534, 65534), 0);
    else
        fs::permissions(suite, fs::perms::owner_write, fs::perm_options::remove);
    const auto planned = RunBounded([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return std::string("no unprivileged user");
        ::setenv("XDG_DATA_HOME", data.c_str(), 1);
        GamePlan p;
        std::string why;
        if (!PlanGame(bin, "", p, why))
            return why;
        return p.program + "|" + p.argument0 + "|" + p.suite;
    });
    ASSERT_TRUE(planned);
    const std::string own = (data / "zorbik").string() + "/";
    EXPECT_EQ(*planned, own + "Maze/Game1|" + own + "Maze/Game1|" + own);
    EXPECT_EQ(Slurp(own + "Quiz/quiz"), "quiz");
}

TEST_F(LauncherFolder, ClassroomIsLaidOutOnlyWhereNoPupilCanChangeItAndItsGameRunsOnlyWhileSo)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "pupils need root to play as another user";
    Install();
    const std::string bin = (root / "bin").string() + "/";
    const std::string installed = (root / "lib" / "zorbik").string() + "/";
    // The class writer as the package installs it, with Debian's games group.
    const gid_t writerGroup = 60;
    const fs::path writer = root / "lib" / "zorbik" / "zorbik-class-writer";
    Put(writer, "writer");
    ASSERT_EQ(::chown(writer.c_str(), 0, writerGroup), 0);
    fs::permissions(writer, fs::perms(02755));
    // The teacher's folder (root's here) with the class's group ("nogroup"),
    // in a place no pupil may write.
    const testing::TempFolder place("zorbik-class", "/srv");
    fs::permissions(place.dir, fs::perms(0755));
    const fs::path shared = place.dir / "class";
    fs::create_directory(shared);
    ASSERT_EQ(::chown(shared.c_str(), 0, 65534), 0);
    fs::permissions(shared, fs::perms(02750));
    const std::string stamp = InstalledStamp(installed);
    // A pupil of the class: the game the plan starts, or why none.
    const auto pupilPlans = [&] {
        return RunBounded([&] {
                   if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                       return std::string("no unprivileged user");
                   ::setenv("XDG_DATA_HOME", (root / "pupil").c_str(), 1);
                   GamePlan p;
                   std::string why;
                   return PlanGame(bin, shared, p, why)
                              ? "starts " + p.program + " as " + p.argument0 + " with " + p.classWriter
                              : why;
               })
            .value_or("no answer");
    };
    const std::string setUp = "sudo zorbik --shared-folder " + shared.string() + " --set-up";
    EXPECT_NE(pupilPlans().find("is not set up yet. The teacher sets it up with:\n    " + setUp),
              std::string::npos);

    // Set-up refuses a folder a class cannot share safely.
    std::string error;
    const struct {
        std::function<void()> make, undo;
        const char* says;
    } unsafe[] = {
        {[&] { fs::permissions(shared, fs::perms(02770)); },
         [&] { fs::permissions(shared, fs::perms(02750)); }, "class may be changed by other users"},
        {[&] { fs::permissions(place.dir, fs::perms(01777)); },
         [&] { fs::permissions(place.dir, fs::perms(0755)); }, " may be changed by other users"},
        {[&] { ASSERT_EQ(::chown(shared.c_str(), 0, 0), 0); },
         [&] { ASSERT_EQ(::chown(shared.c_str(), 0, 65534), 0); }, "its group is root, not a class's group"},
    };
    for (const auto& u : unsafe) {
        u.make();
        EXPECT_FALSE(SetUpClassroom(installed, shared.string(), stamp, error)) << u.says;
        EXPECT_NE(error.find(u.says), std::string::npos) << error;
        u.undo();
    }
    EXPECT_FALSE(fs::exists(shared / "Maze"));

    // Laid out: nothing in it a pupil may change but the table, which they
    // rewrite in place.
    ASSERT_TRUE(SetUpClassroom(installed, shared.string(), stamp, error)) << error;
    const struct {
        const char* path;
        mode_t mode;
        gid_t group;
    } modes[] = {{"Maze", 02755, 65534},
                 {"Maze/Images", 02755, 65534},
                 {"Maze/Game1", 0755, 65534},
                 {"Maze/Images/Road.bmp", 0644, 65534},
                 {"Maze/Game1.hrs", 0664, writerGroup},
                 {"Maze/Game1.hrs.bak", 0664, writerGroup},
                 {"Maze/Game1.hrs.lock", 0660, writerGroup},
                 {"Class.record", 0660, writerGroup},
                 {"Installed.stamp", 0644, 65534}};
    for (const auto& m : modes) {
        struct stat st {};
        ASSERT_EQ(::lstat((shared / m.path).c_str(), &st), 0) << m.path;
        EXPECT_EQ(st.st_mode & 07777, m.mode) << m.path;
        EXPECT_EQ(st.st_uid, 0u) << m.path;
        EXPECT_EQ(st.st_gid, m.group) << m.path;
    }
    EXPECT_FALSE(fs::exists(shared / "Quiz"));
    const std::string starts = "starts " + (shared / "Maze" / "Game1").string() + " as " +
                               (root / "pupil" / "zorbik" / "Maze" / "Game1").string() + " with " + bin +
                               "../lib/zorbik/zorbik-class-writer";
    EXPECT_EQ(pupilPlans(), starts);

    // Whatever could let a classmate change what a pupil runs is refused,
    // and set-up lays the folder out anew.
    const fs::path game = shared / "Maze" / "Game1";
    const struct {
        std::function<void()> change;
        const char* says;
    } changes[] = {
        {[&] { ASSERT_EQ(::chown(game.c_str(), 65534, 65534), 0); }, "Maze/Game1 belongs to nobody"},
        {[&] { fs::remove(game), fs::create_symlink("/bin/true", game); }, "Maze/Game1 is not a plain file"},
        {[&] { fs::permissions(game, fs::perms(0775)); }, "Maze/Game1 may be changed"},
        {[&] { fs::permissions(shared / "Maze", fs::perms(03775)); }, "Maze may be changed"},
        {[&] { fs::permissions(shared / "Maze" / "Sounds", fs::perms(02775)); },
         "Maze/Sounds may be changed"},
        {[&] {
             Put(shared / "Maze" / "Left", "");
             ASSERT_EQ(::chown((shared / "Maze" / "Left").c_str(), 65534, 0), 0);
         },
         "Maze/Left belongs to nobody"},
        {[&] { fs::permissions(place.dir, fs::perms(01777)); }, "may be changed by other users"},
        {[&] { Put(shared / "Installed.stamp", "older"); }, "holds another version of Zorbik"},
        {[&] { fs::permissions(shared / "Maze" / "Game1.hrs", fs::perms(0666)); },
         "Maze/Game1.hrs was not laid out for the class writer"},
        {[&] { ASSERT_EQ(::chown((shared / "Class.record").c_str(), 0, 65534), 0); },
         "Class.record was not laid out for the class writer"},
    };
    for (const auto& c : changes) {
        c.change();
        const std::string refused = pupilPlans();
        EXPECT_NE(refused.find(c.says), std::string::npos) << refused;
        EXPECT_NE(refused.find(setUp), std::string::npos) << refused;
        fs::permissions(place.dir, fs::perms(0755));
        ASSERT_TRUE(SetUpClassroom(installed, shared.string(), stamp, error)) << error;
        EXPECT_EQ(pupilPlans(), starts) << c.says;
    }
    EXPECT_FALSE(fs::exists(shared / "Maze" / "Left"));
}

TEST_F(LauncherFolder, NameFileIsWrittenSafelyOrTheGameDoesNotStart)
{
    const std::string folder = root.string() + "/";
    Put(root / "victim", "precious");
    fs::create_symlink(root / "victim", root / "Gamer.nam");
    ASSERT_TRUE(WriteNameFile(folder, "Ann\nLee"));
    EXPECT_EQ(Slurp(root / "victim"), "precious");
    EXPECT_EQ(ReadGamerName(folder + "Gamer.nam"), "AnnLee");
    EXPECT_EQ(SuggestedName(folder), "AnnLee");
    // A FIFO in the way never blocks the launcher.
    fs::remove(root / "Gamer.nam");
    ASSERT_EQ(::mkfifo((root / "Gamer.nam").c_str(), 0644), 0);
    EXPECT_EQ(RunBounded([&] { return WriteNameFile(folder, "Bo") ? std::string("yes") : "no"; }, 5), "yes");
    EXPECT_EQ(ReadGamerName(folder + "Gamer.nam"), "Bo");

    // A name that cannot be written: no game, and the reason.
    fs::remove(root / "Gamer.nam");
    fs::create_directory(root / "Gamer.nam");
    ::setenv("USER", "pupil", 1);
    EXPECT_EQ(SuggestedName(folder), "pupil"); // a folder is no name, and no abort
    Put(root / "Maze" / "Game1", "#!/bin/sh\ntouch started\n");
    fs::permissions(root / "Maze" / "Game1", fs::perms(0755));
    std::string error;
    const GamePlan plan{folder + "Maze/Game1", folder + "Maze/Game1", folder, "", false};
    EXPECT_EQ(StartGame(plan, LaunchChoice{"Cy"}, error), -1);
    EXPECT_NE(error.find("does not start"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(root / "started"));

    // Written: the game runs in the suite folder with the four arguments,
    // and its exit status comes back.
    fs::remove(root / "Gamer.nam");
    Put(root / "Maze" / "Game1", "#!/bin/sh\necho \"$*|$(pwd)|$(cat Gamer.nam)\" > started\nexit 3\n");
    const pid_t game = StartGame(plan, LaunchChoice{"Cy", QuizTopicChoice::Lcm, false, true}, error);
    ASSERT_GT(game, 0) << error;
    EXPECT_EQ(WaitForGame(game, true), 3);
    EXPECT_EQ(Slurp(root / "started"), "Quiz/quiz LCM NOSOUND HIDDEN|" + root.string() + "|Cy\n");

    // The game, and the quiz it starts, are told the pupil's topic in their
    // environment.
    Put(root / "Maze" / "Game1", "#!/bin/sh\necho \"$2 $ZORBIK_TOPIC\" > started\n");
    for (const auto topic : {QuizTopicChoice::Both, QuizTopicChoice::Fractions}) {
        const pid_t told = StartGame(plan, LaunchChoice{"Cy", topic}, error);
        ASSERT_GT(told, 0) << error;
        EXPECT_EQ(WaitForGame(told, true), 0);
        EXPECT_EQ(Slurp(root / "started"),
                  topic == QuizTopicChoice::Both ? "BOTH BOTH\n" : "FRACTIONS FRACTIONS\n");
    }
}

// A blank name is refused both ways: --play refuses it, and the window's Play
// waits, saying why. Under the name the window shows what the table keeps of
// it (20 bytes, whole letters: ten Cyrillic ones). Last in this file: the
// window reads the remembered choices, and QSettings finds its files once.
TEST(PlayerName, BlankNamesAreRefusedAndTheTablesPartIsShown)
{
    const struct {
        std::string typed;
        bool playable;
        std::string note;
    } names[] = {
        {"", false, "Type your name to play."},
        {"   ", false, "Type your name to play."},
        {"\t\x01 ", false, "Type your name to play."},
        {" Ann ", true, "In the high-score table: Ann"},
        {"Alexandra Konstantinova", true,
         "In the high-score table: Alexandra Konstantin (the rest does not fit)"},
        {"Александра Петровна", true, "In the high-score table: Александра (the rest does not fit)"},
    };
    LauncherWindow window({});
    auto* name = window.findChild<QLineEdit*>("name");
    auto* note = window.findChild<QLabel*>("nameNote");
    auto* play = window.findChild<QPushButton*>("play");
    ASSERT_TRUE(name && note && play);
    for (const auto& n : names) {
        name->setText(QString::fromStdString(n.typed));
        EXPECT_EQ(play->isEnabled(), n.playable) << n.typed;
        EXPECT_EQ(note->text().toStdString(), n.note);
        const auto o = ParseLauncherOptions({"zorbik", "--play", "--name", QString::fromStdString(n.typed)});
        EXPECT_EQ(o.action == LauncherOptions::Action::Play, n.playable) << n.typed;
    }
}

} // namespace
} // namespace zorbik
