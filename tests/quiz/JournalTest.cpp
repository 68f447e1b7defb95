// The pupil's journal and the step the quiz chooses from it.
#include "journal/Journal.h"
#include "quiz/StepChoice.h"
#include "tests/support/GameProcess.h"
#include "tests/support/RunBounded.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace zorbik;
using namespace zorbik::quiz;
using zorbik::testing::Slurp;

namespace {

JournalEntry Entry(Topic topic, const std::string& verdict, bool hint = false)
{
    JournalEntry e;
    e.time = "2026-12-08T10:02:03+0100";
    e.game = 4242;
    e.topic = topic;
    e.step = 3;
    e.sent = 5;
    e.verdict = verdict;
    e.hint = hint;
    e.question = "What is the least common multiple (LCM) of 4 and 6?";
    e.typed = "24\tor\n12";
    e.answer = "12";
    e.working = "12 = 6 \u00d7 2 = 4 \u00d7 3 is the first multiple of 6 that 4 goes into.";
    return e;
}

// Lines go in whole and come back as written; nothing planted at the
// journal's name is written through or waited on, and a disk that fills up
// part-way through a line leaves the earlier lines as they were.
TEST(Journal, AppendsWholeLinesSafely)
{
    const zorbik::testing::TempFolder temp("zorbik-journal");
    const std::string path = temp.at(JournalFileName);
    ASSERT_TRUE(AppendToJournal(path, Entry(Topic::Lcm, "wrong")));
    ASSERT_TRUE(AppendToJournal(path, Entry(Topic::Fractions, "right", true)));
    const std::string twoLines = Slurp(path);
    auto entries = ReadJournal(path);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].typed, "24 or 12"); // a tab or line break cannot split a line
    // What was typed is kept to 40 bytes, cut between whole letters (never a
    // stray half of a Cyrillic letter), without controls or direction marks.
    JournalEntry typed = Entry(Topic::Lcm, "wrong");
    typed.typed = "1\xE2\x80\xAE" + std::string(22, ' ') +
                  "\x1B"
                  "\u0434\u0432\u0435\u043d\u0430\u0434\u0446\u0430\u0442\u044c";
    ASSERT_EQ(ParseJournalLine(JournalLine(typed)).value().typed,
              "1" + std::string(22, ' ') + "\u0434\u0432\u0435\u043d\u0430\u0434\u0446\u0430");
    EXPECT_EQ(entries[0].working, Entry(Topic::Lcm, "").working);
    EXPECT_EQ(entries[1].topic, Topic::Fractions);
    EXPECT_TRUE(entries[1].hint);
    EXPECT_FALSE(entries[1].counts());
    EXPECT_EQ(ReadJournal(path, twoLines.find('\n') - 5).size(), 1u); // from inside a line: the next one
    EXPECT_EQ(twoLines.substr(twoLines.size() - 2), "\r\n");

    // The disk fills up within the third line: the first two stay whole.
    const auto full = zorbik::testing::RunBounded([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t limit = twoLines.size() + 20;
        const rlimit r{limit, limit};
        setrlimit(RLIMIT_FSIZE, &r);
        return std::string(AppendToJournal(path, Entry(Topic::Gcf, "right")) ? "written" : "refused");
    });
    EXPECT_EQ(full, std::optional<std::string>("refused"));
    EXPECT_EQ(Slurp(path), twoLines);

    // A link, a FIFO, a folder or a second hard link at the name: refused,
    // at once, and the file behind it unchanged.
    const std::string victim = temp.at("victim");
    zorbik::testing::Put(victim, "keep me");
    const std::string other = temp.at("other");
    fs::create_symlink(victim, temp.at("link"));
    ASSERT_EQ(mkfifo(temp.at("fifo").c_str(), 0644), 0);
    fs::create_directory(temp.at("folder"));
    fs::create_hard_link(victim, temp.at("hard"));
    for (const char* name : {"link", "fifo", "folder", "hard"}) {
        const auto result = zorbik::testing::RunBounded(
            [&] {
                return std::string(AppendToJournal(temp.at(name), Entry(Topic::Lcm, "right")) ? "yes" : "no");
            },
            5);
        EXPECT_EQ(result, std::optional<std::string>("no")) << name;
    }
    EXPECT_EQ(Slurp(victim), "keep me");

    // At its limit the journal drops its older half and goes on.
    JournalEntry big = Entry(Topic::Lcm, "right");
    big.working = std::string(900, 'w');
    for (std::size_t i = 0; i < JournalLimit / 900 + 10; ++i)
        ASSERT_TRUE(AppendToJournal(other, big));
    EXPECT_LE(fs::file_size(other), JournalLimit);
    EXPECT_GE(fs::file_size(other), JournalLimit / 2);
    EXPECT_EQ(ReadJournal(other).size() * JournalLine(big).size(), fs::file_size(other));
}

// Under the ceiling the quiz follows the pupil: two misses in a row on a
// topic (wrong, hint, no answer) make that topic one step easier, each
// right answer climbs one back; the other topics are not touched.
TEST(StepChoice, FollowsThePupilUnderTheCeiling)
{
    const struct {
        std::vector<std::pair<Topic, const char*>> history; // oldest first; "hint" = right with hint
        int eased;
    } cases[] = {
        {{}, 0},
        {{{Topic::Lcm, "wrong"}}, 0},
        {{{Topic::Lcm, "wrong"}, {Topic::Lcm, "hint"}}, 1},
        {{{Topic::Lcm, "wrong"}, {Topic::Gcf, "right"}, {Topic::Lcm, "not-answered"}}, 1},
        {{{Topic::Lcm, "wrong"}, {Topic::Lcm, "wrong"}, {Topic::Lcm, "wrong"}, {Topic::Lcm, "not-lowest"}},
         2},
        {{{Topic::Lcm, "wrong"}, {Topic::Lcm, "wrong"}, {Topic::Lcm, "right"}}, 0},
        {{{Topic::Lcm, "wrong"},
          {Topic::Lcm, "wrong"},
          {Topic::Lcm, "wrong"},
          {Topic::Lcm, "wrong"},
          {Topic::Lcm, "right"}},
         1},
        {{{Topic::Gcf, "wrong"}, {Topic::Gcf, "wrong"}}, 0},
        {{{Topic::Lcm, "wrong"}, {Topic::Lcm, "right"}, {Topic::Lcm, "wrong"}}, 0},
    };
    for (const auto& c : cases) {
        std::vector<JournalEntry> journal;
        for (const auto& [topic, verdict] : c.history)
            journal.push_back(std::string(verdict) == "hint" ? Entry(topic, "right", true)
                                                             : Entry(topic, verdict));
        EXPECT_EQ(StepsEased(Topic::Lcm, journal), c.eased) << c.history.size();
    }

    const struct {
        const char *teachers, *launchers;
        int ceiling;
    } ceilings[] = {{"", "", 14},
                    {"gentle", "", 4},
                    {"", "Standard", 9},
                    {"7", "challenging", 7},
                    {"standard", "gentle", 4},
                    {"15", "hard", 14}};
    for (const auto& c : ceilings)
        EXPECT_EQ(LowerCeiling(c.teachers, c.launchers), c.ceiling) << c.teachers << "/" << c.launchers;
    EXPECT_EQ(StepFor(8, 14, 0), 8);
    EXPECT_EQ(StepFor(8, 4, 0), 4);
    EXPECT_EQ(StepFor(8, 4, 1), 3);
    EXPECT_EQ(StepFor(1, 14, 3), 0);
}

// The real quiz program reads the teacher's ceiling (system settings) and
// the launcher's (environment), makes its question under the lower one,
// eased after two misses in a row on the topic, and journals it with the
// game's difficulty beside it.
TEST(StepChoice, TheRealQuizHonoursTheCeilingAndJournalsIt)
{
    const zorbik::testing::TempFolder temp("zorbik-quiz-ceiling");
    fs::copy_file(fs::path(ZORBIK_SUITE_DIR) / "Quiz" / "quiz", temp.dir / "quiz");
    zorbik::testing::Put(temp.dir / "teacher" / "zorbik" / "zorbik.conf", "[General]\nquestions=2\n");
    const struct {
        const char* topic;   // "" for fractions
        const char* teacher; // XDG_CONFIG_DIRS
        const char* launcher;
        int step;
    } cases[] = {{"LCM", "/nonexistent", "", 14},
                 {"", "/nonexistent", "gentle", 4},
                 {"GCF", "teacher", "gentle", 2},
                 {"GCF", "/nonexistent", "", 14},
                 {"GCF", "/nonexistent", "", 13}}; // two GCF misses in a row before it
    for (const auto& c : cases) {
        std::vector<std::string> env{"ZORBIK_TEST_DRIVER=1", "ZORBIK_NO_AUDIO=1", "QT_QPA_PLATFORM=offscreen",
                                     "ZORBIK_QUESTIONS=" + std::string(c.launcher),
                                     "XDG_CONFIG_DIRS=" +
                                         (c.teacher[0] == '/' ? std::string(c.teacher) : temp.at(c.teacher))};
        for (char** e = environ; *e; ++e)
            env.emplace_back(*e);
        zorbik::testing::DrivenProgram quiz;
        std::vector<std::string> words{temp.at("quiz"), c.topic, "14", "NOSOUND"};
        if (!*c.topic)
            words.erase(words.begin() + 1);
        ASSERT_TRUE(quiz.start(words, env));
        quiz.send("key Escape");
        EXPECT_EQ(quiz.wait(10000), 0);
    }
    const auto journal = ReadJournal(temp.at(JournalFileName));
    ASSERT_EQ(journal.size(), std::size(cases));
    for (std::size_t i = 0; i < journal.size(); ++i) {
        EXPECT_EQ(journal[i].step, cases[i].step) << i;
        EXPECT_EQ(journal[i].sent, 14);
        EXPECT_EQ(journal[i].verdict, "not-answered");
    }
}

// The launcher's "BOTH" reaches the real quiz in its environment: sent LCM
// twice, it balances the two topics; without the word it keeps to LCM.
TEST(QuizTopics, TheLaunchersBothReachesTheRealQuiz)
{
    const zorbik::testing::TempFolder temp("zorbik-quiz-both");
    fs::copy_file(fs::path(ZORBIK_SUITE_DIR) / "Quiz" / "quiz", temp.dir / "quiz");
    for (const char* told : {"BOTH", "BOTH", "", ""}) {
        std::vector<std::string> env{std::string(TestDriverVariable) + "=1", "QT_QPA_PLATFORM=offscreen"};
        if (*told)
            env.push_back(std::string(GameTopicVariable) + "=" + told);
        for (char** e = environ; *e; ++e)
            if (std::string(*e).rfind(GameTopicVariable, 0) != 0)
                env.emplace_back(*e);
        zorbik::testing::DrivenProgram quiz;
        ASSERT_TRUE(quiz.start({temp.at("quiz"), "LCM", "3", "NOSOUND"}, env));
        quiz.send("key Escape");
        EXPECT_EQ(quiz.wait(10000), 0);
    }
    const auto journal = ReadJournal(temp.at(JournalFileName));
    ASSERT_EQ(journal.size(), 4u);
    EXPECT_NE(journal[0].topic, journal[1].topic);
    EXPECT_EQ(journal[2].topic, Topic::Lcm);
    EXPECT_EQ(journal[3].topic, Topic::Lcm);
}

} // namespace
