// What a screen reader is told of the maze: the sentence of Zorbik's
// surroundings (neighbours, a look along open road, nothing of hidden
// cells), which follows his moves, and the announcements of pick-ups,
// doors, levels and the clock's minutes.
#include "PlayFixture.h"
#include "play/CellEvents.h"
#include "play/LevelClock.h"
#include "view/MazeDescription.h"

#include <gtest/gtest.h>

namespace zorbik::testing {
namespace {

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(SpokenMaze, SurroundingsFollowZorbikAndHideTheUnexplored)
{
    GameState s;
    DrawMaze(s, {"#######", "#E..g.#", "#.#####", "#.~~~~#", "#D~~~~#", "#b~~~~#", "#######"});
    s.PlayerX = 2;
    s.PlayerY = 2;
    const std::string atEntrance = DescribeSurroundings(s);
    EXPECT_TRUE(Has(atEntrance, "column 2, row 2, on the entrance")) << atEntrance;
    EXPECT_TRUE(Has(atEntrance, "a wall to the north;")) << atEntrance;
    EXPECT_TRUE(Has(atEntrance, "road to the east, then gold 3 steps to the east")) << atEntrance;
    EXPECT_TRUE(Has(atEntrance, "road to the south, then a locked door 3 steps to the south")) << atEntrance;
    EXPECT_TRUE(Has(atEntrance, "a wall to the south-east")) << atEntrance;
    // The bear behind the door lies beyond the look; the dark is not told.
    EXPECT_FALSE(Has(atEntrance, "bear")) << atEntrance;

    s.PlayerX = 2;
    s.PlayerY = 4;
    const std::string inTheDark = DescribeSurroundings(s);
    EXPECT_NE(inTheDark, atEntrance);
    EXPECT_TRUE(Has(inTheDark, "unexplored darkness to the east")) << inTheDark;
    EXPECT_TRUE(Has(inTheDark, "a locked door to the south")) << inTheDark;
    EXPECT_TRUE(Has(inTheDark, "the entrance 2 steps") || Has(inTheDark, "road to the north")) << inTheDark;
}

TEST(SpokenMaze, PickUpsDoorsLevelsAndMinutesAreAnnounced)
{
    GameState s;
    ScriptedHost host(s);
    DrawMaze(s, {"#####", "#Eg.#", "#D#.#", "#..X#", "#####"});
    s.PlayerX = 3;
    s.PlayerY = 2;
    PickUpItem(s, host);
    ASSERT_EQ(host.announcements.size(), 1u);
    EXPECT_EQ(host.announcements[0], "Zorbik picks up gold. Treasures: 1.");

    host.confirmAnswers = {true};
    host.quizVerdicts = {true};
    s.RouteLength = 1;
    s.Route[1] = {2, 3, CellDoor};
    KnockAtDoor(s, host);
    ASSERT_EQ(host.announcements.size(), 2u);
    EXPECT_EQ(host.announcements[1], "The door is open. Doors opened: 1.");

    for (int second = 1; second <= 121; ++second) {
        s.LevelSeconds = second - 1;
        s.InPlay = 1;
        Timer1Timer(s, host);
    }
    ASSERT_EQ(host.announcements.size(), 4u);
    EXPECT_EQ(host.announcements[2], "Time on this level: 1 min.");
    EXPECT_EQ(host.announcements[3], "Time on this level: 2 min.");
}

} // namespace
} // namespace zorbik::testing
