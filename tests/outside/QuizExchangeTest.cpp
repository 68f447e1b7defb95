// The question exchange run against the scripted stand-in quiz program,
// copied into throw-away suite folders.
#include "outside/QuizExchange.h"
#include "tests/support/RunBounded.h"
#include "tests/support/TempFolder.h"
#include "world/Random.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace zorbik;

namespace {

const fs::path FakeQuiz = fs::path(ZORBIK_TEST_BINARY_DIR) / "helpers/fake_quiz/fake_quiz";

std::vector<std::string> Split(const std::string& line, char sep)
{
    std::vector<std::string> parts;
    std::stringstream in(line);
    for (std::string part; std::getline(in, part, sep);)
        parts.push_back(part);
    return parts;
}

// The quiz process as the window runs it.
struct QuizProgram : Quiz {
    bool runQuiz(const std::string& program, const std::string& params) override
    {
        return RunQuizProgram(program, params);
    }
};

class QuizExchange : public ::testing::Test {
  protected:
    QuizProgram quiz;
    zorbik::testing::TempFolder temp{"zorbik-quiz"};
    fs::path root = temp.dir;
    fs::path quizDir;
    fs::path log;
    GameState s;

    void SetUp() override
    {
        ASSERT_TRUE(fs::exists(FakeQuiz)) << FakeQuiz;
        log = root / "quiz.log";
        setenv("FAKE_QUIZ_LOG", log.c_str(), 1);
        setenv("FAKE_QUIZ_VERDICT", "1", 1);
        unsetenv("FAKE_QUIZ_SCRIPT");
        unsetenv("FAKE_QUIZ_SLEEP_MS");
        MakeSuite(root / "suite", "Quiz", "SOUND");
        s.MazeSize = 11;
        s.Score = 500;
        SeedRandom(7);
    }

    void TearDown() override
    {
        unsetenv("FAKE_QUIZ_LOG");
        unsetenv("FAKE_QUIZ_VERDICT");
        unsetenv("FAKE_QUIZ_SCRIPT");
        unsetenv("FAKE_QUIZ_SLEEP_MS");
    }

    // A suite folder with the game in Maze/ and the stand-in quiz program in
    // <quizFolder>/quiz; the game's command line names it.
    void MakeSuite(const fs::path& suite, const std::string& quizFolder, const std::string& sound,
                   const std::string& topic = "LCM")
    {
        fs::create_directories(suite / "Maze");
        quizDir = suite / quizFolder;
        fs::create_directories(quizDir);
        fs::copy_file(FakeQuiz, quizDir / "quiz", fs::copy_options::overwrite_existing);
        fs::permissions(quizDir / "quiz", fs::perms::owner_all);
        s.ExePath = (suite / "Maze" / "Game1").string();
        s.Args = {s.ExePath, quizFolder + "/quiz", topic, sound, "SHOWN"};
    }

    std::vector<std::vector<std::string>> LogLines() const
    {
        std::vector<std::vector<std::string>> lines;
        std::ifstream in(log);
        for (std::string line; std::getline(in, line);)
            lines.push_back(Split(line, '\t'));
        return lines;
    }

    fs::path Verdict() const { return quizDir / "Return.ret"; }
};

TEST_F(QuizExchange, OnlyAFirstByteOfOneIsRightAndTheFileIsAlwaysDeleted)
{
    struct Case {
        const char* verdict;
        bool right;
    };
    for (Case c : {Case{"1", true}, Case{"1more", true}, Case{"0", false}, Case{"2", false},
                   Case{"empty", false}, Case{"none", false}}) {
        SCOPED_TRACE(c.verdict);
        setenv("FAKE_QUIZ_VERDICT", c.verdict, 1);
        s.Score = 500;
        EXPECT_EQ(AskQuestion(s, quiz), c.right);
        EXPECT_EQ(s.Score, c.right ? 600 : 500); // level 1: d = 0, worth 100
        EXPECT_FALSE(fs::exists(Verdict()));
    }
}

TEST_F(QuizExchange, AVerdictFolderCountsAsWrongAndTheGameGoesOn)
{
    setenv("FAKE_QUIZ_VERDICT", "dir", 1);
    EXPECT_FALSE(AskQuestion(s, quiz));
    EXPECT_EQ(s.Score, 500);
    fs::remove_all(Verdict());
    setenv("FAKE_QUIZ_VERDICT", "1", 1);
    EXPECT_TRUE(AskQuestion(s, quiz));
    EXPECT_EQ(s.Score, 600);
}

TEST_F(QuizExchange, AnythingButARegularVerdictFileIsWrongNeverFollowedAndNeverBlocks)
{
    // What a quiz program that left no verdict may find in its place: a link
    // is removed itself, its target left alone; a FIFO has no first byte to
    // give and would block a careless reader for ever.
    const fs::path elsewhere = root / "elsewhere";
    fs::create_directories(elsewhere / "folder");
    std::ofstream(elsewhere / "right", std::ios::binary) << '\x01';
    struct Case {
        const char* what;
        std::function<void()> plant;
    };
    const Case cases[] = {
        {"fifo", [&] { ASSERT_EQ(mkfifo(Verdict().c_str(), 0644), 0); }},
        {"link to a folder", [&] { fs::create_directory_symlink(elsewhere / "folder", Verdict()); }},
        {"link to a right verdict", [&] { fs::create_symlink(elsewhere / "right", Verdict()); }},
        {"dangling link", [&] { fs::create_symlink(elsewhere / "gone", Verdict()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setenv("FAKE_QUIZ_VERDICT", "none", 1);
        c.plant();
        s.Score = 500;
        const auto asked =
            zorbik::testing::RunBounded([&] { return AskQuestion(s, quiz) ? "right" : "wrong"; });
        EXPECT_EQ(asked.value_or("hung or died"), "wrong");
        EXPECT_FALSE(fs::exists(fs::symlink_status(Verdict())));
        // Nothing in the way of the next verdict; the link's target untouched.
        setenv("FAKE_QUIZ_VERDICT", "1", 1);
        EXPECT_TRUE(AskQuestion(s, quiz));
        EXPECT_EQ(s.Score, 600);
    }
    EXPECT_TRUE(fs::is_directory(elsewhere / "folder"));
    EXPECT_EQ(fs::file_size(elsewhere / "right"), 1u);
}

TEST_F(QuizExchange, TheQuizProgramRunsInItsOwnFolderWithTopicDifficultyAndSoundSwitch)
{
    ASSERT_TRUE(AskQuestion(s, quiz));
    EXPECT_EQ(s.QuizTopic, "LCM 0 SOUND");
    auto lines = LogLines();
    ASSERT_EQ(lines.size(), 1u);
    const std::vector<std::string> expected{fs::canonical(quizDir).string(), "3", "LCM", "0", "SOUND"};
    EXPECT_EQ(lines[0], expected);
}

TEST_F(QuizExchange, FractionsSendNoTopicWord)
{
    s.Args[2] = "FRACTIONS";
    AskQuestion(s, quiz);
    EXPECT_EQ(s.QuizTopic, " 0 SOUND");
    auto lines = LogLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], (std::vector<std::string>{fs::canonical(quizDir).string(), "2", "0", "SOUND"}));
}

TEST_F(QuizExchange, BothDrawsTheTopicBeforeTheDifficultyForEveryQuestion)
{
    s.Args[2] = "BOTH";
    s.MazeSize = 59; // level 9: the difficulty takes a draw too
    const int questions = 60;
    SeedRandom(2024);
    std::vector<std::string> expected;
    for (int i = 0; i < questions; ++i) {
        std::string topic = Random(1000) < 500 ? "LCM" : "GCF";
        expected.push_back(topic + " " + std::to_string(DrawDifficulty(59)) + " SOUND");
    }
    SeedRandom(2024);
    std::set<std::string> topics;
    for (int i = 0; i < questions; ++i) {
        AskQuestion(s, quiz);
        EXPECT_EQ(s.QuizTopic, expected[i]);
        topics.insert(LogLines().back()[2]);
    }
    EXPECT_EQ(topics, (std::set<std::string>{"LCM", "GCF"}));
}

TEST_F(QuizExchange, AFirstLevelQuestionStillTakesItsDifficultyDraw)
{
    // Level 1 has only d = 0, yet the draw is made, so a question moves the
    // generator by one draw with a fixed topic and by two with "BOTH".
    for (const std::string topic : {"LCM", "BOTH"}) {
        s.Args[2] = topic;
        SeedRandom(31);
        if (topic == "BOTH")
            Random(1000);
        Random(1);
        const int expected = Random(1 << 30);
        SeedRandom(31);
        AskQuestion(s, quiz);
        EXPECT_EQ(Random(1 << 30), expected) << topic;
        SeedRandom(31);
        EXPECT_NE(Random(1 << 30), expected) << topic;
    }
}

TEST_F(QuizExchange, DifficultyFollowsTheLevelAndSetsTheGain)
{
    // Level 9: d from 8 to 14, and 14 for the draws that would pass it.
    s.MazeSize = 59;
    std::set<int> seen;
    for (int i = 0; i < 60; ++i) {
        const int before = s.Score;
        ASSERT_TRUE(AskQuestion(s, quiz));
        const int d = std::stoi(LogLines().back()[3]);
        EXPECT_GE(d, 8);
        EXPECT_LE(d, 14);
        EXPECT_EQ(s.Score - before, (d + 1) * 100);
        seen.insert(d);
    }
    EXPECT_EQ(seen.size(), 7u);
    for (int i = 0; i < 2000; ++i) {
        const int size = 11 + 6 * (i % 9);
        const int level = size / 6;
        const int d = DrawDifficulty(size);
        ASSERT_GE(d, level - 1);
        ASSERT_LE(d, std::min(14, 2 * level - 2));
    }
}

TEST_F(QuizExchange, AMissingOrNonExecutableQuizProgramIsNoRightAnswer)
{
    // A verdict left over from an earlier run must not count for a program
    // that never ran.
    std::ofstream(Verdict(), std::ios::binary) << '\x01';
    fs::permissions(quizDir / "quiz", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(RunAndWait((quizDir / "quiz").string(), "LCM 0 SOUND", 1));
    EXPECT_FALSE(AskQuestion(s, quiz));
    EXPECT_EQ(s.Score, 500);
    EXPECT_FALSE(fs::exists(Verdict()));

    s.Args[1] = "Quiz/nothing-here";
    EXPECT_FALSE(AskQuestion(s, quiz));
    s.Args[1] = "Missing/quiz";
    EXPECT_FALSE(AskQuestion(s, quiz));
    EXPECT_EQ(s.Score, 500);
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(QuizExchange, TheGameWaitsForTheQuizProgramToEnd)
{
    setenv("FAKE_QUIZ_SLEEP_MS", "300", 1);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(AskQuestion(s, quiz));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
}

TEST_F(QuizExchange, ScriptedAnswersAreTakenInOrder)
{
    const fs::path script = root / "answers.txt";
    std::ofstream(script) << "1\n0\n1more\r\nnone\n";
    setenv("FAKE_QUIZ_SCRIPT", script.c_str(), 1);
    EXPECT_TRUE(AskQuestion(s, quiz));
    EXPECT_FALSE(AskQuestion(s, quiz));
    EXPECT_TRUE(AskQuestion(s, quiz));
    EXPECT_FALSE(AskQuestion(s, quiz));
    EXPECT_EQ(s.Score, 700);
}

TEST_F(QuizExchange, PathsAndArgumentsReachTheQuizProgramLiterally)
{
    // Blanks, quotes and shell syntax in the suite folder, the quiz folder and
    // the sound switch: nothing may be split, run or expanded.
    const fs::path suite = root / "my suite 'x' \"y\" ; $(touch pwned) `touch pwned2` &";
    const std::string sound = "SOUND;$(touch${IFS}pwned3)|'\"";
    MakeSuite(suite, "Quiz $(id) ; rm", sound);
    ASSERT_TRUE(AskQuestion(s, quiz));
    auto lines = LogLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], (std::vector<std::string>{fs::canonical(quizDir).string(), "3", "LCM", "0", sound}));
    for (const fs::path& dir : {root, suite, quizDir, fs::current_path()})
        for (const char* name : {"pwned", "pwned2", "pwned3"})
            EXPECT_FALSE(fs::exists(dir / name)) << dir / name;
}

TEST_F(QuizExchange, LongPathsAndArgumentStringsArePassedWhole)
{
    fs::path suite = root;
    for (int i = 0; i < 6; ++i)
        suite /= std::string(60, char('a' + i));
    const std::string sound(300, 'S');
    MakeSuite(suite, std::string(80, 'q'), sound);
    ASSERT_GT((quizDir / "quiz").string().size(), 400u);
    ASSERT_TRUE(AskQuestion(s, quiz));
    auto lines = LogLines();
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].size(), 5u);
    EXPECT_EQ(lines[0][0], fs::canonical(quizDir).string());
    EXPECT_EQ(lines[0][4], sound);
}

TEST(QuizParams, SplitAtBlanksDroppingEmptyWords)
{
    EXPECT_EQ(SplitParams(" 3 SOUND"), (std::vector<std::string>{"3", "SOUND"}));
    EXPECT_EQ(SplitParams("LCM  12 x\ty "), (std::vector<std::string>{"LCM", "12", "x\ty"}));
    EXPECT_TRUE(SplitParams("   ").empty());
}

} // namespace
