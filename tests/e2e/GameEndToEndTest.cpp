// Plays the real game through its test driver: a level-1 maze chosen by seed,
// an item picked up, a door opened and one failed, a meeting with an enemy,
// the exit with its bonus, the exit button and the high-score file.
#include "tests/support/GameProcess.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <tuple>

namespace zorbik::testing {
namespace {

namespace fs = std::filesystem;

// A first level with a treasure or kit, a door and an enemy that the player
// reaches over roads, the exit too.
uint64_t FindPlayableSeed()
{
    return FindSeed([](const GameDump& d) {
        return KeysTo(d, CellItem) && KeysTo(d, CellDoor) && KeysTo(d, CellEnemy) && KeysTo(d, CellExit);
    });
}

std::vector<std::string> Walk(GameProcess& game, const std::vector<int>& keys)
{
    std::vector<std::string> printed;
    for (int key : keys) {
        auto lines = game.send("key " + std::to_string(key));
        printed.insert(printed.end(), lines.begin(), lines.end());
    }
    return printed;
}

bool Contains(const std::vector<std::string>& lines, const std::string& text)
{
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(text) != std::string::npos; });
}

TEST(WholeGame, RefusesAnIncompleteCommandLine)
{
    GameProcess game((fs::temp_directory_path() / "zorbik_e2e_refusal").string());
    ASSERT_TRUE(game.start({"Quiz/fake_quiz", "BOTH", "SOUND"}, {"ZORBIK_TEST_DRIVER=1"}));
    const auto printed = game.send("dump");
    EXPECT_TRUE(Contains(printed,
                         "dialog Program termination|This program is a part of the TALLIWAY software. "
                         "It can not run by itself."));
    EXPECT_FALSE(Contains(printed, "state size"));
    EXPECT_EQ(game.wait(20000), 0);
}

TEST(WholeGame, StartsWithFourArguments)
{
    GameProcess game((fs::temp_directory_path() / "zorbik_e2e_start").string());
    ASSERT_TRUE(game.start({"Quiz/fake_quiz", "BOTH", "SOUND", "HIDDEN"}, {"ZORBIK_TEST_DRIVER=1"}));
    const GameDump d = game.dump();
    EXPECT_EQ(d.size, 11);
    EXPECT_EQ(d.inPlay, 1);
    EXPECT_EQ(d.maze[5][5] >= HiddenMark, true);
    EXPECT_LT(d.maze[2][2], HiddenMark);
    game.send("close");
    EXPECT_EQ(game.wait(20000), 0);
}

TEST(WholeGame, PlaysALevelAndWritesTheHighScores)
{
    const uint64_t seed = FindPlayableSeed();
    ASSERT_NE(seed, 0u);
    const std::string suite = (fs::temp_directory_path() / "zorbik e2e suite").string();
    GameProcess game(suite);
    std::ofstream(suite + "/Gamer.nam") << "Tester";
    const std::string script = suite + "/verdicts.txt";
    std::ofstream(script) << "1\n0\n1\n";
    ASSERT_TRUE(game.start({"Quiz/fake_quiz", "FRACTIONS", "NOSOUND", "SHOWN"},
                           {"ZORBIK_TEST_DRIVER=1", "ZORBIK_TEST_SEED=" + std::to_string(seed),
                            "FAKE_QUIZ_SCRIPT=" + script, "FAKE_QUIZ_LOG=" + suite + "/quiz.log"}));

    GameDump d = game.dump();
    ASSERT_EQ(d.size, 11);
    ASSERT_EQ(d.inPlay, 1);
    EXPECT_EQ(d.captions.at(0), "0");

    // An item: walk there and step onto it.
    auto keys = KeysTo(d, CellItem);
    ASSERT_TRUE(keys);
    Walk(game, *keys);
    d = game.dump();
    EXPECT_EQ(d.captions.at(3), "1");
    EXPECT_EQ(d.maze[d.playerX][d.playerY], CellRoad);
    const int afterItem = d.score;

    // A door answered right: the player stands on it.
    keys = KeysTo(d, CellDoor);
    ASSERT_TRUE(keys);
    game.send("answer ok");
    auto printed = Walk(game, *keys);
    EXPECT_TRUE(Contains(printed, "The door is locked."));
    d = game.dump();
    ASSERT_EQ(d.maze[d.playerX][d.playerY], CellDoor);
    EXPECT_EQ(d.captions.at(5), "1");
    EXPECT_EQ(d.score, afterItem + 100);
    const int doorX = d.playerX, doorY = d.playerY;

    // Off the door and back again: the door asks anew, and a wrong answer costs.
    keys = KeysTowards(d, [&](int x, int y) { return Open(d, x, y); });
    ASSERT_TRUE(keys);
    const int key = keys->front();
    Walk(game, {key});
    const int back = key == KeyLeft ? KeyRight : key == KeyRight ? KeyLeft : key == KeyUp ? KeyDown : KeyUp;
    game.send("answer ok");
    printed = Walk(game, {back});
    EXPECT_TRUE(Contains(printed, "The door is locked."));
    d = game.dump();
    EXPECT_NE(std::make_pair(d.playerX, d.playerY), std::make_pair(doorX, doorY));
    EXPECT_EQ(d.health, 90);
    EXPECT_EQ(d.score, std::max(0, afterItem + 100 - 1000));

    // An enemy: stand beside it and let the clock run until it comes.
    bool met = false;
    for (int round = 0; round < 300 && !met; ++round) {
        d = game.dump();
        if (d.enemies.empty())
            break;
        const CellRecord e = d.enemies.front();
        const bool beside = std::abs(d.playerX - e.x) + std::abs(d.playerY - e.y) == 1;
        if (!beside) {
            keys = KeysTowards(d, [&](int x, int y) {
                return std::abs(x - e.x) + std::abs(y - e.y) == 1 && Open(d, x, y) &&
                       !(x == d.playerX && y == d.playerY);
            });
            if (keys)
                Walk(game, *keys);
        }
        game.send("answer no");
        printed = game.send("tick");
        met = Contains(printed, "Do you want to be eaten?");
        if (!met)
            game.send("clear"); // the unused answer must not reach a later dialog
    }
    ASSERT_TRUE(met);
    d = game.dump();
    EXPECT_EQ(d.captions.at(4), "1");
    EXPECT_EQ(d.health, 90);

    // The exit: the bonus and the second level.
    keys = KeysTo(d, CellExit);
    ASSERT_TRUE(keys);
    const int beforeExit = d.score;
    const int seconds = d.seconds;
    printed = Walk(game, *keys);
    const int bonus = std::max(0, (20 - seconds) * 25);
    EXPECT_TRUE(
        Contains(printed, "Congratulations! Level is complete! Time bonus is " + std::to_string(bonus)));
    d = game.dump();
    EXPECT_EQ(d.size, 17);
    EXPECT_EQ(d.score, beforeExit + bonus);
    EXPECT_EQ(d.captions.at(2), "Time on 2 level:");
    EXPECT_EQ(d.playerX, 2);
    EXPECT_EQ(d.playerY, 2);

    // The exit button, confirmed: game over and the table.
    game.send("answer yes");
    printed = game.send("finish");
    EXPECT_TRUE(Contains(printed, "Are You sure You want to exit?"));
    d = game.dump();
    EXPECT_EQ(d.ended, 1);
    game.send("close");
    EXPECT_EQ(game.wait(20000), 0);

    const std::string text = Slurp(suite + "/Maze/Game1.hrs");
    ASSERT_EQ(text.size(), 15u * 44u);
    char line[64];
    std::snprintf(line, sizeof line, "%-20s%4d%4d%4d%2d%8d\r\n", "Tester", 1, 1, 1, 2, d.score);
    if (d.score > 1) {
        EXPECT_NE(text.find(line), std::string::npos) << text;
    }
    std::ifstream log(suite + "/quiz.log");
    int questions = 0;
    for (std::string l; std::getline(log, l);)
        ++questions;
    EXPECT_EQ(questions, 3);
}

// The window's close request (title-bar button, Alt+F4, the desktop) asks as
// the exit button does: No plays on, Yes ends the game with its line saved
// and leaves the table shown; after that it closes the window. While a
// question runs the request is dropped, like other input given meanwhile.
TEST(WholeGame, TheWindowsCloseRequestAsksBeforeTheGameEnds)
{
    const uint64_t seed = FindSeed([](const GameDump& d) { return KeysTo(d, CellDoor).has_value(); });
    ASSERT_NE(seed, 0u);
    const std::string suite = (fs::temp_directory_path() / "zorbik_e2e_closewindow").string();
    GameProcess game(suite);
    std::ofstream(suite + "/Gamer.nam") << "Closer";
    ASSERT_TRUE(game.start(
        {"Quiz/fake_quiz", "BOTH", "NOSOUND", "SHOWN"},
        {"ZORBIK_TEST_DRIVER=1", "ZORBIK_TEST_SEED=" + std::to_string(seed), "FAKE_QUIZ_VERDICT=1"}));
    const std::string asked = "dialog Confirm exit|Are You sure You want to exit?";
    game.send("answer ok");
    game.send("during closewindow");
    EXPECT_FALSE(Contains(Walk(game, *KeysTo(game.dump(), CellDoor)), asked));
    ASSERT_EQ(game.dump().score, 100);

    game.send("answer no");
    EXPECT_TRUE(Contains(game.send("closewindow"), asked));
    GameDump d = game.dump();
    EXPECT_EQ(std::make_tuple(d.ended, d.inPlay), std::make_tuple(0, 1));
    EXPECT_FALSE(fs::exists(suite + "/Maze/Game1.hrs"));

    game.send("answer yes");
    EXPECT_TRUE(Contains(game.send("closewindow"), asked));
    EXPECT_EQ(game.dump().ended, 1);
    char line[64];
    std::snprintf(line, sizeof line, "%-20s%4d%4d%4d%2d%8d\r\n", "Closer", 0, 0, 1, 1, 100);
    EXPECT_NE(Slurp(suite + "/Maze/Game1.hrs").find(line), std::string::npos);

    EXPECT_FALSE(Contains(game.send("closewindow"), "dialog"));
    EXPECT_EQ(game.wait(20000), 0);
}

// Words the toolkit would take for its own options reach the game unchanged.
TEST(WholeGame, HostWordsThatLookLikeToolkitOptionsReachTheGame)
{
    const std::vector<std::vector<std::string>> commandLines = {
        {"Quiz/fake_quiz", "-reverse", "SOUND", "SHOWN"},
        {"Quiz/fake_quiz", "-style", "SOUND", "SHOWN"},
        {"-platform", "-widgetcount", "-qwindowgeometry", "1x1"},
    };
    for (const auto& words : commandLines) {
        GameProcess game((fs::temp_directory_path() / "zorbik_e2e_words").string());
        ASSERT_TRUE(game.start(words, {"ZORBIK_TEST_DRIVER=1"}));
        const GameDump d = game.dump();
        EXPECT_EQ(d.args, words);
        EXPECT_EQ(d.inPlay, 1) << words[1];
        game.send("close");
        EXPECT_EQ(game.wait(20000), 0);
    }
}

// Clicks and keys given while the quiz program runs are dropped; the first
// click after the question walks as usual.
TEST(WholeGame, InputGivenDuringAQuestionIsDropped)
{
    const uint64_t seed = FindPlayableSeed();
    ASSERT_NE(seed, 0u);
    GameProcess game((fs::temp_directory_path() / "zorbik_e2e_during").string());
    ASSERT_TRUE(game.start({"Quiz/fake_quiz", "FRACTIONS", "NOSOUND", "SHOWN"},
                           {"ZORBIK_TEST_DRIVER=1", "ZORBIK_TEST_SEED=" + std::to_string(seed),
                            "FAKE_QUIZ_VERDICT=0", "FAKE_QUIZ_SLEEP_MS=300"}));
    GameDump d = game.dump();
    auto keys = KeysTo(d, CellDoor);
    ASSERT_TRUE(keys);
    const int toDoor = keys->back();
    keys->pop_back();
    Walk(game, *keys);
    d = game.dump();
    const int px = d.playerX, py = d.playerY;

    // A road beside the player, in view: where a replayed click or key would take him.
    std::optional<std::array<int, 3>> aside;
    for (const auto& step : Steps) {
        const int x = px + step[0], y = py + step[1];
        if (step[2] != toDoor && Open(d, x, y) && x >= d.viewLeft && x <= d.viewRight && y >= d.viewTop &&
            y <= d.viewBottom)
            aside = {x, y, step[2]};
    }
    ASSERT_TRUE(aside);
    const auto [ax, ay, key] = *aside;
    const std::string click = "click " + std::to_string((ax - d.viewLeft) * CellSize + 40) + " " +
                              std::to_string((ay - d.viewTop) * CellSize + 40);

    game.send("during " + click);
    game.send("during key " + std::to_string(key));
    game.send("answer ok");
    EXPECT_TRUE(Contains(Walk(game, {toDoor}), "The door is locked."));
    d = game.dump();
    EXPECT_EQ(std::make_pair(d.playerX, d.playerY), std::make_pair(px, py));
    EXPECT_EQ(d.health, 90);

    game.send("input " + click);
    d = game.dump();
    EXPECT_EQ(std::make_pair(d.playerX, d.playerY), std::make_pair(ax, ay));
}

// The rules dialog's and the game-over window's close buttons hold the focus,
// show it, keep it on Tab and answer Enter and Space.
TEST(WholeGame, CloseButtonsAnswerTheKeyboard)
{
    for (const std::string key : {"Return", "Space"}) {
        GameProcess game((fs::temp_directory_path() / "zorbik_e2e_keyboard").string());
        ASSERT_TRUE(game.start({"Quiz/fake_quiz", "BOTH", "NOSOUND", "SHOWN"}, {"ZORBIK_TEST_DRIVER=1"}));
        game.send("button Rules");
        for (const char* press : {"", "Tab"}) {
            if (*press)
                game.send(std::string("press ") + press);
            EXPECT_EQ(game.send("focus"), std::vector<std::string>{"focus OKBtn|The Rules|shown 1"}) << key;
        }
        game.send("press " + key);
        EXPECT_FALSE(Contains(game.send("focus"), "OKBtn")) << key;
        EXPECT_EQ(game.dump().ended, 0);

        game.send("answer yes");
        game.send("finish");
        for (const char* press : {"", "Tab"}) {
            if (*press)
                game.send(std::string("press ") + press);
            EXPECT_EQ(game.send("focus"),
                      std::vector<std::string>{"focus CloseButton|Zorbik on the maze|shown 1"});
        }
        game.send("press " + key);
        EXPECT_EQ(game.wait(20000), 0) << key;
    }
}

} // namespace
} // namespace zorbik::testing
