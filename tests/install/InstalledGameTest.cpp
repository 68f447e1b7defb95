// The suite as a pupil meets it: installed by root into a temporary DESTDIR,
// then played through the installed launcher's direct start by the
// unprivileged user "nobody" with a home folder of its own. The pictures
// must show, a right answer from a stand-in quiz must count, game over must
// write the table into the player's playing folder, and the next game must
// find it there. Needs root (for the install owner and setpriv).
#include "world/GameState.h"
#include "world/MazeGenerator.h"
#include "world/Random.h"

#include <QImage>
#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <poll.h>
#include <queue>
#include <set>
#include <spawn.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zorbik {
namespace {

namespace fs = std::filesystem;
constexpr uid_t Nobody = 65534;

// One program with its standard input and output on pipes.
class Driven {
  public:
    Driven(const std::vector<std::string>& argv, const std::vector<std::string>& env)
    {
        int in[2], out[2];
        if (::pipe(in) != 0 || ::pipe(out) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, in[1]);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        std::vector<std::string> a = argv, e = env;
        std::vector<char*> av, ev;
        for (auto& s : a)
            av.push_back(s.data());
        for (auto& s : e)
            ev.push_back(s.data());
        av.push_back(nullptr);
        ev.push_back(nullptr);
        if (posix_spawn(&pid_, av[0], &actions, nullptr, av.data(), ev.data()) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
        to_ = in[1];
        from_ = out[0];
    }
    ~Driven()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(to_);
        ::close(from_);
    }
    bool started() const { return pid_ > 0; }

    // Sends a driver command; the lines printed before its "done".
    std::vector<std::string> send(const std::string& command)
    {
        const std::string line = command + "\n";
        std::vector<std::string> lines;
        if (::write(to_, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
            return lines;
        for (std::string l; readLine(l) && l != "done";)
            lines.push_back(l);
        return lines;
    }
    // The exit status, or -1 when the program has not ended in time.
    int wait(int seconds)
    {
        ::close(to_);
        to_ = -1;
        for (int i = 0; i < seconds * 10; ++i) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            ::usleep(100000);
        }
        return -1;
    }

  private:
    bool readLine(std::string& line)
    {
        for (;;) {
            if (const auto end = buffer_.find('\n'); end != std::string::npos) {
                line = buffer_.substr(0, end);
                buffer_.erase(0, end + 1);
                return true;
            }
            pollfd p{from_, POLLIN, 0};
            char chunk[65536];
            if (::poll(&p, 1, 30000) <= 0)
                return false;
            const ssize_t n = ::read(from_, chunk, sizeof chunk);
            if (n <= 0)
                return false;
            buffer_.append(chunk, static_cast<size_t>(n));
        }
    }

    pid_t pid_ = -1;
    int to_ = -1, from_ = -1;
    std::string buffer_;
};

struct Dump {
    int size = 0, x = 0, y = 0, score = 0, ended = 0;
    int surfaceLeft = 0, surfaceTop = 0, surfaceWidth = 0, surfaceHeight = 0;
    std::vector<std::string> captions;
    MazeGrid maze{};
};

Dump ParseDump(const std::vector<std::string>& lines)
{
    Dump d;
    for (const std::string& l : lines) {
        std::istringstream in(l);
        std::string word, skip;
        in >> word;
        if (word == "state") {
            in >> skip >> d.size >> skip >> d.x >> d.y;
            while (in >> word)
                if (word == "score")
                    in >> d.score;
                else if (word == "ended")
                    in >> d.ended;
        } else if (word == "surface") {
            in >> d.surfaceLeft >> d.surfaceTop >> d.surfaceWidth >> d.surfaceHeight;
        } else if (word == "maze") {
            for (int x = 1; x <= d.size; ++x)
                for (int y = 1; y <= d.size; ++y) {
                    int v = 0;
                    in >> v;
                    d.maze[x][y] = static_cast<uint8_t>(v);
                }
        } else if (l.rfind("captions|", 0) == 0) {
            std::istringstream parts(l.substr(9));
            for (std::string c; std::getline(parts, c, '|');)
                d.captions.push_back(c);
        }
    }
    return d;
}

// The arrow keys of a shortest road path that ends by stepping onto a door.
std::optional<std::vector<int>> KeysToADoor(const MazeGrid& maze, int size, int fromX, int fromY)
{
    constexpr std::array<std::array<int, 3>, 4> steps{{{-1, 0, 37}, {1, 0, 39}, {0, -1, 38}, {0, 1, 40}}};
    std::array<std::array<int, GridSide>, GridSide> came{};
    for (auto& col : came)
        col.fill(-1);
    std::queue<std::pair<int, int>> queue;
    queue.push({fromX, fromY});
    came[fromX][fromY] = 4;
    while (!queue.empty()) {
        const auto [x, y] = queue.front();
        queue.pop();
        for (int k = 0; k < 4; ++k) {
            const int nx = x + steps[k][0], ny = y + steps[k][1];
            if (nx < 1 || ny < 1 || nx > size || ny > size || came[nx][ny] != -1)
                continue;
            if (maze[nx][ny] == CellDoor) {
                std::vector<int> keys{steps[k][2]};
                for (int cx = x, cy = y; came[cx][cy] != 4;) {
                    const int c = came[cx][cy];
                    keys.insert(keys.begin(), steps[c][2]);
                    cx -= steps[c][0];
                    cy -= steps[c][1];
                }
                return keys;
            }
            if (maze[nx][ny] == CellRoad || maze[nx][ny] == CellEnter) {
                came[nx][ny] = k;
                queue.push({nx, ny});
            }
        }
    }
    return std::nullopt;
}

// A first level whose door the player reaches over roads.
uint64_t SeedWithADoor()
{
    for (uint64_t seed = 1; seed < 20000; ++seed) {
        GameState s;
        s.Args = {"Game1", "Quiz/quiz", "LCM", "NOSOUND", "SHOWN"};
        s.MazeSize = 11;
        s.PlayerX = s.PlayerY = 2;
        s.PaintBoxWidth = s.PaintBoxHeight = 7 * CellSize;
        SeedRandom(seed);
        GenerateLevel(s);
        if (KeysToADoor(s.Maze, 11, 2, 2))
            return seed;
    }
    return 0;
}

int RunToEnd(const std::vector<std::string>& argv, const std::vector<std::string>& env)
{
    Driven program(argv, env);
    return program.started() ? program.wait(300) : -1;
}

std::string Slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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
        std::signal(SIGPIPE, SIG_IGN);
        root_ = fs::temp_directory_path() / ("zorbik-installed-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
        fs::permissions(root_, fs::perms(0755));
        installed_ = RunToEnd({ZORBIK_CMAKE, "--install", ZORBIK_BUILD_DIR, "--prefix", "/usr"},
                              {"DESTDIR=" + (root_ / "dest").string(), "PATH=/usr/bin:/bin"}) == 0;
        seed_ = SeedWithADoor();
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
        Driven game(Command(p, extra), Environment(p));
        ASSERT_TRUE(game.started());
        Dump d = ParseDump(game.send("dump"));
        ASSERT_EQ(d.size, 11) << "the game did not start for " << p.name;
        const fs::path shot = p.home / "start.png";
        game.send("shot " + shot.string());
        const auto keys = KeysToADoor(d.maze, d.size, d.x, d.y);
        ASSERT_TRUE(keys);
        game.send("answer ok");
        for (int key : *keys)
            game.send("key " + std::to_string(key));
        const Dump atDoor = ParseDump(game.send("dump"));
        EXPECT_EQ(atDoor.score, 100) << p.name << ": the right answer did not count";
        ASSERT_GE(atDoor.captions.size(), 6u);
        EXPECT_EQ(atDoor.captions[5], "1");
        game.send("answer yes");
        game.send("finish");
        EXPECT_EQ(ParseDump(game.send("dump")).ended, 1);
        game.send("shot " + (p.home / "over.png").string());
        game.send("close");
        EXPECT_EQ(game.wait(30), 0);

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
    EXPECT_NE(Slurp(ann.home / ".config" / "zorbik" / "zorbik.conf").find("name=Ann"), std::string::npos);

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
    // The teacher makes a folder for the class's group, with the group kept
    // for everything made inside, and starts the launcher once with it.
    const fs::path shared = root_ / "class";
    fs::create_directories(shared);
    ASSERT_EQ(::chown(shared.c_str(), 0, Nobody), 0);
    fs::permissions(shared, fs::perms(02775));
    const Pupil teacher = MakePupil(0, "Teacher");
    ASSERT_EQ(::chown(teacher.home.c_str(), 0, 0), 0);
    const std::vector<std::string> classroom{"--shared-folder", shared.string()};
    ASSERT_EQ(RunToEnd({Launcher(), "--play", "--name", "Teacher", "--shared-folder", shared.string()},
                       {"HOME=" + teacher.home.string(), "PATH=/usr/bin:/bin", "QT_QPA_PLATFORM=offscreen",
                        "ZORBIK_NO_AUDIO=1", "ZORBIK_TEST_DRIVER=1"}),
              0);
    ASSERT_TRUE(fs::is_regular_file(shared / "Maze" / "Images" / "Road.bmp"));
    EXPECT_EQ(OwnerOf(shared / "Maze" / "Images" / "Road.bmp"), 0u); // not the pupils' files

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
}

} // namespace
} // namespace zorbik
