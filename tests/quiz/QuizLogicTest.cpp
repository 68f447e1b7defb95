// The quiz program's questions, answer checking and verdict file.
#include "quiz/QuizLogic.h"
#include "quiz/RecentQuestions.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <set>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace zorbik::quiz;

namespace {

QuizArgs Parse(std::vector<const char*> words)
{
    words.insert(words.begin(), "quiz");
    return ParseArgs(static_cast<int>(words.size()), words.data());
}

TEST(QuizArgs, ReadsWhatTheGameSends)
{
    QuizArgs a = Parse({"LCM", "3", "SOUND"});
    EXPECT_EQ(a.topics, std::vector<Topic>{Topic::Lcm});
    EXPECT_EQ(a.difficulty, 3);
    EXPECT_TRUE(a.sound);
    a = Parse({"GCF", "14", "NOSOUND"});
    EXPECT_EQ(a.topics, std::vector<Topic>{Topic::Gcf});
    EXPECT_EQ(a.difficulty, 14);
    EXPECT_FALSE(a.sound);
    a = Parse({"7", "SOUND"}); // fractions: no topic word
    EXPECT_EQ(a.topics, std::vector<Topic>{Topic::Fractions});
    EXPECT_EQ(a.difficulty, 7);
    EXPECT_EQ(Parse({"LCM", "99", "SOUND"}).difficulty, 14);
    EXPECT_EQ(Parse({"LCM", "-4"}).difficulty, 0);
    EXPECT_EQ(Parse({"LCM", "x"}).difficulty, 0);
    EXPECT_EQ(Parse({}).topics, std::vector<Topic>{Topic::Fractions});
}

// Topic words count in any case; a word the quiz does not know is kept for
// the window's notice and offers every topic instead of silently one.
TEST(QuizArgs, TopicWordsInAnyCase)
{
    const std::vector<Topic> all = {Topic::Lcm, Topic::Gcf, Topic::Fractions};
    const struct {
        const char* word;
        std::vector<Topic> topics;
        const char* unknown;
    } cases[] = {
        {"lcm", {Topic::Lcm}, ""},
        {"Gcf", {Topic::Gcf}, ""},
        {"fractions", {Topic::Fractions}, ""},
        {"both", {Topic::Lcm, Topic::Gcf}, ""},
        {"algebra", all, "algebra"},
    };
    for (const auto& c : cases) {
        const QuizArgs a = Parse({c.word, "2", "NOSOUND"});
        EXPECT_EQ(a.topics, c.topics) << c.word;
        EXPECT_EQ(a.unknownTopic, c.unknown) << c.word;
        EXPECT_EQ(a.difficulty, 2) << c.word;
        EXPECT_FALSE(a.sound) << c.word;
    }
    EXPECT_NE(UnknownTopicLine("algebra").find("\"algebra\""), std::string::npos);
}

// Every question at every difficulty is solvable, its stored answer is the
// true one, and typing that answer is judged right.
TEST(QuizQuestions, AnswersAreRightAtEveryDifficulty)
{
    std::mt19937 rng(99);
    for (Topic topic : {Topic::Lcm, Topic::Gcf, Topic::Fractions}) {
        for (int d = 0; d <= MaxDifficulty; ++d) {
            for (int i = 0; i < 300; ++i) {
                const Question q = MakeQuestion(topic, d, rng);
                SCOPED_TRACE(q.text);
                ASSERT_FALSE(q.text.empty());
                ASSERT_FALSE(q.hint.empty());
                ASSERT_EQ(CheckAnswer(q, q.answerText), Check::Right);
                if (topic == Topic::Lcm) {
                    ASSERT_TRUE(q.a > 0 && q.b > 0 && q.a != q.b);
                    ASSERT_EQ(q.answer.p, std::lcm<int64_t>(q.a, q.b));
                } else if (topic == Topic::Gcf) {
                    ASSERT_TRUE(q.a > 0 && q.b > 0 && q.a != q.b);
                    ASSERT_EQ(q.answer.p, std::gcd(q.a, q.b));
                    ASSERT_GT(q.answer.p, 1); // never the dull answer 1
                } else if (q.kind == FractionKind::Add) {
                    const Fraction sum = Reduced({q.x.p * q.y.q + q.y.p * q.x.q, q.x.q * q.y.q});
                    ASSERT_EQ(q.answer.p, sum.p);
                    ASSERT_EQ(q.answer.q, sum.q);
                    ASSERT_TRUE(q.x.p > 0 && q.x.p < q.x.q && q.y.p > 0 && q.y.p < q.y.q);
                    if (d > 0) { // the fractions to add are given in lowest terms
                        ASSERT_EQ(std::gcd(q.x.p, q.x.q), 1);
                        ASSERT_EQ(std::gcd(q.y.p, q.y.q), 1);
                    }
                } else {
                    const Fraction r = Reduced(q.x);
                    ASSERT_EQ(q.answer.p, r.p);
                    ASSERT_EQ(q.answer.q, r.q);
                    ASSERT_NE(q.x.q, r.q); // there is something to simplify
                }
            }
        }
    }
}

TEST(QuizQuestions, NumbersGrowWithTheDifficulty)
{
    std::mt19937 rng(5);
    auto meanSize = [&](Topic topic, int d) {
        double total = 0;
        for (int i = 0; i < 400; ++i) {
            const Question q = MakeQuestion(topic, d, rng);
            total += topic == Topic::Fractions ? double(std::max(q.x.q, q.y.q)) : double(q.b);
        }
        return total / 400;
    };
    for (Topic topic : {Topic::Lcm, Topic::Gcf, Topic::Fractions}) {
        double previous = 0;
        for (int d : {0, 3, 6, 9, 12, 14}) {
            const double m = meanSize(topic, d);
            EXPECT_GT(m, previous) << "topic " << int(topic) << " d " << d;
            previous = m;
        }
    }
    // The easiest: small numbers for mental arithmetic. From the second step
    // on an LCM is never just the product, so the common factor must be found.
    for (int i = 0; i < 200; ++i) {
        const Question lcm = MakeQuestion(Topic::Lcm, 0, rng);
        EXPECT_TRUE(lcm.b <= 16 && lcm.answer.p <= 70) << lcm.text;
        EXPECT_LE(MakeQuestion(Topic::Gcf, 0, rng).b, 36);
        const Question harder = MakeQuestion(Topic::Lcm, 1 + i % MaxDifficulty, rng);
        EXPECT_LT(harder.answer.p, int64_t(harder.a) * harder.b) << harder.text;
    }
    EXPECT_GT(meanSize(Topic::Lcm, 14), 100);
    EXPECT_GT(meanSize(Topic::Gcf, 14), 100);
}

TEST(QuizAnswers, EquivalentFormsUnlessLowestTermsAreAsked)
{
    Question add;
    add.topic = Topic::Fractions;
    add.answer = {3, 4};
    EXPECT_EQ(CheckAnswer(add, "3/4"), Check::Right);
    EXPECT_EQ(CheckAnswer(add, " 6 / 8 "), Check::Right);
    EXPECT_EQ(CheckAnswer(add, "-3/-4"), Check::Right);
    EXPECT_EQ(CheckAnswer(add, "4/3"), Check::Wrong);
    EXPECT_EQ(CheckAnswer(add, "1"), Check::Wrong);

    Question whole = add;
    whole.answer = {2, 1};
    EXPECT_EQ(CheckAnswer(whole, "2"), Check::Right);
    EXPECT_EQ(CheckAnswer(whole, "8/4"), Check::Right);

    Question simplify = add;
    simplify.lowestTermsOnly = true;
    EXPECT_EQ(CheckAnswer(simplify, "3/4"), Check::Right);
    EXPECT_EQ(CheckAnswer(simplify, "6/8"), Check::NotLowest);
    EXPECT_EQ(CheckAnswer(simplify, "5/8"), Check::Wrong);
    EXPECT_EQ(VerdictFor(Check::NotLowest, false), VerdictWrong);

    Question lcm;
    lcm.topic = Topic::Lcm;
    lcm.answer = {12, 1};
    EXPECT_EQ(CheckAnswer(lcm, "12"), Check::Right);
    EXPECT_EQ(CheckAnswer(lcm, "13"), Check::Wrong);
    for (const char* typed : {"", "  ", "abc", "12a", "1 2", "3/0", "/4", "3/", "24/2", "1234567890", "-"})
        EXPECT_EQ(CheckAnswer(typed[0] == '3' || typed[0] == '/' ? add : lcm, typed), Check::Unreadable)
            << '"' << typed << '"';
}

TEST(QuizVerdict, OnlyARightAnswerWithoutHintIsOne)
{
    EXPECT_EQ(VerdictFor(Check::Right, false), 1);
    EXPECT_EQ(VerdictFor(Check::Right, true), VerdictRightWithHint);
    EXPECT_EQ(VerdictFor(Check::Wrong, false), VerdictWrong);
    EXPECT_EQ(VerdictFor(Check::Wrong, true), VerdictWrong);
    EXPECT_NE(VerdictNotAnswered, 1);

    const zorbik::testing::TempFolder temp("zorbik-verdict");
    const fs::path& dir = temp.dir;
    auto bytes = [&] { return zorbik::testing::Slurp(dir / "Return.ret"); };
    ASSERT_TRUE(WriteVerdict(dir.string(), VerdictRight));
    EXPECT_EQ(bytes(), std::string(1, '\x01'));
    ASSERT_TRUE(WriteVerdict(dir.string() + "/", VerdictWrong)); // replaces the old one
    EXPECT_EQ(bytes(), std::string(1, '\0'));
    EXPECT_FALSE(WriteVerdict((dir / "gone").string(), VerdictRight));

    // Something planted at "Return.ret" is replaced, never written through or
    // waited on: a link leaves its target as it was, a FIFO does not block.
    std::ofstream(dir / "victim") << "keep me";
    fs::remove(dir / "Return.ret");
    fs::create_symlink(dir / "victim", dir / "Return.ret");
    ASSERT_TRUE(WriteVerdict(dir.string(), VerdictRight));
    EXPECT_FALSE(fs::is_symlink(dir / "Return.ret"));
    EXPECT_EQ(bytes(), std::string(1, '\x01'));
    EXPECT_EQ(zorbik::testing::Slurp(dir / "victim"), "keep me");
    fs::remove(dir / "Return.ret");
    ASSERT_EQ(mkfifo((dir / "Return.ret").c_str(), 0644), 0);
    ASSERT_TRUE(WriteVerdict(dir.string(), VerdictWrong));
    EXPECT_EQ(bytes(), std::string(1, '\0'));
}

// At every difficulty each topic offers at least forty different questions,
// never fewer than the step below, and a GCF is the smaller number itself in
// at most a quarter of the questions.
TEST(QuizQuestions, VarietyAtEveryDifficulty)
{
    std::mt19937 rng(2024);
    constexpr int Draws = 3000;
    for (Topic topic : {Topic::Lcm, Topic::Gcf, Topic::Fractions}) {
        size_t previous = 0;
        for (int d = 0; d <= MaxDifficulty; ++d) {
            std::set<std::string> texts;
            int smallerIsAnswer = 0;
            for (int i = 0; i < Draws; ++i) {
                const Question q = MakeQuestion(topic, d, rng);
                texts.insert(q.text);
                smallerIsAnswer += topic == Topic::Gcf && q.answer.p == q.a;
            }
            SCOPED_TRACE("topic " + std::to_string(int(topic)) + " difficulty " + std::to_string(d));
            EXPECT_GE(texts.size(), 40u);
            // Once the draws nearly all differ, the sample cannot rank the steps.
            EXPECT_GE(texts.size(), std::min(previous, size_t(Draws * 0.9)));
            previous = texts.size();
            EXPECT_LE(smallerIsAnswer, Draws / 4);
        }
    }
}

// Without the list of recent questions, four first-level questions would
// repeat one in about ten games; with it, not at all.
TEST(QuizQuestions, RecentQuestionsAreAvoidedAndTheListStaysSmall)
{
    const zorbik::testing::TempFolder temp("zorbik-recent");
    const std::string dir = temp.dir.string();
    std::mt19937 rng(7);
    std::set<std::string> seen;
    for (int i = 0; i < 30; ++i) {
        const std::vector<std::string> recent = ReadRecent(dir);
        EXPECT_EQ(recent.size(), std::min<size_t>(i, RecentKept));
        const Question q = MakeFreshQuestion(Topic::Lcm, 0, rng, recent);
        if (i < int(RecentKept)) {
            EXPECT_TRUE(seen.insert(q.text).second) << q.text;
        }
        ASSERT_TRUE(RememberQuestion(dir, recent, q.text));
        EXPECT_EQ(ReadRecent(dir).front(), q.text);
    }
    // A FIFO or a folder in the list's place is simply no list.
    fs::remove(fs::path(dir) / RecentFileName);
    ASSERT_EQ(mkfifo((fs::path(dir) / RecentFileName).c_str(), 0644), 0);
    EXPECT_TRUE(ReadRecent(dir).empty());
}

// The stake line names the points of the difficulty and the cost of the hint
// or a wrong answer; the feedback is exact about fractions that are equal but
// not in lowest terms and never says "well done" for a verdict the game
// will not get.
TEST(QuizFeedback, StakesWorkingAndHonestVerdicts)
{
    for (auto [d, points] : {std::pair{0, "100 points"}, {3, "400 points"}, {14, "1500 points"}}) {
        const std::string line = StakeLine(d);
        EXPECT_NE(line.find(points), std::string::npos) << line;
        EXPECT_NE(line.find("10 health"), std::string::npos) << line;
        EXPECT_NE(line.find("1000 points"), std::string::npos) << line;
    }

    std::mt19937 rng(3);
    Question simplify;
    do
        simplify = MakeQuestion(Topic::Fractions, 6, rng);
    while (simplify.kind != FractionKind::Simplify);
    const std::string twice =
        std::to_string(2 * simplify.answer.p) + "/" + std::to_string(2 * simplify.answer.q);
    ASSERT_EQ(CheckAnswer(simplify, twice), Check::NotLowest);
    const std::string notLowest = Feedback(simplify, Check::NotLowest, false, twice, 6, true);
    EXPECT_NE(notLowest.find(twice + " is equal to " + simplify.answerText), std::string::npos) << notLowest;
    EXPECT_NE(notLowest.find("not in lowest terms"), std::string::npos) << notLowest;
    EXPECT_NE(notLowest.find("divided by 2."), std::string::npos) << notLowest;

    // Every feedback shows the answer's working, which ends in the answer.
    for (Topic topic : {Topic::Lcm, Topic::Gcf, Topic::Fractions}) {
        const Question q = MakeQuestion(topic, 4, rng);
        for (Check check : {Check::Right, Check::Wrong}) {
            const std::string text = Feedback(q, check, false, "1", 4, true);
            EXPECT_NE(text.find(q.working), std::string::npos) << text;
        }
        EXPECT_NE(q.working.find(q.answerText), std::string::npos) << q.working;
        EXPECT_NE(Feedback(q, Check::Right, false, q.answerText, 4, true).find("Well done"),
                  std::string::npos);
        const std::string lost = Feedback(q, Check::Right, false, q.answerText, 4, false);
        EXPECT_EQ(lost.find("Well done"), std::string::npos) << lost;
        EXPECT_NE(lost.find("could not be passed to the game"), std::string::npos) << lost;
    }
}

} // namespace
