#include "PlayerMoves.h"

#include "CellEvents.h"
#include "MazeRepaint.h"
#include "RouteSearch.h"

#include "world/ViewCodes.h"

#include <QCoreApplication>

#include <algorithm>
#include <string>

namespace zorbik {

namespace {

constexpr uint8_t Reached = 2;
constexpr int OpenStepPause = 33;    // ms before each step to a road
constexpr int TargetStepPause = 100; // ms before each step towards an exit, door, item or enemy

int WindowColumns(const GameState& s)
{
    return std::clamp(s.ViewRight - s.ViewLeft + 1, 0, MaxViewCells);
}

int WindowRows(const GameState& s)
{
    return std::clamp(s.ViewBottom - s.ViewTop + 1, 0, MaxViewCells);
}

// The view code of a window cell, with the entrance open like a road.
uint8_t ReachCode(const GameState& s, int x, int y)
{
    const uint8_t code = CellViewCode(s, x, y);
    return code == CellEnter ? CellRoad : code;
}

int CountReached(const ReachGrid& g, int w, int h)
{
    int n = 0;
    for (int i = 1; i <= w; ++i)
        for (int j = 1; j <= h; ++j)
            n += g[i][j] == Reached;
    return n;
}

uint8_t At(const ReachGrid& g, int i, int j)
{
    return (i >= 0 && i < ReachSide && j >= 0 && j < ReachSide) ? g[i][j] : 0;
}

void ClearHidden(GameState& s, int x, int y)
{
    if (x >= 1 && x < GridSide && y >= 1 && y < GridSide)
        s.Maze[x][y] = static_cast<uint8_t>(s.Maze[x][y] % 100);
}

void FakeRelease(GameState& s, const Host& host, int dx, int dy)
{
    if (s.GameEnded)
        return;
    s.ClickX = (s.PlayerX - s.ViewLeft + dx) * CellSize;
    s.ClickY = (s.PlayerY - s.ViewTop + dy) * CellSize;
    PaintBox1MouseUp(s, host, s.ClickX, s.ClickY);
}

} // namespace

ReachGrid FillReachGrid(const GameState& s)
{
    ReachGrid g{};
    const int w = WindowColumns(s);
    const int h = WindowRows(s);
    for (int i = 1; i <= w; ++i)
        for (int j = 1; j <= h; ++j)
            g[i][j] = ReachCode(s, s.ViewLeft + i - 1, s.ViewTop + j - 1);

    // The player's cell is the seed whatever it holds (the player may stand
    // on an opened door).
    const int pi = s.PlayerX - s.ViewLeft + 1;
    const int pj = s.PlayerY - s.ViewTop + 1;
    if (pi < 1 || pi > w || pj < 1 || pj > h)
        return g;
    g[pi][pj] = Reached;

    int before = 1;
    for (;;) {
        for (int i = 1; i <= w; ++i)
            for (int j = 1; j <= h; ++j) {
                if (g[i][j] != Reached)
                    continue;
                if (i < w && g[i + 1][j] == 0)
                    g[i + 1][j] = Reached;
                if (i > 1 && g[i - 1][j] == 0)
                    g[i - 1][j] = Reached;
                if (j < h && g[i][j + 1] == 0)
                    g[i][j + 1] = Reached;
                if (j > 1 && g[i][j - 1] == 0)
                    g[i][j - 1] = Reached;
            }
        const int now = CountReached(g, w, h);
        if (now == before)
            break;
        before = now;
    }
    return g;
}

void RevealAround(GameState& s)
{
    const int reach = s.HasTorch == 1 ? 2 : 1;
    for (int dx = -reach; dx <= reach; ++dx)
        for (int dy = -reach; dy <= reach; ++dy)
            ClearHidden(s, s.PlayerX + dx, s.PlayerY + dy);
}

bool WalkRoute(GameState& s, const Host& host, int tx, int ty, bool toCellBefore, int pauseMs)
{
    s.Paused = 1;
    if (!SearchRoute(s, tx, ty))
        return false;
    const int last = toCellBefore ? s.RouteLength - 1 : s.RouteLength;
    for (int r = 2; r <= last; ++r) {
        host.life.sleepMs(pauseMs);
        s.PlayerX = s.Route[r].x;
        s.PlayerY = s.Route[r].y;
        RevealAround(s);
        PaintMazeNow(s, host);
    }
    return true;
}

void PaintBox1MouseDown(GameState& s, int X, int Y)
{
    s.ClickX = X;
    s.ClickY = Y;
}

void PaintBox1MouseUp(GameState& s, const Host& host, int X, int Y)
{
    // After the game is over and while the map is shown nothing moves; the
    // map leaves Paused alone so that Ctrl back to play starts the clock again.
    if (s.GameEnded || s.InPlay == 0)
        return;

    // Division truncates towards zero: a release up to 79 pixels left of or
    // above the surface still counts as the first column or row.
    const int i = X / CellSize;
    const int j = Y / CellSize;
    if (i != s.ClickX / CellSize || j != s.ClickY / CellSize) {
        s.Paused = 0;
        return;
    }

    const ReachGrid reach = FillReachGrid(s);
    const int tx = s.ViewLeft + i;
    const int ty = s.ViewTop + j;
    const uint8_t g = At(reach, i + 1, j + 1);
    const bool reachableSide = At(reach, i, j + 1) == Reached || At(reach, i + 2, j + 1) == Reached ||
                               At(reach, i + 1, j) == Reached || At(reach, i + 1, j + 2) == Reached;

    if (g == CellBrick)
        return;
    if (g == Reached && tx == s.PlayerX && ty == s.PlayerY)
        return;

    bool gameOver = false;
    if (g == Reached) {
        WalkRoute(s, host, tx, ty, false, OpenStepPause);
    } else if (g == CellExit && reachableSide) {
        if (WalkRoute(s, host, tx, ty, false, TargetStepPause))
            gameOver = CompleteLevel(s, host);
    } else if (g == CellDoor && reachableSide) {
        if (WalkRoute(s, host, tx, ty, true, TargetStepPause))
            gameOver = KnockAtDoor(s, host);
    } else if (g / 10 == 5 && reachableSide) {
        if (WalkRoute(s, host, tx, ty, false, TargetStepPause))
            PickUpItem(s, host);
    } else if (g / 10 == 6 && reachableSide) {
        if (WalkRoute(s, host, tx, ty, true, TargetStepPause))
            gameOver = FaceEnemy(s, host);
    }
    // An event that ended the game leaves the high-score window to show the
    // final score; nothing more happens here.
    if (gameOver)
        return;

    host.panel.setCaption(Widget::ScoreBox, std::to_string(s.Score));
    RevealAround(s);
    PaintMazeNow(s, host);
    s.Paused = 0;
}

void UpButtonClick(GameState& s, const Host& host)
{
    FakeRelease(s, host, 0, -1);
}

void DownButtonClick(GameState& s, const Host& host)
{
    FakeRelease(s, host, 0, 1);
}

void LeftButtonClick(GameState& s, const Host& host)
{
    FakeRelease(s, host, -1, 0);
}

void RightButtonClick(GameState& s, const Host& host)
{
    FakeRelease(s, host, 1, 0);
}

void URButtonClick(GameState& s, const Host& host)
{
    FakeRelease(s, host, 1, -1);
}

void DRButtonClick(GameState& s, const Host& host)
{
    FakeRelease(s, host, 1, 1);
}

void DLButtonClick(GameState& s, const Host& host)
{
    FakeRelease(s, host, -1, 1);
}

void ULButtonClick(GameState& s, const Host& host)
{
    FakeRelease(s, host, -1, -1);
}

void Edit1KeyDown(GameState& s, const Host& host, int key)
{
    if (s.GameEnded)
        return;
    if (key == KeyCtrl) {
        s.Paused = static_cast<uint8_t>(1 - s.Paused);
        s.InPlay = static_cast<uint8_t>(1 - s.InPlay);
        host.panel.setCaption(Widget::Label1, QCoreApplication::translate(
                                                  "Game", s.InPlay == 1 ? CtrlToMapHint : CtrlToPlayHint)
                                                  .toStdString());
        RepaintMazeLater(s, host);
    }
    if (s.InPlay != 0 && key == KeyLeft)
        LeftButtonClick(s, host);
    if (s.InPlay != 0 && key == KeyUp)
        UpButtonClick(s, host);
    if (s.InPlay != 0 && key == KeyRight)
        RightButtonClick(s, host);
    if (s.InPlay != 0 && key == KeyDown)
        DownButtonClick(s, host);
}

} // namespace zorbik
