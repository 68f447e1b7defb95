#include "LevelClock.h"

#include "Announcements.h"
#include "CellEvents.h"
#include "MazeRepaint.h"
#include "desktop/FilledText.h"
#include "world/Random.h"

#include <QCoreApplication>

#include <algorithm>

namespace zorbik {

namespace {

enum Direction { StepLeft = 0, StepRight = 1, StepUp = 2, StepDown = 3, NoStep = 4 };

constexpr int DirX[5] = {-1, 1, 0, 0, 0};
constexpr int DirY[5] = {0, 0, -1, 1, 0};

// An enemy steps only onto road, seen or not, inside the maze. Every other
// content blocks: walls, doors, items, the entrance, the exit and the marks
// of enemies where they stood at the start of the tick.
bool FreeForEnemy(const GameState& s, int x, int y)
{
    if (x < 1 || y < 1 || x > s.MazeSize || y > s.MazeSize || x >= GridSide || y >= GridSide)
        return false;
    return s.Maze[x][y] % 100 == CellRoad;
}

void StepBack(CellRecord& enemy, int dir)
{
    enemy.x = static_cast<uint8_t>(enemy.x - DirX[dir]);
    enemy.y = static_cast<uint8_t>(enemy.y - DirY[dir]);
}

// Enemy k has reached the player after a step in direction dir; the ScoreBox
// shows the outcome and play goes on unless the game ended.
Meeting Meet(GameState& s, const Host& host, int32_t k, int dir)
{
    s.Paused = 1;
    CellRecord cameFrom = s.EnemyList[k];
    StepBack(cameFrom, dir);
    const Meeting m = MeetEnemy(s, host, s.EnemyList[k], k, cameFrom);
    if (m != Meeting::GameEnded) {
        host.panel.setCaption(Widget::ScoreBox, std::to_string(s.Score));
        s.Paused = 0;
    }
    return m;
}

void RewriteEnemyMarks(GameState& s)
{
    const int n = std::clamp(s.MazeSize, 0, GridSide - 1);
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            if (s.Maze[x][y] % 100 == CellEnemy)
                s.Maze[x][y] = static_cast<uint8_t>(s.Maze[x][y] - CellEnemy);
    const int32_t count = std::clamp(s.EnemyCount, 0, ListRoom);
    for (int32_t k = 1; k <= count; ++k) {
        if (s.EnemyList[k].x >= GridSide || s.EnemyList[k].y >= GridSide)
            continue;
        uint8_t& cell = s.Maze[s.EnemyList[k].x][s.EnemyList[k].y];
        if (cell <= 255 - CellEnemy)
            cell = static_cast<uint8_t>(cell + CellEnemy);
    }
}

} // namespace

std::string ClockText(int32_t seconds)
{
    const int32_t m = seconds / 60;
    const int32_t sec = seconds % 60;
    const std::string twoDigits = (sec >= 10 ? "" : "0") + std::to_string(sec);
    return Filled(QCoreApplication::translate("Game", "%1 m %2 s", "minutes and seconds on the level clock"),
                  m, twoDigits);
}

void Timer1Timer(GameState& s, const Host& host)
{
    if (s.GameEnded || s.Paused || !s.InPlay)
        return;

    // The enemies walk in list order; a beaten enemy's place is taken by the
    // next one, which then still gets its turn.
    int32_t k = 1;
    while (k <= std::min(s.EnemyCount, ListRoom)) {
        CellRecord& enemy = s.EnemyList[k];
        int dir = NoStep;
        const int draw = Random(4);
        if (FreeForEnemy(s, enemy.x + DirX[draw], enemy.y + DirY[draw])) {
            dir = draw;
            enemy.x = static_cast<uint8_t>(enemy.x + DirX[dir]);
            enemy.y = static_cast<uint8_t>(enemy.y + DirY[dir]);
        }
        if (enemy.x == s.PlayerX && enemy.y == s.PlayerY) {
            const Meeting m = Meet(s, host, k, dir);
            if (m == Meeting::GameEnded)
                return;
            if (m == Meeting::EnemyBeaten)
                continue;
        }
        ++k;
    }

    RewriteEnemyMarks(s);
    s.LevelSeconds = std::min(s.LevelSeconds + 1, MaxLevelSeconds);
    host.panel.setCaption(Widget::TimeBox, ClockText(s.LevelSeconds));
    AnnounceMinute(host, s.LevelSeconds);
    PaintMazeNow(s, host);
}

} // namespace zorbik
