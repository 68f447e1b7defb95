#include "GameProcess.h"

#include "world/MazeGenerator.h"
#include "world/Random.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <poll.h>
#include <queue>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zorbik::testing {

namespace fs = std::filesystem;

GameProcess::GameProcess(const std::string& suiteFolder) : suite_(suiteFolder)
{
    fs::remove_all(suite_);
    fs::create_directories(suite_ + "/Maze");
    fs::create_directories(suite_ + "/Quiz");
    const fs::path game = fs::path(ZORBIK_SUITE_DIR) / "Maze";
    fs::copy_file(game / "Game1", suite_ + "/Maze/Game1");
    for (const char* folder : {"Images", "Sounds"})
        if (fs::exists(game / folder))
            fs::copy(game / folder, suite_ + "/Maze/" + folder, fs::copy_options::recursive);
    fs::copy_file(fs::path(ZORBIK_TEST_BINARY_DIR) / "helpers" / "fake_quiz" / "fake_quiz",
                  suite_ + "/Quiz/fake_quiz");
}

DrivenProgram::~DrivenProgram()
{
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (in_ >= 0)
        close(in_);
    if (out_ >= 0)
        close(out_);
}

bool GameProcess::start(const std::vector<std::string>& args, const std::vector<std::string>& env)
{
    std::vector<std::string> argv{suite_ + "/Maze/Game1"}, whole;
    argv.insert(argv.end(), args.begin(), args.end());
    for (char** e = environ; *e; ++e)
        whole.emplace_back(*e);
    whole.insert(whole.end(), env.begin(), env.end());
    return DrivenProgram::start(argv, whole);
}

bool DrivenProgram::start(const std::vector<std::string>& args, const std::vector<std::string>& env)
{
    // A program that has ended must not take the test down with it.
    signal(SIGPIPE, SIG_IGN);
    int toGame[2], fromGame[2];
    if (pipe(toGame) != 0 || pipe(fromGame) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toGame[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromGame[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, toGame[1]);
    posix_spawn_file_actions_addclose(&actions, fromGame[0]);
    std::vector<std::string> argStore = args, envStore = env;
    std::vector<char*> argv, envp;
    for (auto& a : argStore)
        argv.push_back(a.data());
    for (auto& e : envStore)
        envp.push_back(e.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);

    const int rc = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(toGame[0]);
    close(fromGame[1]);
    in_ = toGame[1];
    out_ = fromGame[0];
    if (rc != 0)
        pid_ = -1;
    return rc == 0;
}

bool DrivenProgram::readLine(std::string& line, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const size_t end = buffer_.find('\n');
        if (end != std::string::npos) {
            line = buffer_.substr(0, end);
            buffer_.erase(0, end + 1);
            return true;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now())
                .count();
        if (left <= 0)
            return false;
        pollfd p{out_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left)) <= 0)
            continue;
        char chunk[65536];
        const ssize_t n = read(out_, chunk, sizeof chunk);
        if (n <= 0)
            return false;
        buffer_.append(chunk, static_cast<size_t>(n));
    }
}

std::vector<std::string> DrivenProgram::send(const std::string& command)
{
    const std::string text = command + "\n";
    if (write(in_, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        return {"<write failed>"};
    std::vector<std::string> lines;
    std::string line;
    while (readLine(line, 30000)) {
        if (line == "done")
            return lines;
        lines.push_back(line);
    }
    lines.push_back("<no answer>");
    return lines;
}

GameDump DrivenProgram::dump()
{
    GameDump d;
    for (const std::string& line : send("dump")) {
        std::istringstream in(line);
        std::string head, word;
        in >> head;
        if (head == "state") {
            in >> word >> d.size >> word >> d.playerX >> d.playerY >> word >> d.viewLeft >> d.viewRight >>
                d.viewTop >> d.viewBottom >> word >> d.score >> word >> d.health >> word >> d.inPlay >>
                word >> d.paused >> word >> d.ended >> word >> d.torch >> word >> d.seconds;
        } else if (line.rfind("captions|", 0) == 0 || line.rfind("args|", 0) == 0) {
            auto& words = line[0] == 'a' ? d.args : d.captions;
            std::istringstream parts(line.substr(line.find('|') + 1));
            for (std::string c; std::getline(parts, c, '|');)
                words.push_back(c);
        } else if (head == "surface") {
            in >> d.surfaceLeft >> d.surfaceTop >> d.surfaceWidth >> d.surfaceHeight;
        } else if (head == "maze") {
            for (int x = 1; x <= d.size; ++x)
                for (int y = 1; y <= d.size; ++y) {
                    int v = 0;
                    in >> v;
                    d.maze[x][y] = static_cast<uint8_t>(v);
                }
        } else if (head == "items" || head == "enemies") {
            auto& list = head == "items" ? d.items : d.enemies;
            for (int x, y, k; in >> x >> y >> k;)
                list.push_back(CellRecord{uint8_t(x), uint8_t(y), uint8_t(k)});
        }
    }
    return d;
}

void DrivenProgram::closeInput()
{
    if (in_ >= 0)
        close(in_);
    in_ = -1;
}

int DrivenProgram::wait(int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        const pid_t r = waitpid(pid_, &status, WNOHANG);
        if (r == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        usleep(20000);
    }
    return -1;
}

std::optional<std::vector<int>> KeysTowards(const GameDump& d, const std::function<bool(int, int)>& goal)
{
    constexpr int Start = 4, Unseen = -1;
    std::array<std::array<int, GridSide>, GridSide> from{};
    for (auto& col : from)
        col.fill(Unseen);
    std::queue<std::pair<int, int>> queue;
    queue.push({d.playerX, d.playerY});
    from[d.playerX][d.playerY] = Start;
    while (!queue.empty()) {
        auto [x, y] = queue.front();
        queue.pop();
        for (int k = 0; k < 4; ++k) {
            const int nx = x + Steps[k][0], ny = y + Steps[k][1];
            if (nx < 1 || ny < 1 || nx > d.size || ny > d.size || from[nx][ny] != Unseen)
                continue;
            if (goal(nx, ny)) {
                std::vector<int> keys{Steps[k][2]};
                for (int cx = x, cy = y; from[cx][cy] != Start;) {
                    const int came = from[cx][cy];
                    keys.push_back(Steps[came][2]);
                    cx -= Steps[came][0];
                    cy -= Steps[came][1];
                }
                std::reverse(keys.begin(), keys.end());
                return keys;
            }
            if (Open(d, nx, ny)) {
                from[nx][ny] = k;
                queue.push({nx, ny});
            }
        }
    }
    return std::nullopt;
}

uint64_t FindSeed(const std::function<bool(const GameDump&)>& playable)
{
    for (uint64_t seed = 1; seed < 20000; ++seed) {
        GameState s;
        s.MazeSize = 11;
        s.PlayerX = s.PlayerY = 2;
        s.PaintBoxWidth = s.PaintBoxHeight = 7 * CellSize;
        SeedRandom(seed);
        GenerateLevel(s);
        GameDump d;
        d.size = 11;
        d.playerX = d.playerY = 2;
        d.maze = s.Maze;
        if (playable(d))
            return seed;
    }
    return 0;
}

} // namespace zorbik::testing
