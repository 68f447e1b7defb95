// The whole state of one game: the maze grid, the item, enemy and route
// lists, the player, the level clock, the flags and the viewport. Every
// handler of the main window works on the one record that the window owns;
// tests build their own.
#pragma once

#include "common/Protocol.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zorbik {

constexpr int CellSize = 80;     // pixels per cell on the maze surface
constexpr int GridSide = 61;     // the grid holds x, y = 0..60
constexpr int MaxMazeSize = 59;  // the last level's side
constexpr int MaxViewCells = 20; // the visible window never holds more cells in a direction

// Cell codes of the grid.
constexpr uint8_t CellRoad = 0;
constexpr uint8_t CellBrick = 1;
constexpr uint8_t CellEnter = 2;
constexpr uint8_t CellExit = 3;
constexpr uint8_t CellDoor = 4;
constexpr uint8_t CellItem = 5;
constexpr uint8_t CellEnemy = 6;
constexpr uint8_t HiddenMark = 100; // added to a code while the cell is unseen

// Item kinds.
constexpr uint8_t Gold = 1;
constexpr uint8_t Money = 2;
constexpr uint8_t Diamond = 3;
constexpr uint8_t Torch = 4;
constexpr uint8_t FirstAid = 5;

// Enemy kinds.
constexpr uint8_t Hare = 1;
constexpr uint8_t Wolf = 2;
constexpr uint8_t Fox = 3;
constexpr uint8_t Bear = 4;

struct CellRecord {
    uint8_t x = 0;
    uint8_t y = 0;
    uint8_t kind = 0;
};

bool operator==(const CellRecord& a, const CellRecord& b);

// Items and enemies: records numbered from 1; place 0 is never used.
constexpr int ListRoom = 250;
using RecordList = std::array<CellRecord, ListRoom + 1>;

// A route crosses distinct cells of the visible window (at most 20 x 20),
// and a failed branch clears the record after its last cell, so 401 places
// after place 0 are always enough.
constexpr int RouteRoom = MaxViewCells * MaxViewCells + 1;
using RouteList = std::array<CellRecord, RouteRoom + 1>;

using MazeGrid = std::array<std::array<uint8_t, GridSide>, GridSide>; // [x][y]

struct GameState {
    // The maze and what lies in it.
    MazeGrid Maze{};
    RecordList ItemList{};
    int32_t ItemCount = 0;
    RecordList EnemyList{};
    int32_t EnemyCount = 0;

    // The path of the current move.
    RouteList Route{};
    int32_t RouteLength = 0;
    uint8_t RouteFound = 0;

    // Player and level.
    int32_t PlayerX = 0;
    int32_t PlayerY = 0;
    int32_t MazeSize = 0;
    int32_t Score = 0;
    int32_t Health = 0;
    int32_t LevelSeconds = 0;
    int32_t ClickX = 0;
    int32_t ClickY = 0;

    // The visible window of the maze (inclusive bounds).
    int32_t ViewLeft = 0;
    int32_t ViewRight = 0;
    int32_t ViewTop = 0;
    int32_t ViewBottom = 0;

    // Flags, 0 or 1.
    uint8_t FirstShow = 0;
    uint8_t InPlay = 0;
    uint8_t Paused = 0;
    uint8_t HasTorch = 0;
    // Set once the game has ended; from then on nothing but the close button acts.
    uint8_t GameEnded = 0;
    // The exit status the game ends with: whether game over kept its line in
    // the high-score table (GameEndedSaved and the others of the suite's
    // protocol).
    int32_t EndStatus = 0;

    // Texts.
    std::string GamerName;
    std::string QuizTopic;
    std::string LastSoundFile;

    // The command line as the host gave it: Args[0] is the program itself,
    // Args[1..4] the quiz program, topic, sound switch and maze visibility.
    std::vector<std::string> Args;
    // The absolute path of the running game executable; the pictures, sounds
    // and the high-score file are found beside it.
    std::string ExePath;
    // The path the game was started under (argument 0 made absolute); the
    // suite folder with the name file and the quiz program follows from it.
    std::string ProgramPath;

    // The main window's width and client height once it covers the screen.
    int32_t WindowWidth = 0;
    int32_t ClientHeight = 0;

    // The maze surface as FitMazeView laid it out, in pixels of the window.
    int32_t PaintBoxLeft = 0;
    int32_t PaintBoxTop = 0;
    int32_t PaintBoxWidth = 0;
    int32_t PaintBoxHeight = 0;

    // Expected seconds per level, looked up with MazeSize div 6.
    std::array<int32_t, 11> LevelTimeNorm{0, 20, 53, 100, 165, 245, 340, 450, 580, 730, 900};

    // Command-line argument i, or the empty text when it was not given.
    const std::string& Arg(size_t i) const;
    bool SoundOff() const { return Arg(3) == SoundOffWord; }
    bool HiddenMode() const { return Arg(4) == MazeHiddenWord; }
};

// Removes record `index` (1-based) from a list of `count` records: every
// later record moves down one place, the former last place becomes (0, 0, 0)
// and the count drops by one.
void RemoveRecord(RecordList& list, int32_t& count, int32_t index);

// The place of the last of records 1..count lying on (x, y), or 0 when none
// does: where several records share a cell, the last one counts.
int32_t LastRecordAt(const RecordList& list, int32_t count, int x, int y);

// The kind of that record, or 0 when none lies on (x, y).
uint8_t LastKindAt(const RecordList& list, int32_t count, int x, int y);

} // namespace zorbik
