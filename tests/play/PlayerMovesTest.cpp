#include "play/PlayerMoves.h"
#include "PlayFixture.h"

namespace zorbik::testing {
namespace {

class PlayerMoves : public PlayTest {};

const std::vector<std::string> Room = {
    "#######", //
    "#@....#", //
    "#.#.#.#", //
    "#.....#", //
    "#.#g#.#", //
    "#.....#", //
    "#######", //
};

TEST_F(PlayerMoves, ReleaseInAnotherCellOnlyStartsTheClockAgain)
{
    Load(Room);
    s.Paused = 1;
    PaintBox1MouseDown(s, 1 * 80 + 10, 1 * 80 + 10);
    PaintBox1MouseUp(s, host, 2 * 80 + 10, 1 * 80 + 10);
    EXPECT_EQ(s.Paused, 0);
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(2, 2));
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(PlayerMoves, WallOrOwnCellDoesNothingAtAll)
{
    Load(Room);
    s.Paused = 1;
    Click(3, 3); // wall
    Click(2, 2); // the player's own cell
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(s.Paused, 1);
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(2, 2));
}

TEST_F(PlayerMoves, RoadIsWalkedStepByStepWithShortPausesAndPaints)
{
    Load(Room);
    Click(6, 4);
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(6, 4));
    const int steps = s.RouteLength - 1;
    EXPECT_EQ(host.sleeps(), std::vector<int>(steps, 33));
    EXPECT_EQ(host.count("paint"), steps + 1); // one per step and the final frame
    EXPECT_EQ(host.caption(Widget::ScoreBox), "0");
    EXPECT_EQ(s.Paused, 0);
    EXPECT_TRUE(host.sounds().empty());
}

TEST_F(PlayerMoves, TheViewportFollowsZorbikBeforeEveryPaint)
{
    Load(Room);
    s.ViewRight = 4; // a window of 4 x 7 cells
    s.PaintBoxWidth = 4 * CellSize;
    std::vector<std::pair<int, int>> painted; // the window's columns as each frame is asked for
    host.onPaintMaze = [&] { painted.emplace_back(s.ViewLeft, s.ViewRight); };
    Click(4, 2);
    EXPECT_EQ(s.PlayerX, 4);
    // Both steps and the final frame, one cell of margin right of Zorbik.
    EXPECT_EQ(painted, (std::vector<std::pair<int, int>>{{1, 4}, {2, 5}, {2, 5}}));
}

TEST_F(PlayerMoves, RoadCutOffInsideTheWindowIsNotReached)
{
    Load({
        "#######", //
        "#@#...#", //
        "#.###.#", //
        "#.###.#", //
        "#.###.#", //
        "#.....#", //
        "#######", //
    });
    // Columns 1..4 only: (4, 2) joins the player through columns 5 and 6.
    s.ViewRight = 4;
    s.PaintBoxWidth = 4 * 80;
    Click(4, 2);
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(2, 2));
    EXPECT_TRUE(host.sleeps().empty());
    EXPECT_EQ(host.count("paint"), 1);
    EXPECT_EQ(s.Paused, 0);

    Click(4, 6); // inside the window the long way down is open
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(4, 6));
}

TEST_F(PlayerMoves, HiddenRoadIsNoTargetAndBlocksTheWay)
{
    Load({
        "#######", //
        "#@.~..#", //
        "#######", //
        "#######", //
        "#######", //
        "#######", //
        "#######", //
    });
    Click(5, 2); // behind the hidden road
    Click(4, 2); // the hidden road itself
    EXPECT_EQ(s.PlayerX, 2);
    EXPECT_TRUE(host.sleeps().empty());
    EXPECT_EQ(host.count("paint"), 2);

    Click(3, 2); // one step on, the road around the player shows
    EXPECT_EQ(s.Maze[4][2], CellRoad);
    Click(5, 2);
    EXPECT_EQ(s.PlayerX, 5);
}

TEST_F(PlayerMoves, ReleaseLeftOfTheSurfaceCountsAsTheFirstColumn)
{
    Load(Room);
    s.PlayerX = 3;
    s.PlayerY = 4;
    s.ViewLeft = 2;
    s.ViewRight = 6;
    s.PaintBoxWidth = 5 * 80;
    PaintBox1MouseDown(s, 5, 3 * 80 + 5); // first column, row of y = 4 (ViewTop 1)
    PaintBox1MouseUp(s, host, -79, 3 * 80 + 5);
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(2, 4));

    PaintBox1MouseDown(s, 5, 3 * 80 + 5);
    PaintBox1MouseUp(s, host, -80, 3 * 80 + 5); // a whole cell off: another cell
    EXPECT_EQ(s.PlayerX, 2);
}

TEST_F(PlayerMoves, DiagonalButtonWithWalledCornersTakesTheWayRound)
{
    Load({
        "#######", //
        "#.....#", //
        "#.##..#", //
        "#..@#.#", //
        "#######", //
        "#######", //
        "#######", //
    });
    URButtonClick(s, host);
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(5, 3));
    EXPECT_EQ(s.RouteLength, 9);
    EXPECT_EQ(host.sleeps(), std::vector<int>(8, 33));
}

TEST_F(PlayerMoves, ButtonsAndArrowsStepToTheNeighbour)
{
    Load(Room);
    Edit1KeyDown(s, host, KeyDown);
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(2, 3));
    Edit1KeyDown(s, host, KeyRight); // a wall: nothing
    EXPECT_EQ(s.PlayerX, 2);
    DRButtonClick(s, host);
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(3, 4));
    Edit1KeyDown(s, host, KeyUp); // wall
    ULButtonClick(s, host);       // back up-left along the way round
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(2, 3));
    Edit1KeyDown(s, host, KeyUp);
    Edit1KeyDown(s, host, KeyRight);
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(3, 2));
    DownButtonClick(s, host); // wall below (3, 2)
    LeftButtonClick(s, host);
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(2, 2));
    Edit1KeyDown(s, host, 65); // other keys do nothing
    EXPECT_EQ(s.PlayerX, 2);
}

TEST_F(PlayerMoves, ItemNextDoorIsOneSlowStepThenPickedUp)
{
    Load(Room);
    s.PlayerX = 4;
    s.PlayerY = 4;
    DownButtonClick(s, host);
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(4, 5));
    EXPECT_EQ(host.sleeps(), std::vector<int>{100});
    EXPECT_EQ(host.sounds(), std::vector<std::string>{"SF023_SS01.WAV"});
    EXPECT_EQ(s.Score, 100);
    EXPECT_EQ(host.caption(Widget::ScoreBox), "100");
}

TEST_F(PlayerMoves, TorchRevealsFiveByFiveButNeverOffTheGrid)
{
    Load(Room);
    for (int x = 0; x < GridSide; ++x)
        for (int y = 0; y < GridSide; ++y)
            s.Maze[x][y] = static_cast<uint8_t>(s.Maze[x][y] + HiddenMark);
    s.HasTorch = 1;
    RevealAround(s); // player at (2, 2): the square reaches column and row 0
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 4; ++y)
            EXPECT_LT(s.Maze[x][y], HiddenMark) << x << "," << y;
    EXPECT_GE(s.Maze[5][2], HiddenMark);
    EXPECT_EQ(s.Maze[0][2], HiddenMark); // column 0 is no part of the maze
    EXPECT_EQ(s.Maze[2][0], HiddenMark);

    s.PlayerX = 59;
    s.PlayerY = 59;
    RevealAround(s); // would reach 61: stays inside the grid
    EXPECT_LT(s.Maze[60][60], HiddenMark);
}

TEST_F(PlayerMoves, CtrlSwitchesToTheMapAndBackWithTheClockAsItWas)
{
    Load(Room);
    Edit1KeyDown(s, host, KeyCtrl);
    EXPECT_EQ(s.InPlay, 0);
    EXPECT_EQ(s.Paused, 1);
    EXPECT_EQ(host.caption(Widget::Label1), "Press 'Ctrl' to continue the game.");

    // On the map neither releases nor arrows move, and the clock stays stopped.
    Click(3, 2);
    Edit1KeyDown(s, host, KeyRight);
    PaintBox1MouseDown(s, 10, 10);
    PaintBox1MouseUp(s, host, 200, 10);
    EXPECT_EQ(s.PlayerX, 2);
    EXPECT_EQ(s.Paused, 1);

    Edit1KeyDown(s, host, KeyCtrl);
    EXPECT_EQ(s.InPlay, 1);
    EXPECT_EQ(s.Paused, 0);
    EXPECT_EQ(host.caption(Widget::Label1), "Press 'Ctrl' to view the map of explored maze.");
    EXPECT_EQ(host.count("invalidate"), 2);
    EXPECT_EQ(host.count("paint"), 0);
}

TEST_F(PlayerMoves, NothingActsOnceTheGameIsOver)
{
    Load(Room);
    s.GameEnded = 1;
    s.InPlay = 0;
    s.Paused = 1;
    Edit1KeyDown(s, host, KeyCtrl);
    RightButtonClick(s, host);
    s.InPlay = 1; // even if a widget still thought play was on
    Click(3, 2);
    EXPECT_EQ(s.PlayerX, 2);
    EXPECT_EQ(s.Paused, 1);
    EXPECT_TRUE(host.calls.empty());
}

} // namespace
} // namespace zorbik::testing
