#include "play/LevelClock.h"
#include "PlayFixture.h"
#include "world/Random.h"

namespace zorbik::testing {
namespace {

class LevelClock : public PlayTest {
  protected:
    void SetUp() override
    {
        PlayTest::SetUp();
        SeedRandom(7);
    }
    void Ticks(int n)
    {
        for (int k = 0; k < n; ++k)
            Timer1Timer(s, host);
    }
    std::pair<int, int> EnemyAt(int k) const { return {s.EnemyList[k].x, s.EnemyList[k].y}; }
};

const std::vector<std::string> Empty = {
    "#####", //
    "#@..#", //
    "#...#", //
    "#...#", //
    "#####", //
};

TEST_F(LevelClock, ClockTextAndItsCap)
{
    Load(Empty);
    const std::map<int, std::string> expected = {
        {9, "0 m 09 s"}, {10, "0 m 10 s"}, {60, "1 m 00 s"}, {61, "1 m 01 s"}};
    for (int t = 1; t <= 61; ++t) {
        Timer1Timer(s, host);
        if (expected.count(t)) {
            EXPECT_EQ(host.caption(Widget::TimeBox), expected.at(t));
        }
    }
    EXPECT_EQ(host.count("paint"), 61);

    s.LevelSeconds = MaxLevelSeconds - 1;
    Ticks(3);
    EXPECT_EQ(s.LevelSeconds, 15359);
    EXPECT_EQ(host.caption(Widget::TimeBox), "255 m 59 s");
}

TEST_F(LevelClock, StandsStillWhenPausedOnTheMapOrAfterTheGame)
{
    Load(Empty);
    s.Paused = 1;
    Timer1Timer(s, host);
    s.Paused = 0;
    s.InPlay = 0;
    Timer1Timer(s, host);
    s.InPlay = 1;
    s.GameEnded = 1;
    Timer1Timer(s, host);
    EXPECT_EQ(s.LevelSeconds, 0);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(LevelClock, EnemiesStepOnlyOntoRoad)
{
    Load({
        "#######", //
        "#E#...#", //
        "#b#####", //
        "#####.#", //
        "#####h#", //
        "#.##D.#", //
        "#######", //
    });
    s.PlayerX = 2;
    s.PlayerY = 2;                        // on the entrance, right above the bear
    s.Maze[6][4] = CellRoad + HiddenMark; // a hidden road is road to an enemy
    Ticks(200);
    EXPECT_EQ(EnemyAt(1), std::make_pair(2, 3)); // the entrance and walls hold the bear
    EXPECT_EQ(host.count("box"), 0);
    // The hare only ever moved between (6, 5), the hidden (6, 4) and (6, 6).
    const auto hare = EnemyAt(2);
    EXPECT_EQ(hare.first, 6);
    EXPECT_TRUE(hare.second >= 4 && hare.second <= 6);
    EXPECT_EQ(s.Maze[5][6], CellDoor);
    EXPECT_EQ(s.Maze[hare.first][hare.second] % 100, CellEnemy);
    int marks = 0;
    for (int x = 1; x <= 7; ++x)
        for (int y = 1; y <= 7; ++y)
            marks += s.Maze[x][y] % 100 == CellEnemy;
    EXPECT_EQ(marks, 2);
}

TEST_F(LevelClock, EnemiesSeeEachOtherWhereTheyStoodLastTick)
{
    Load({
        "#####", //
        "#@###", //
        "#####", //
        "#hw.#", //
        "#####", //
    });
    // The hare can only go right, onto the wolf's mark; the wolf only right.
    for (int t = 0; t < 100; ++t) {
        Timer1Timer(s, host);
        if (EnemyAt(2) == std::make_pair(4, 4))
            break;
    }
    ASSERT_EQ(EnemyAt(2), std::make_pair(4, 4));
    EXPECT_EQ(EnemyAt(1), std::make_pair(2, 4)); // the wolf's old mark blocked it
}

TEST_F(LevelClock, TwoEnemiesOnOneCellAreBothKeptAndMoveOn)
{
    Load({
        "#####", //
        "#@###", //
        "#####", //
        "#.h.#", //
        "#####", //
    });
    s.EnemyList[2] = {3, 4, Bear};
    s.EnemyCount = 2;
    bool apart = false;
    bool together = false;
    for (int t = 0; t < 200; ++t) {
        Timer1Timer(s, host);
        ASSERT_EQ(s.EnemyCount, 2);
        together = together || (EnemyAt(1) == EnemyAt(2) && EnemyAt(1) != std::make_pair(3, 4));
        apart = apart || EnemyAt(1) != EnemyAt(2);
    }
    EXPECT_TRUE(apart);
    EXPECT_TRUE(together); // stepping together onto a free cell
}

TEST_F(LevelClock, MeetingEvenWhenTheDrawnStepIsBlocked)
{
    Load({
        "#####", //
        "#.###", //
        "#####", //
        "#####", //
        "#####", //
    });
    s.PlayerX = 2;
    s.PlayerY = 2;
    s.EnemyList[1] = {2, 2, Fox};
    s.EnemyCount = 1;
    s.Score = 600;
    host.quizVerdicts = {false};
    Timer1Timer(s, host);
    EXPECT_TRUE(Saw("box Question|Do you want to be eaten?|36"));
    EXPECT_EQ(host.count("question"), 1);
    EXPECT_EQ(s.Score, 0);
    EXPECT_EQ(s.Health, 90);
    EXPECT_EQ(host.caption(Widget::ScoreBox), "0");
    EXPECT_TRUE(Saw("health"));
    EXPECT_TRUE(Saw("restore"));
    EXPECT_EQ(s.Paused, 0);
    EXPECT_EQ(s.LevelSeconds, 1);
}

TEST_F(LevelClock, BeatenEnemysNextInLineStillGetsItsTurn)
{
    Load({
        "#####", //
        "#.###", //
        "#####", //
        "#####", //
        "#####", //
    });
    s.PlayerX = 2;
    s.PlayerY = 2;
    s.EnemyList[1] = {2, 2, Fox};
    s.EnemyList[2] = {2, 2, Wolf};
    s.EnemyCount = 2;
    s.Maze[2][2] = 12;
    host.quizVerdicts = {true, true};
    Timer1Timer(s, host);
    EXPECT_EQ(host.count("question"), 2);
    EXPECT_EQ(s.EnemyCount, 0);
    EXPECT_EQ(s.EnemyList[1], CellRecord{});
    EXPECT_EQ(host.caption(Widget::StaticText2), "2");
    EXPECT_EQ(host.caption(Widget::ScoreBox), "200");
    EXPECT_EQ(s.Maze[2][2], CellRoad);
}

TEST_F(LevelClock, YesSendsThePlayerToTheEntranceAndTheEnemyBack)
{
    Load({
        "#####", //
        "#E###", //
        "#.###", //
        "#w###", //
        "#####", //
    });
    s.PlayerX = 2;
    s.PlayerY = 3;
    s.Score = 2500;
    for (int t = 0; t < 100 && host.count("box") == 0; ++t) {
        host.messageBoxAnswers = {IdYes, IdOk};
        Timer1Timer(s, host);
    }
    ASSERT_EQ(host.count("box"), 2);
    EXPECT_EQ(EnemyAt(1), std::make_pair(2, 4)); // stepped back
    EXPECT_EQ(s.Maze[2][4], CellEnemy);
    EXPECT_EQ(s.Maze[2][3], CellRoad);
    EXPECT_EQ(std::make_pair(s.PlayerX, s.PlayerY), std::make_pair(2, 2));
    EXPECT_EQ(host.sounds(), (std::vector<std::string>{"Be_eaten.wav", "Moved.wav"}));
    EXPECT_EQ(s.Score, 1500);
    EXPECT_EQ(s.Health, 90);
    EXPECT_EQ(host.caption(Widget::ScoreBox), "1500");
    EXPECT_EQ(s.Paused, 0);
}

TEST_F(LevelClock, YesAtTheLastHealthEndsTheGameAndTheTick)
{
    Load({
        "#####", //
        "#@###", //
        "#####", //
        "#####", //
        "#####", //
    });
    s.EnemyList[1] = {2, 2, Hare};
    s.EnemyCount = 1;
    s.Health = 10;
    s.LevelSeconds = 30;
    host.messageBoxAnswers = {IdYes};
    Timer1Timer(s, host);
    EXPECT_EQ(s.GameEnded, 1);
    EXPECT_EQ(s.Paused, 1);
    EXPECT_EQ(s.InPlay, 0);
    EXPECT_EQ(host.count("box"), 1);
    EXPECT_EQ(host.sounds(), std::vector<std::string>{"Be_eaten.wav"});
    EXPECT_EQ(s.LevelSeconds, 30);
    EXPECT_EQ(host.count("paint"), 0);
}

} // namespace
} // namespace zorbik::testing
