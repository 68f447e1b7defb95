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

void OwnedByNobody(const fs::path& path)
{
    ASSERT_EQ(::chown(path.c_str(), Nobody, Nobody), 0) << path;
}

TEST(InstalledGame, PlayedByAPupilWhoCannotWriteTheInstall)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to install and to play as another user";
    std::signal(SIGPIPE, SIG_IGN);
    const fs::path root = fs::temp_directory_path() / ("zorbik-installed-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "home");
    fs::permissions(root, fs::perms(0755));
    OwnedByNobody(root / "home");
    fs::permissions(root / "home", fs::perms(0700));
    const fs::path dest = root / "dest";
    const fs::path home = root / "home";
    const fs::path playing = home / ".local" / "share" / "zorbik";

    // The install, as a package would lay it out under /usr.
    ASSERT_EQ(RunToEnd({ZORBIK_CMAKE, "--install", ZORBIK_BUILD_DIR, "--prefix", "/usr"},
                       {"DESTDIR=" + dest.string(), "PATH=/usr/bin:/bin"}),
              0);
    const std::string launcher = (dest / "usr" / "bin" / "zorbik").string();
    ASSERT_TRUE(fs::is_regular_file(launcher));
    ASSERT_TRUE(fs::is_regular_file(dest / "usr" / "lib" / "zorbik" / "Maze" / "Game1"));

    const uint64_t seed = SeedWithADoor();
    ASSERT_NE(seed, 0u);
    const std::vector<std::string> asNobody{
        "/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", launcher,
        "--play",           "--topic",       "lcm",           "--no-sound",     "--name"};
    const std::vector<std::string> env{
        "HOME=" + home.string(),     "PATH=/usr/bin:/bin",
        "QT_QPA_PLATFORM=offscreen", "ZORBIK_NO_AUDIO=1",
        "ZORBIK_TEST_DRIVER=1",      "ZORBIK_TEST_SEED=" + std::to_string(seed),
        "FAKE_QUIZ_VERDICT=1",       "FAKE_QUIZ_LOG=" + (home / "quiz.log").string()};

    // A first start lays out the playing folder; the game ends at once when
    // nothing drives it. Then the quiz there is swapped for the stand-in.
    {
        auto argv = asNobody;
        argv.push_back("Ann");
        ASSERT_EQ(RunToEnd(argv, env), 0);
    }
    ASSERT_TRUE(fs::is_regular_file(playing / "Maze" / "Game1"));
    ASSERT_TRUE(fs::is_regular_file(playing / "Maze" / "Images" / "Road.bmp"));
    EXPECT_EQ(Slurp(playing / "Gamer.nam"), "Ann");
    EXPECT_NE(Slurp(home / ".config" / "zorbik" / "zorbik.conf").find("name=Ann"), std::string::npos);
    fs::copy_file(fs::path(ZORBIK_TEST_BINARY_DIR) / "helpers" / "fake_quiz" / "fake_quiz",
                  playing / "Quiz" / "quiz", fs::copy_options::overwrite_existing);
    OwnedByNobody(playing / "Quiz" / "quiz");

    // Two games, each answering the door right, then leaving.
    Dump first;
    const auto play = [&](const std::string& name, const std::string& shot) {
        auto argv = asNobody;
        argv.push_back(name);
        Driven game(argv, env);
        ASSERT_TRUE(game.started());
        Dump d = ParseDump(game.send("dump"));
        ASSERT_EQ(d.size, 11) << "the game did not start for " << name;
        first = d;
        game.send("shot " + (home / shot).string());
        const auto keys = KeysToADoor(d.maze, d.size, d.x, d.y);
        ASSERT_TRUE(keys);
        game.send("answer ok");
        for (int key : *keys)
            game.send("key " + std::to_string(key));
        d = ParseDump(game.send("dump"));
        EXPECT_EQ(d.score, 100) << name << ": the right answer did not count";
        ASSERT_GE(d.captions.size(), 6u);
        EXPECT_EQ(d.captions[5], "1");
        game.send("answer yes");
        game.send("finish");
        EXPECT_EQ(ParseDump(game.send("dump")).ended, 1);
        game.send("shot " + (home / ("over-" + shot)).string());
        game.send("close");
        EXPECT_EQ(game.wait(30), 0);
    };
    play("Ann", "ann.png");

    // The pictures: a maze surface drawn from them has many colours, a
    // blank one a single grey.
    const QImage picture(QString::fromStdString((home / "ann.png").string()));
    ASSERT_FALSE(picture.isNull());
    ASSERT_GT(first.surfaceWidth, 0);
    std::set<QRgb> colours;
    for (int y = first.surfaceTop; y < first.surfaceTop + first.surfaceHeight; y += 2)
        for (int x = first.surfaceLeft; x < first.surfaceLeft + first.surfaceWidth; x += 2)
            colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 20u) << "the maze surface shows no pictures";

    const fs::path table = playing / "Maze" / "Game1.hrs";
    std::string text = Slurp(table);
    EXPECT_NE(text.find("Ann "), std::string::npos) << text;
    struct stat st {};
    ASSERT_EQ(::stat(table.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, Nobody);

    play("Bo", "bo.png");
    text = Slurp(table);
    EXPECT_NE(text.find("Ann "), std::string::npos) << "the second game lost the first one's line:\n" << text;
    EXPECT_NE(text.find("Bo "), std::string::npos) << text;
    // Nothing was written into the install.
    for (const auto& entry : fs::recursive_directory_iterator(dest))
        EXPECT_NE(entry.path().filename(), "Game1.hrs");
    if (HasFailure())
        std::printf("The install and the player's home are kept in %s\n", root.c_str());
    else
        fs::remove_all(root);
}

} // namespace
} // namespace zorbik
