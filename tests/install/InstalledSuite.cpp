#include "InstalledSuite.h"

#include <QImage>

#include <cstdio>
#include <fcntl.h>
#include <pwd.h>
#include <set>
#include <unistd.h>

namespace zorbik::testing {

void InstalledSuite::SetUpTestSuite()
{
    if (::geteuid() != 0)
        return;
    root_ = fs::path("/srv") / ("zorbik-installed-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_);
    fs::permissions(root_, fs::perms(0755));
    installed_ = Run({ZORBIK_CMAKE, "--install", ZORBIK_BUILD_DIR, "--prefix", "/usr"},
                     {"DESTDIR=" + (root_ / "dest").string(), "PATH=/usr/bin:/bin"}) == 0;
    // The installed game has no test driver: the build folder's, which has
    // it, stands in for it, as the stand-in quiz does for the quiz.
    std::error_code copied;
    fs::copy_file(ZORBIK_SUITE_DIR "/Maze/Game1", Installed() / "Maze" / "Game1",
                  fs::copy_options::overwrite_existing, copied);
    installed_ = installed_ && !copied;
    group_ = "zkclass" + std::to_string(::getpid());
    writerGroup_ = "zkwriter" + std::to_string(::getpid());
    teacherGroup_ = "zkteach" + std::to_string(::getpid());
    for (const std::string& g : {group_, writerGroup_, teacherGroup_})
        Run({"/usr/sbin/groupadd", g}, {"PATH=/usr/sbin:/usr/bin:/bin"});
    // What the package's postinst does to the writer.
    installed_ = installed_ && Run({"/bin/chgrp", writerGroup_, ClassWriter().string()}, {}) == 0 &&
                 ::chmod(ClassWriter().c_str(), 02755) == 0;
    seed_ = FindSeed([](const GameDump& d) { return KeysTo(d, CellDoor).has_value(); });
}

void InstalledSuite::TearDown()
{
    for (const std::string& account : accounts_)
        Run({"/usr/sbin/userdel", account}, {"PATH=/usr/sbin:/usr/bin:/bin"});
    accounts_.clear();
}

void InstalledSuite::TearDownTestSuite()
{
    for (const std::string& g : {group_, writerGroup_, teacherGroup_})
        if (!g.empty())
            Run({"/usr/sbin/groupdel", g}, {"PATH=/usr/sbin:/usr/bin:/bin"});
    if (root_.empty())
        return;
    if (!::testing::UnitTest::GetInstance()->Failed())
        fs::remove_all(root_);
    else
        std::printf("The install and the players' homes are kept in %s\n", root_.c_str());
}

void InstalledSuite::SetUp()
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to install and to play as other users";
    ASSERT_TRUE(installed_) << "cmake --install failed";
    ASSERT_TRUE(fs::is_regular_file(Launcher()));
    ASSERT_NE(seed_, 0u);
}

fs::path InstalledSuite::Here()
{
    return root_ / ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

Pupil InstalledSuite::Account(const std::string& shown, const std::string& group)
{
    Pupil p;
    p.shown = shown;
    p.name = "zk" + std::to_string(::getpid()) + shown;
    for (char& c : p.name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    p.home = Here() / shown;
    fs::create_directories(p.home);
    fs::permissions(Here(), fs::perms(0755));
    EXPECT_EQ(Run({"/usr/sbin/useradd", "-M", "-N", "-g", group.empty() ? group_ : group, "-d",
                   p.home.string(), "-s", "/usr/sbin/nologin", p.name},
                  {"PATH=/usr/sbin:/usr/bin:/bin"}),
              0)
        << p.name;
    accounts_.push_back(p.name);
    const passwd* entry = ::getpwnam(p.name.c_str());
    p.uid = entry ? entry->pw_uid : 0;
    EXPECT_NE(p.uid, 0u);
    EXPECT_EQ(::chown(p.home.c_str(), p.uid, entry ? entry->pw_gid : 0), 0);
    fs::permissions(p.home, fs::perms(0700));
    return p;
}

std::vector<std::string> InstalledSuite::As(const Pupil& p, const std::vector<std::string>& argv)
{
    const passwd* entry = ::getpwnam(p.name.c_str());
    std::vector<std::string> whole{"/usr/bin/setpriv", "--reuid=" + p.name,
                                   "--regid=" + std::to_string(entry ? entry->pw_gid : 65534),
                                   "--init-groups"};
    whole.insert(whole.end(), argv.begin(), argv.end());
    return whole;
}

std::vector<std::string> InstalledSuite::Play(const Pupil& p, const std::vector<std::string>& extra)
{
    std::vector<std::string> argv{Launcher(), "--play", "--name", p.shown, "--topic", "lcm", "--no-sound"};
    argv.insert(argv.end(), extra.begin(), extra.end());
    return As(p, argv);
}

std::vector<std::string> InstalledSuite::Environment(const Pupil& p)
{
    return {"HOME=" + p.home.string(),
            "PATH=/usr/bin:/bin",
            "XDG_RUNTIME_DIR=" + p.home.string(),
            "QT_QPA_PLATFORM=offscreen",
            "ZORBIK_NO_AUDIO=1",
            "ZORBIK_TEST_DRIVER=1",
            "ZORBIK_TEST_SEED=" + std::to_string(seed_),
            "FAKE_QUIZ_VERDICT=1",
            "FAKE_QUIZ_JOURNAL=1",
            "FAKE_QUIZ_LOG=" + (p.home / "quiz.log").string()};
}

StandardErrorTo::StandardErrorTo(const fs::path& file) : saved_(::dup(STDERR_FILENO))
{
    std::fflush(stderr);
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    ::dup2(fd, STDERR_FILENO);
    ::close(fd);
}

StandardErrorTo::~StandardErrorTo()
{
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
}

int InstalledSuite::Run(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                        std::string* said)
{
    const fs::path through = fs::temp_directory_path() / ("zorbik-said-" + std::to_string(::getpid()));
    DrivenProgram program;
    int status = -1;
    {
        std::optional<StandardErrorTo> quiet;
        if (said)
            quiet.emplace(through);
        if (program.start(argv, env)) {
            program.closeInput(); // nothing drives it: a game ends at once
            status = program.wait(300000);
        }
    }
    if (said)
        *said = Slurp(through);
    fs::remove(through);
    return status;
}

void InstalledSuite::FirstStart(const Pupil& p, const std::vector<std::string>& extra)
{
    std::string said;
    ASSERT_EQ(Run(Play(p, extra), Environment(p), &said), 0) << said;
    const fs::path quiz = p.playing() / "Quiz" / "quiz";
    ASSERT_TRUE(fs::is_regular_file(quiz));
    fs::remove(quiz);
    fs::copy_file(fs::path(ZORBIK_TEST_BINARY_DIR) / "helpers" / "fake_quiz" / "fake_quiz", quiz);
    ASSERT_EQ(::chown(quiz.c_str(), p.uid, static_cast<gid_t>(-1)), 0);
}

void InstalledSuite::StartAGame(DrivenProgram& game, const Pupil& p, const std::vector<std::string>& extra)
{
    ASSERT_TRUE(game.start(Play(p, extra), Environment(p)));
    ASSERT_EQ(game.dump().size, 11) << "the game did not start for " << p.shown;
}

void InstalledSuite::EndAGame(DrivenProgram& game)
{
    game.send("answer yes");
    game.send("finish");
    EXPECT_EQ(game.dump().ended, 1);
}

bool InstalledSuite::OpenTheDoor(DrivenProgram& game, const GameDump& d)
{
    const auto keys = KeysTo(d, CellDoor);
    if (!keys)
        return false;
    game.send("answer ok");
    for (int key : *keys)
        game.send("key " + std::to_string(key));
    return true;
}

int InstalledSuite::PlayAGame(const Pupil& p, const std::vector<std::string>& extra)
{
    DrivenProgram game;
    StartAGame(game, p, extra);
    const GameDump d = game.dump();
    const fs::path shot = p.home / "start.png";
    game.send("shot " + shot.string());
    if (!OpenTheDoor(game, d))
        return -1;
    const GameDump atDoor = game.dump();
    EXPECT_EQ(atDoor.score, 100) << p.shown << ": the right answer did not count";
    EXPECT_EQ(atDoor.captions.size() >= 6 ? atDoor.captions[5] : "", "1");
    EndAGame(game);
    game.send("close");
    const int status = game.wait(30000);

    // A maze surface drawn from the pictures has many colours, a blank one a
    // single grey.
    const QImage picture(QString::fromStdString(shot.string()));
    EXPECT_FALSE(picture.isNull());
    std::set<QRgb> colours;
    for (int y = d.surfaceTop; !picture.isNull() && y < d.surfaceTop + d.surfaceHeight; y += 2)
        for (int x = d.surfaceLeft; x < d.surfaceLeft + d.surfaceWidth; x += 2)
            colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 20u) << p.shown << ": the maze surface shows no pictures";
    return status;
}

} // namespace zorbik::testing
