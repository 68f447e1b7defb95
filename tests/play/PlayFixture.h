// A hand-drawn maze and a scripted window for the play tests.
//
// Characters: '#' wall, '.' road, 'E' entrance, 'X' exit, 'D' door,
// '@' the player on a road, '~' a hidden road, '%' a hidden wall,
// items 'g' gold, 'm' money, 'd' diamond, 't' torch, 'f' first-aid kit,
// enemies 'h' hare, 'w' wolf, 'o' fox, 'b' bear.
#pragma once

#include "play/PlayerMoves.h"
#include "tests/support/ScriptedHost.h"
#include "world/GameState.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <algorithm>
#include <string>
#include <vector>

namespace zorbik::testing {

inline void DrawMaze(GameState& s, const std::vector<std::string>& rows)
{
    const int n = static_cast<int>(rows.size());
    s.Maze = MazeGrid{};
    s.ItemList = RecordList{};
    s.EnemyList = RecordList{};
    s.ItemCount = 0;
    s.EnemyCount = 0;
    s.MazeSize = n;
    for (int y = 1; y <= n; ++y) {
        const std::string& row = rows[y - 1];
        EXPECT_EQ(static_cast<int>(row.size()), n) << "row " << y;
        for (int x = 1; x <= n && x <= static_cast<int>(row.size()); ++x) {
            uint8_t& cell = s.Maze[x][y];
            const auto item = [&](uint8_t kind) {
                cell = CellItem;
                s.ItemList[++s.ItemCount] = {uint8_t(x), uint8_t(y), kind};
            };
            const auto enemy = [&](uint8_t kind) {
                cell = CellEnemy;
                s.EnemyList[++s.EnemyCount] = {uint8_t(x), uint8_t(y), kind};
            };
            switch (row[x - 1]) {
            case '#':
                cell = CellBrick;
                break;
            case '.':
                cell = CellRoad;
                break;
            case 'E':
                cell = CellEnter;
                break;
            case 'X':
                cell = CellExit;
                break;
            case 'D':
                cell = CellDoor;
                break;
            case '@':
                cell = CellRoad;
                s.PlayerX = x;
                s.PlayerY = y;
                break;
            case '~':
                cell = CellRoad + HiddenMark;
                break;
            case '%':
                cell = CellBrick + HiddenMark;
                break;
            case 'g':
                item(Gold);
                break;
            case 'm':
                item(Money);
                break;
            case 'd':
                item(Diamond);
                break;
            case 't':
                item(Torch);
                break;
            case 'f':
                item(FirstAid);
                break;
            case 'h':
                enemy(Hare);
                break;
            case 'w':
                enemy(Wolf);
                break;
            case 'o':
                enemy(Fox);
                break;
            case 'b':
                enemy(Bear);
                break;
            default:
                ADD_FAILURE() << "unknown maze character " << row[x - 1];
            }
        }
    }
}

// The whole maze in view (up to 20 cells), play running.
inline void ShowWholeMaze(GameState& s)
{
    const int side = std::min(s.MazeSize, MaxViewCells);
    s.ViewLeft = 1;
    s.ViewTop = 1;
    s.ViewRight = side;
    s.ViewBottom = side;
    s.PaintBoxWidth = side * CellSize;
    s.PaintBoxHeight = side * CellSize;
}

class PlayTest : public ::testing::Test {
  protected:
    GameState s;
    ScriptedHost host{s};

    void SetUp() override
    {
        s.Health = 100;
        s.InPlay = 1;
        s.Paused = 0;
        s.WindowWidth = 1024;
        s.ClientHeight = 768;
        s.Args = {"Game1", "quiz", "topic", "SOUND", "OPEN"};
        // A game that ends writes its high-score table beside the game.
        s.ExePath = (std::filesystem::temp_directory_path() / "zorbik_play_tests" / "Game1").string();
        std::filesystem::create_directories(std::filesystem::path(s.ExePath).parent_path());
    }

    void Load(const std::vector<std::string>& rows)
    {
        DrawMaze(s, rows);
        ShowWholeMaze(s);
    }

    // Press and release in the middle of maze cell (x, y).
    void Click(int x, int y)
    {
        const int px = (x - s.ViewLeft) * CellSize + 40;
        const int py = (y - s.ViewTop) * CellSize + 40;
        s.ClickX = px;
        s.ClickY = py;
        PaintBox1MouseUp(s, host, px, py);
    }

    bool Saw(const std::string& call) const
    {
        return std::find(host.calls.begin(), host.calls.end(), call) != host.calls.end();
    }
};

} // namespace zorbik::testing
