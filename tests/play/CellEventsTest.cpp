#include "play/CellEvents.h"
#include "PlayFixture.h"
#include "common/Protocol.h"
#include "play/PlayerMoves.h"
#include "world/StartUp.h"

namespace zorbik::testing {
namespace {

class CellEvents : public PlayTest {};

const std::string ConfirmDoor = std::string("confirm ") + LockedDoorText;
const std::string BeEatenBox = "box Question|Do you want to be eaten?|36";
const std::string MovedBox = "box Information|Now You will be moved to the start of this level.|64";

TEST_F(CellEvents, ItemsActByKindAndLeaveTheListInStep)
{
    Load({
        "#######", //
        "#@fgd.#", //
        "#######", //
        "#######", //
        "#######", //
        "#######", //
        "#######", //
    });
    Click(3, 2); // first-aid kit at full health
    EXPECT_EQ(s.Health, 100);
    EXPECT_EQ(host.count("health"), 0);
    EXPECT_EQ(s.Maze[3][2], CellRoad);
    EXPECT_EQ(host.caption(Widget::StaticText1), "1");
    ASSERT_EQ(s.ItemCount, 2);
    EXPECT_EQ(s.ItemList[1], (CellRecord{4, 2, Gold}));
    EXPECT_EQ(s.ItemList[2], (CellRecord{5, 2, Diamond}));
    EXPECT_EQ(s.ItemList[3], CellRecord{});

    Click(5, 2); // the gold is in the way: the click does nothing
    EXPECT_EQ(s.PlayerX, 3);
    Click(4, 2);
    Click(5, 2);
    EXPECT_EQ(s.Score, 100 + 300);
    EXPECT_EQ(host.caption(Widget::ScoreBox), "400");
    EXPECT_EQ(host.caption(Widget::StaticText1), "3");
    EXPECT_EQ(s.ItemCount, 0);
    EXPECT_EQ(s.ItemList[1], CellRecord{});
}

TEST_F(CellEvents, FirstAidHealsOnlyBelowFullHealth)
{
    Load({
        "#####", //
        "#@f.#", //
        "#####", //
        "#####", //
        "#####", //
    });
    s.Health = 90;
    RightButtonClick(s, host);
    EXPECT_EQ(s.Health, 100);
    EXPECT_EQ(host.count("health"), 1);
}

TEST_F(CellEvents, TorchWidensTheRevealFromTheSameRelease)
{
    Load({
        "#######", //
        "#@t...#", //
        "#.....#", //
        "#.....#", //
        "#.....#", //
        "#.....#", //
        "#######", //
    });
    for (int x = 1; x <= 7; ++x)
        for (int y = 1; y <= 7; ++y)
            if (std::abs(x - 2) > 1 || std::abs(y - 2) > 1)
                s.Maze[x][y] = static_cast<uint8_t>(s.Maze[x][y] + HiddenMark);
    RightButtonClick(s, host);
    EXPECT_EQ(s.HasTorch, 1);
    EXPECT_EQ(s.Maze[5][4], CellRoad); // two cells from (3, 2)
    EXPECT_GE(s.Maze[6][2], HiddenMark);
}

TEST_F(CellEvents, FirstLevelStartsAfreshSizedForTheWindowAndDrawn)
{
    s.Score = 700;
    s.Health = 40;
    s.Paused = 1;
    s.InPlay = 0;
    StartFirstLevel(s, host);
    EXPECT_EQ(s.Score, 0);
    EXPECT_EQ(s.Health, 100);
    EXPECT_EQ(s.MazeSize, 11);
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(2, 2));
    EXPECT_EQ(s.Maze[2][2], CellEnter);
    EXPECT_EQ(s.Paused, 0);
    EXPECT_EQ(s.InPlay, 1);
    EXPECT_EQ(host.caption(Widget::ScoreBox), "0");
    EXPECT_EQ(host.caption(Widget::Label1), GameText(CtrlToMapHint));
    for (Widget w : {Widget::FinishButton, Widget::UpButton, Widget::DLButton, Widget::Image1, Widget::Image4,
                     Widget::StaticText1, Widget::StaticText3, Widget::ScoreText, Widget::ScoreBox,
                     Widget::TimeText, Widget::TimeBox, Widget::HealthText, Widget::Label1})
        EXPECT_TRUE(host.visible[w]) << int(w);
    EXPECT_FALSE(host.visible[Widget::Label6]);
    EXPECT_EQ(host.visible.count(Widget::CloseButton), 0u);
    // 1024 x 768 holds 11 x 9 cells; the view starts at the maze's corner.
    EXPECT_EQ(host.calls, (std::vector<std::string>{"place 880x720", "paint", "health"}));
    EXPECT_EQ(std::make_pair(s.ViewLeft, s.ViewRight), std::make_pair(1, 11));
    EXPECT_EQ(std::make_pair(s.ViewTop, s.ViewBottom), std::make_pair(1, 9));
}

TEST_F(CellEvents, ARightAnswerScoresOnceForTheDifficultyAsked)
{
    for (int n : {7, 13, 25}) {
        SCOPED_TRACE(n);
        std::vector<std::string> rows(n, std::string(n, '#'));
        rows[1] = "#@D" + std::string(n - 4, '.') + "#";
        Load(rows);
        s.Score = 50;
        host.quizVerdicts = {true};
        Click(3, 2);
        ASSERT_EQ(host.quizProgram, SuiteFolder(s) + "quiz");
        const int level = n / 6;
        const int d = std::stoi(host.quizParams.substr(std::string("topic ").size()));
        EXPECT_EQ(host.quizParams, "topic " + std::to_string(d) + " SOUND");
        EXPECT_GE(d, level - 1);
        EXPECT_LE(d, 2 * level - 2);
        EXPECT_EQ(s.Score, 50 + PointsForRightAnswer(d));
        EXPECT_EQ(host.caption(Widget::ScoreBox), std::to_string(s.Score));
    }
}

TEST(TimeBonus, TwentyFivePointsPerSecondLeftDoubledWhenHidden)
{
    GameState s;
    s.MazeSize = 11;
    s.LevelSeconds = 12;
    s.Args = {"Game1", "q", "t", "SOUND", "OPEN"};
    EXPECT_EQ(TimeBonus(s), 200);
    s.Args[4] = "HIDDEN";
    EXPECT_EQ(TimeBonus(s), 700);
    s.Args[4] = "hidden"; // the word is compared exactly
    EXPECT_EQ(TimeBonus(s), 200);
    s.LevelSeconds = 30;
    EXPECT_EQ(TimeBonus(s), 0);
}

TEST_F(CellEvents, ExitLeadsToTheNextLargerLevel)
{
    Load({
        "###########", //
        "#E........#", //
        "#.........#", //
        "#.........#", //
        "#.........#", //
        "#.........#", //
        "#.........#", //
        "#.........#", //
        "#.........#", //
        "#........X#", //
        "###########", //
    });
    s.PlayerX = 9;
    s.PlayerY = 10;
    s.LevelSeconds = 12;
    s.HasTorch = 1;
    s.WindowWidth = 1400; // room for 15 of the new level's 17 columns
    Click(10, 10);
    EXPECT_EQ(host.sleeps(), std::vector<int>{100});
    EXPECT_EQ(host.sounds(), std::vector<std::string>{"GAME21_SS01.WAV"});
    EXPECT_TRUE(Saw("info Congratulations! Level is complete! Time bonus is 200"));
    EXPECT_EQ(s.Score, 200);
    EXPECT_EQ(host.caption(Widget::ScoreBox), "200");
    EXPECT_EQ(s.MazeSize, 17);
    EXPECT_TRUE(Saw("place 1200x720"));
    EXPECT_EQ(host.caption(Widget::TimeText), "Time on 2 level:");
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(2, 2));
    EXPECT_EQ(s.HasTorch, 0);
    EXPECT_EQ(s.LevelSeconds, 0);
    EXPECT_EQ(s.InPlay, 1);
    EXPECT_EQ(s.Paused, 0);
}

TEST_F(CellEvents, LastLevelShowsAndAddsTheBonusThenEndsTheGame)
{
    std::vector<std::string> rows(59, std::string(59, '#'));
    rows[57] = "#" + std::string(56, '.') + "X#";
    Load(rows);
    s.ViewLeft = s.ViewTop = 40;
    s.ViewRight = s.ViewBottom = 59;
    s.PlayerX = 57;
    s.PlayerY = 58;
    s.Score = 1000;
    s.LevelSeconds = 700;
    RightButtonClick(s, host);
    EXPECT_TRUE(Saw("info Congratulations! Level is complete! Time bonus is 750"));
    EXPECT_EQ(s.Score, 1750);
    EXPECT_EQ(s.MazeSize, 59);
    EXPECT_EQ(s.GameEnded, 1);
    EXPECT_EQ(s.InPlay, 0);
    EXPECT_EQ(s.Paused, 1);
    // The release ends with the game: no score caption, no final frame.
    EXPECT_EQ(host.caption(Widget::ScoreBox), "0");
    EXPECT_EQ(host.count("paint"), 1);
}

const std::vector<std::string> DoorWay = {
    "#######", //
    "#@D...#", //
    "#######", //
    "#######", //
    "#######", //
    "#######", //
    "#######", //
};

TEST_F(CellEvents, OpenedDoorIsStoodOnThenLocksBehindThePlayer)
{
    Load(DoorWay);
    host.quizVerdicts = {true};
    Click(3, 2);
    EXPECT_EQ(host.sounds(), (std::vector<std::string>{"LockDoor.wav", "Doorbell.wav", "Door.wav"}));
    EXPECT_TRUE(host.sleeps().empty()); // beside the door: no step before the question
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(3, 2));
    EXPECT_EQ(s.Maze[3][2], CellDoor);
    EXPECT_EQ(host.caption(Widget::StaticText3), "1");
    EXPECT_EQ(s.Score, 100);
    EXPECT_TRUE(Saw("minimise"));
    EXPECT_TRUE(Saw("restore"));

    Click(4, 2); // off the door to the far side: no question
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(4, 2));
    EXPECT_EQ(host.count("question"), 1);

    host.quizVerdicts = {true};
    Click(3, 2); // locked again: a new question, then onto it
    EXPECT_EQ(host.count("question"), 2);
    EXPECT_EQ(s.PlayerX, 3);
    LeftButtonClick(s, host); // off to the near side: no question
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(2, 2));
    EXPECT_EQ(host.count("question"), 2);
    EXPECT_EQ(host.caption(Widget::StaticText3), "2");
}

TEST_F(CellEvents, CancelAtTheDoorAsksNothing)
{
    Load(DoorWay);
    host.confirmAnswers = {false};
    Click(3, 2);
    EXPECT_EQ(host.sounds(), std::vector<std::string>{"LockDoor.wav"});
    EXPECT_EQ(host.count("question"), 0);
    EXPECT_EQ(host.count("minimise"), 0);
    EXPECT_EQ(s.PlayerX, 2);
    EXPECT_EQ(host.count("paint"), 1);
    EXPECT_EQ(s.Paused, 0);
}

TEST_F(CellEvents, WrongAnswerCostsPointsAndHealthAndCanEndTheGame)
{
    Load(DoorWay);
    s.Score = 600;
    Click(3, 2);
    EXPECT_EQ(s.Score, 0);
    EXPECT_EQ(s.Health, 90);
    EXPECT_EQ(s.PlayerX, 2);
    EXPECT_EQ(host.count("health"), 1);
    EXPECT_EQ(host.calls.back(), "paint");
    EXPECT_TRUE(Saw("restore"));

    host.calls.clear();
    s.Score = 5000;
    s.Health = 10;
    Click(3, 2);
    EXPECT_EQ(s.Health, 0);
    EXPECT_EQ(s.Score, 4000);
    EXPECT_EQ(s.GameEnded, 1);
    EXPECT_EQ(s.Paused, 1);
    EXPECT_FALSE(Saw("restore"));
    EXPECT_EQ(host.count("paint"), 0);
    EXPECT_EQ(host.caption(Widget::ScoreBox), "0");
}

const std::vector<std::string> WolfWay = {
    "#######", //
    "#E.w..#", //
    "#######", //
    "#######", //
    "#######", //
    "#######", //
    "#######", //
};

TEST_F(CellEvents, BeatenEnemyLeavesRoadAndThePlayerTakesItsPlace)
{
    Load(WolfWay);
    s.PlayerX = 2;
    s.PlayerY = 2;
    s.EnemyList[2] = {6, 2, Bear}; // a second enemy, further on
    s.EnemyCount = 2;
    s.Maze[6][2] = CellEnemy;
    host.quizVerdicts = {true};
    Click(4, 2);
    EXPECT_EQ(host.sleeps(), std::vector<int>{100}); // up to the cell before the wolf
    EXPECT_TRUE(Saw(BeEatenBox));
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(4, 2));
    EXPECT_EQ(s.Maze[4][2], CellRoad);
    EXPECT_EQ(host.caption(Widget::StaticText2), "1");
    ASSERT_EQ(s.EnemyCount, 1);
    EXPECT_EQ(s.EnemyList[1], (CellRecord{6, 2, Bear}));
    EXPECT_EQ(s.EnemyList[2], CellRecord{});
    EXPECT_TRUE(Saw("restore"));
}

TEST_F(CellEvents, BeingEatenSendsThePlayerBackOrEndsTheGame)
{
    Load(WolfWay);
    s.PlayerX = 3;
    s.PlayerY = 2;
    s.Score = 600;
    host.messageBoxAnswers = {IdYes, IdOk};
    Click(4, 2);
    EXPECT_EQ(host.sounds(), (std::vector<std::string>{"Be_eaten.wav", "Moved.wav"}));
    EXPECT_TRUE(Saw(MovedBox));
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(2, 2));
    EXPECT_EQ(s.Score, 0);
    EXPECT_EQ(s.Health, 90);
    EXPECT_EQ(s.EnemyCount, 1);
    EXPECT_EQ(host.count("question"), 0);

    host.calls.clear();
    s.PlayerX = 3;
    s.Health = 10;
    host.messageBoxAnswers = {IdYes};
    Click(4, 2);
    EXPECT_EQ(s.GameEnded, 1);
    EXPECT_EQ(host.sounds(), std::vector<std::string>{"Be_eaten.wav"});
    EXPECT_EQ(host.count("box"), 1);
    EXPECT_EQ(s.PlayerX, 3);
}

} // namespace
} // namespace zorbik::testing
