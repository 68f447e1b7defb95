// Starts the real game in a test suite folder with the test driver switched
// on, sends it commands and reads back what it printed.
#pragma once

#include "world/GameState.h"

#include <string>
#include <sys/types.h>
#include <vector>

namespace zorbik::testing {

// The game's state as the driver's "dump" prints it.
struct GameDump {
    int size = 0, playerX = 0, playerY = 0;
    int viewLeft = 0, viewRight = 0, viewTop = 0, viewBottom = 0;
    int score = 0, health = 0, inPlay = 0, paused = 0, ended = 0, torch = 0, seconds = 0;
    std::vector<std::string> args;     // the game's own command-line words, program path left out
    std::vector<std::string> captions; // ScoreBox, TimeBox, TimeText, StaticText1..3
    MazeGrid maze{};
    std::vector<CellRecord> items, enemies;
};

class GameProcess {
  public:
    // Copies the built game and the stand-in quiz into a fresh suite folder.
    explicit GameProcess(const std::string& suiteFolder);
    ~GameProcess();

    bool start(const std::vector<std::string>& args, const std::vector<std::string>& env);
    // Sends one command and returns every line printed before its "done".
    std::vector<std::string> send(const std::string& command);
    GameDump dump();
    // Waits for the process to end; its exit status, or -1 on a time-out.
    int wait(int timeoutMs);

    const std::string& suite() const { return suite_; }

  private:
    bool readLine(std::string& line, int timeoutMs);

    std::string suite_;
    pid_t pid_ = -1;
    int in_ = -1, out_ = -1;
    std::string buffer_;
};

} // namespace zorbik::testing
