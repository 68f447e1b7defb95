// The suite as a pupil meets it: installed by root into a temporary DESTDIR,
// then played through the installed launcher's direct start by the
// unprivileged user "nobody" with a home folder of its own. The pictures
// must show, a right answer from a stand-in quiz must count, game over must
// write the table into the player's playing folder, and the next game must
// find it there. Needs root (for the install owner and setpriv).
#include "tests/support/GameProcess.h"
#include "tests/support/TempFolder.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbik::testing {
namespace {

namespace fs = std::filesystem;
constexpr uid_t Nobody = 65534;

int RunToEnd(const std::vector<std::string>& argv, const std::vector<std::string>& env)
{
    DrivenProgram program;
    if (!program.start(argv, env))
        return -1;
    program.closeInput(); // nothing drives it: the game ends at once
    return program.wait(300000);
}

// As RunToEnd, with what the program wrote on standard error in `said`
// (through the file `through`).
int RunSaying(const std::vector<std::string>& argv, const std::vector<std::string>& env,
              const fs::path& through, std::string& said)
{
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    const int file = ::open(through.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    ::dup2(file, STDERR_FILENO);
    ::close(file);
    const int status = RunToEnd(argv, env);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    said = Slurp(through);
    return status;
}

// A pupil's account: a user id (no entry in the user list is needed), the
// class's group and a home folder of their own.
struct Pupil {
    uid_t uid;
    std::string name;
    fs::path home;
    fs::path playing() const { return home / ".local" / "share" / "zorbik"; }
};

// The suite installed once into a temporary DESTDIR, as a package lays it
// out under /usr, owned by root and not writable by the pupils.
class InstalledGame : public ::testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        if (::geteuid() != 0)
            return;
        root_ = fs::temp_directory_path() / ("zorbik-installed-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
        fs::permissions(root_, fs::perms(0755));
        installed_ = RunToEnd({ZORBIK_CMAKE, "--install", ZORBIK_BUILD_DIR, "--prefix", "/usr"},
                              {"DESTDIR=" + (root_ / "dest").string(), "PATH=/usr/bin:/bin"}) == 0;
        seed_ = FindSeed([](const GameDump& d) { return KeysTo(d, CellDoor).has_value(); });
    }
    static void TearDownTestSuite()
    {
        if (!root_.empty() && !::testing::UnitTest::GetInstance()->Failed())
            fs::remove_all(root_);
        else if (!root_.empty())
            std::printf("The install and the players' homes are kept in %s\n", root_.c_str());
    }
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root to install and to play as other users";
        ASSERT_TRUE(installed_) << "cmake --install failed";
        ASSERT_TRUE(fs::is_regular_file(Launcher()));
        ASSERT_NE(seed_, 0u);
    }

    static std::string Launcher() { return (root_ / "dest" / "usr" / "bin" / "zorbik").string(); }

    static Pupil MakePupil(uid_t uid, const std::string& name)
    {
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        Pupil p{uid, name, root_ / test / name};
        fs::create_directories(p.home);
        fs::permissions(p.home.parent_path(), fs::perms(0755));
        EXPECT_EQ(::chown(p.home.c_str(), uid, Nobody), 0);
        fs::permissions(p.home, fs::perms(0700));
        return p;
    }

    // The installed launcher's direct start as this pupil.
    static std::vector<std::string> Command(const Pupil& p, const std::vector<std::string>& extra)
    {
        std::vector<std::string> argv{"/usr/bin/setpriv", "--reuid=" + std::to_string(p.uid),
                                      "--regid=65534",    "--clear-groups",
                                      Launcher(),         "--play",
                                      "--name",           p.name,
                                      "--topic",          "lcm",
                                      "--no-sound"};
        argv.insert(argv.end(), extra.begin(), extra.end());
        return argv;
    }
    static std::vector<std::string> Environment(const Pupil& p)
    {
        return {"HOME=" + p.home.string(),   "PATH=/usr/bin:/bin",
                "QT_QPA_PLATFORM=offscreen", "ZORBIK_NO_AUDIO=1",
                "ZORBIK_TEST_DRIVER=1",      "ZORBIK_TEST_SEED=" + std::to_string(seed_),
                "FAKE_QUIZ_VERDICT=1",       "FAKE_QUIZ_LOG=" + (p.home / "quiz.log").string()};
    }

    // A first start lays out the pupil's playing folder (the game ends at
    // once when nothing drives it); then the quiz there is swapped for the
    // stand-in, which always answers right.
    static void FirstStart(const Pupil& p, const std::vector<std::string>& extra = {})
    {
        ASSERT_EQ(RunToEnd(Command(p, extra), Environment(p)), 0);
        ASSERT_TRUE(fs::is_regular_file(p.playing() / "Quiz" / "quiz"));
        const fs::path quiz = p.playing() / "Quiz" / "quiz";
        fs::remove(quiz);
        fs::copy_file(fs::path(ZORBIK_TEST_BINARY_DIR) / "helpers" / "fake_quiz" / "fake_quiz", quiz);
        ASSERT_EQ(::chown(quiz.c_str(), p.uid, Nobody), 0);
    }

    // One game: the pictures shown, a door answered right, then the exit
    // button confirmed and the window closed.
    static void PlayAGame(const Pupil& p, const std::vector<std::string>& extra = {})
    {
        DrivenProgram game;
        ASSERT_TRUE(game.start(Command(p, extra), Environment(p)));
        const GameDump d = game.dump();
        ASSERT_EQ(d.size, 11) << "the game did not start for " << p.name;
        const fs::path shot = p.home / "start.png";
        game.send("shot " + shot.string());
        const auto keys = KeysTo(d, CellDoor);
        ASSERT_TRUE(keys);
        game.send("answer ok");
        for (int key : *keys)
            game.send("key " + std::to_string(key));
        const GameDump atDoor = game.dump();
        EXPECT_EQ(atDoor.score, 100) << p.name << ": the right answer did not count";
        ASSERT_GE(atDoor.captions.size(), 6u);
        EXPECT_EQ(atDoor.captions[5], "1");
        game.send("answer yes");
        game.send("finish");
        EXPECT_EQ(game.dump().ended, 1);
        game.send("shot " + (p.home / "over.png").string());
        game.send("close");
        EXPECT_EQ(game.wait(30000), 0);

        // A maze surface drawn from the pictures has many colours, a blank
        // one a single grey.
        const QImage picture(QString::fromStdString(shot.string()));
        ASSERT_FALSE(picture.isNull());
        ASSERT_GT(d.surfaceWidth, 0);
        std::set<QRgb> colours;
        for (int y = d.surfaceTop; y < d.surfaceTop + d.surfaceHeight; y += 2)
            for (int x = d.surfaceLeft; x < d.surfaceLeft + d.surfaceWidth; x += 2)
                colours.insert(picture.pixel(x, y));
        EXPECT_GT(colours.size(), 20u) << p.name << ": the maze surface shows no pictures";
    }

    static uid_t OwnerOf(const fs::path& path)
    {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0 ? st.st_uid : static_cast<uid_t>(-1);
    }

    static inline fs::path root_;
    static inline bool installed_ = false;
    static inline uint64_t seed_ = 0;
};

TEST_F(InstalledGame, PlayedByAPupilWhoCannotWriteTheInstall)
{
    const Pupil ann = MakePupil(Nobody, "Ann");
    FirstStart(ann);
    ASSERT_TRUE(fs::is_regular_file(ann.playing() / "Maze" / "Images" / "Road.bmp"));
    EXPECT_EQ(Slurp(ann.playing() / "Gamer.nam"), "Ann");
    // A direct start leaves the choices remembered for the window alone.
    EXPECT_FALSE(fs::exists(ann.home / ".config" / "zorbik" / "zorbik.conf"));

    PlayAGame(ann);
    const fs::path table = ann.playing() / "Maze" / "Game1.hrs";
    EXPECT_NE(Slurp(table).find("Ann "), std::string::npos) << Slurp(table);
    EXPECT_EQ(OwnerOf(table), Nobody);

    // The next game finds that table and adds to it.
    std::ofstream(ann.playing() / "Gamer.nam") << "stale";
    PlayAGame(ann);
    const std::string text = Slurp(table);
    EXPECT_EQ(text.find("stale"), std::string::npos) << "the launcher did not write the name";
    const std::string line = "Ann                    0   0   1 1     100\r\n";
    ASSERT_NE(text.find(line), std::string::npos) << text;
    EXPECT_NE(text.find(line, text.find(line) + 1), std::string::npos)
        << "the second game lost the first one's line:\n"
        << text;
    for (const auto& entry : fs::recursive_directory_iterator(root_ / "dest"))
        EXPECT_NE(entry.path().filename(), "Game1.hrs") << "a table written into the install";
}

TEST_F(InstalledGame, AClassroomSharesOneTableButNeitherNamesNorAnswers)
{
    // Everyone here keeps their files to themselves (umask 077). The teacher
    // (root) makes a folder with the class's group and sets it up once.
    const mode_t umaskBefore = ::umask(077);
    const fs::path shared = root_ / "class";
    fs::create_directories(shared);
    ASSERT_EQ(::chown(shared.c_str(), 0, Nobody), 0);
    fs::permissions(shared, fs::perms(02755));
    const std::vector<std::string> classroom{"--shared-folder", shared.string()};
    ASSERT_EQ(RunToEnd({Launcher(), "--shared-folder", shared.string(), "--set-up"}, {"PATH=/usr/bin:/bin"}),
              0);
    ASSERT_TRUE(fs::is_regular_file(shared / "Maze" / "Images" / "Road.bmp"));
    EXPECT_EQ(OwnerOf(shared / "Maze" / "Game1"), 0u); // not the pupils' files
    EXPECT_EQ(fs::status(shared / "Maze").permissions(), fs::perms(03775));

    // Two pupils of the class, each with a folder of their own.
    const Pupil ann = MakePupil(Nobody, "Ann");
    const Pupil bo = MakePupil(4242, "Bo");
    FirstStart(ann, classroom);
    FirstStart(bo, classroom);
    PlayAGame(ann, classroom);
    PlayAGame(bo, classroom);

    const std::string text = Slurp(shared / "Maze" / "Game1.hrs");
    EXPECT_NE(text.find("Ann "), std::string::npos) << text;
    EXPECT_NE(text.find("Bo "), std::string::npos) << text;
    EXPECT_FALSE(fs::exists(ann.playing() / "Maze" / "Game1.hrs"));
    // Names and answers stay with each pupil.
    EXPECT_FALSE(fs::exists(shared / "Gamer.nam"));
    EXPECT_EQ(Slurp(ann.playing() / "Gamer.nam"), "Ann");
    EXPECT_EQ(Slurp(bo.playing() / "Gamer.nam"), "Bo");
    for (const Pupil* p : {&ann, &bo}) {
        const std::string log = Slurp(p->home / "quiz.log");
        EXPECT_EQ(log.rfind((p->playing() / "Quiz").string(), 0), 0u) << log;
    }

    // A game of Bo's in the teacher's place is never started for Ann.
    ASSERT_EQ(::chown((shared / "Maze" / "Game1").c_str(), bo.uid, Nobody), 0);
    std::string said;
    EXPECT_EQ(RunSaying(Command(ann, classroom), Environment(ann), ann.home / "said", said), 1);
    EXPECT_NE(said.find("Maze/Game1 belongs to neither the folder's owner nor root"), std::string::npos)
        << said;
    EXPECT_NE(said.find("zorbik --shared-folder " + shared.string() + " --set-up"), std::string::npos)
        << said;
    ::umask(umaskBefore);
}

} // namespace
} // namespace zorbik::testing
