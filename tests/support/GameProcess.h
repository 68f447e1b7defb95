// Starts a program on pipes with the game's test driver switched on, sends it
// commands and reads back what it printed: the built game in a suite folder
// of its own, or any program that starts it (the installed launcher).
#pragma once

#include "world/GameState.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace zorbik::testing {

// The game's state as the driver's "dump" prints it.
struct GameDump {
    int size = 0, playerX = 0, playerY = 0;
    int viewLeft = 0, viewRight = 0, viewTop = 0, viewBottom = 0;
    int score = 0, health = 0, inPlay = 0, paused = 0, ended = 0, torch = 0, seconds = 0;
    int surfaceLeft = 0, surfaceTop = 0, surfaceWidth = 0, surfaceHeight = 0; // the maze surface's pixels
    std::vector<std::string> args;     // the game's own command-line words, program path left out
    std::vector<std::string> captions; // ScoreBox, TimeBox, TimeText, StaticText1..3
    MazeGrid maze{};
    std::vector<CellRecord> items, enemies;
};

// One program with its standard input and output on pipes.
class DrivenProgram {
  public:
    DrivenProgram() = default;
    DrivenProgram(const DrivenProgram&) = delete;
    DrivenProgram& operator=(const DrivenProgram&) = delete;
    ~DrivenProgram();

    // argv[0] is the program's path, env its whole environment.
    bool start(const std::vector<std::string>& argv, const std::vector<std::string>& env);
    // Sends one command and returns every line printed before its "done".
    std::vector<std::string> send(const std::string& command);
    GameDump dump();
    // Ends the program's input, as a test that has gone would.
    void closeInput();
    // Waits for the program to end; its exit status, or -1 on a time-out.
    int wait(int timeoutMs);

  private:
    bool readLine(std::string& line, int timeoutMs);

    pid_t pid_ = -1;
    int in_ = -1, out_ = -1;
    std::string buffer_;
};

class GameProcess : public DrivenProgram {
  public:
    // Copies the built game and the stand-in quiz into a fresh suite folder.
    explicit GameProcess(const std::string& suiteFolder);

    // The game with these words, in the test's environment with `env` added.
    bool start(const std::vector<std::string>& args, const std::vector<std::string>& env);
    const std::string& suite() const { return suite_; }

  private:
    std::string suite_;
};

constexpr int KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40;
// Each step's x and y offset and its arrow key.
constexpr std::array<std::array<int, 3>, 4> Steps{
    {{-1, 0, KeyLeft}, {1, 0, KeyRight}, {0, -1, KeyUp}, {0, 1, KeyDown}}};

inline bool Open(const GameDump& d, int x, int y)
{
    return d.maze[x][y] == CellRoad || d.maze[x][y] == CellEnter;
}

// Shortest road path from the player to a cell next to one for which `goal`
// holds; the arrow keys to walk it, the last one stepping onto the goal.
std::optional<std::vector<int>> KeysTowards(const GameDump& d, const std::function<bool(int, int)>& goal);
// The same for the nearest cell holding `code`.
inline std::optional<std::vector<int>> KeysTo(const GameDump& d, int code)
{
    return KeysTowards(d, [&](int x, int y) { return d.maze[x][y] == code; });
}

// A seed whose first level (player at 2,2) is `playable`, or 0.
uint64_t FindSeed(const std::function<bool(const GameDump&)>& playable);

} // namespace zorbik::testing
