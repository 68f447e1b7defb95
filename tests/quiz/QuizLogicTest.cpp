// The quiz program's questions, answer checking and verdict file.
#include "quiz/QuizLogic.h"
#include "quiz/OfferedTopics.h"
#include "quiz/RecentQuestions.h"
#include "tests/support/Languages.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <set>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace zorbik;
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
        for (int d = 0; d <= HighestDifficulty; ++d) {
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

// The classroom ceilings of the four bands of steps, checked on 2000
// questions per topic and step; within them the numbers still grow: the
// mean answer (the mean common bottom number for fractions) rises with
// every step, and from the fourth step on an LCM is never the product.
TEST(QuizQuestions, CeilingsHoldAndNumbersGrowStepByStep)
{
    struct Band {
        int lastStep, lcm, gcfLarger, gcfAnswer, gcfPrime, bottom, common;
    };
    const Band bands[] = {{2, 60, 36, 12, 7, 10, 100},
                          {6, 120, 100, 12, 7, 12, 60},
                          {10, 240, 150, 25, 13, 16, 96},
                          {14, 400, 200, 25, 13, 20, 120}};
    auto largestPrime = [](int64_t n) {
        int64_t p = 2, largest = 1;
        for (; n > 1; ++p)
            for (; n % p == 0; n /= p)
                largest = p;
        return largest;
    };
    std::mt19937 rng(5);
    for (Topic topic : {Topic::Lcm, Topic::Gcf, Topic::Fractions}) {
        double previous = 0;
        for (int d = 0; d <= HighestDifficulty; ++d) {
            const Band& c = *std::find_if(std::begin(bands), std::end(bands),
                                          [&](const Band& b) { return d <= b.lastStep; });
            double total = 0;
            for (int i = 0; i < 2000; ++i) {
                const Question q = MakeQuestion(topic, d, rng);
                SCOPED_TRACE(q.text);
                if (topic == Topic::Lcm) {
                    ASSERT_LE(q.answer.p, c.lcm);
                    if (d >= 3) {
                        ASSERT_LT(q.answer.p, int64_t(q.a) * q.b);
                    }
                    total += double(q.answer.p);
                } else if (topic == Topic::Gcf) {
                    ASSERT_LE(q.b, c.gcfLarger);
                    ASSERT_LE(q.answer.p, c.gcfAnswer);
                    ASSERT_LE(largestPrime(q.answer.p), c.gcfPrime);
                    total += double(q.answer.p);
                } else if (q.kind == FractionKind::Add) {
                    const int64_t common = std::lcm(q.x.q, q.y.q);
                    ASSERT_LE(std::max(q.x.q, q.y.q), c.bottom);
                    ASSERT_LE(common, c.common);
                    if (d == 0) {
                        ASSERT_LE(q.answer.p, q.answer.q); // the sum is at most 1
                    }
                    total += double(common);
                } else {
                    ASSERT_LE(q.answer.q, c.bottom);
                    ASSERT_LE(q.x.q, c.common);
                    total += double(q.x.q);
                }
            }
            EXPECT_GT(total / 2000, previous) << "topic " << int(topic) << " step " << d;
            previous = total / 2000;
        }
    }
}

TEST(QuizAnswers, EquivalentFormsUnlessLowestTermsAreAsked)
{
    Question add;
    add.topic = Topic::Fractions;
    add.answer = {3, 4};
    EXPECT_EQ(CheckAnswer(add, "3/4"), Check::Right);
    EXPECT_EQ(CheckAnswer(add, " 6 / 8 "), Check::Right);
    EXPECT_EQ(CheckAnswer(add, "-3/-4"), Check::Negative);
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
    for (const char* typed :
         {"", "  ", "abc", "12a", "1 2", "3/0", "/4", "3/", "24/2", "1234567890", "-", "1,2,3"})
        EXPECT_EQ(CheckAnswer(typed[0] == '3' || typed[0] == '/' ? add : lcm, typed), Check::Unreadable)
            << '"' << typed << '"';
}

// Answers as children write them: mixed numbers, thousands separators, a
// plus sign and blanks of any kind count as their value; a decimal or a
// negative number is not judged, and the pupil is told what to change.
TEST(QuizAnswers, AsChildrenWriteThem)
{
    Question sum;
    sum.topic = Topic::Fractions;
    sum.answer = {5, 4};
    Question simplify = sum;
    simplify.lowestTermsOnly = true;
    Question lcm;
    lcm.topic = Topic::Lcm;
    lcm.answer = {1200, 1};
    const struct {
        const Question& q;
        const char* typed;
        Check check;
        const char* advice; // part of what the pupil is told when not judged
    } cases[] = {
        {sum, "1 1/4", Check::Right, ""},
        {sum, "1  1/4", Check::Right, ""},
        {sum, "1\u00a01/4", Check::Right, ""},
        {sum, "+5/4", Check::Right, ""},
        {sum, "10/8", Check::Right, ""},
        {sum, "1 2/8", Check::Right, ""},
        {sum, "1 1/5", Check::Wrong, ""},
        {simplify, "1 1/4", Check::Right, ""},
        {simplify, "1 2/8", Check::NotLowest, ""},
        {simplify, "10/8", Check::NotLowest, ""},
        {lcm, "1,200", Check::Right, ""},
        {lcm, "1 200", Check::Right, ""},
        {lcm, "1\u202f200", Check::Right, ""},
        {lcm, "+1200", Check::Right, ""},
        {lcm, "1,2000", Check::Decimal, "whole number"},
        {sum, "1.25", Check::Decimal, "Write 1.25 as a fraction: 5/4 or 1 1/4."},
        {sum, "0,5", Check::Decimal, "like 1/2"},
        {lcm, "1200.5", Check::Decimal, "whole number"},
        {lcm, "-1200", Check::Negative, "minus"},
        {sum, "\u22125/4", Check::Negative, "minus"},
        {lcm, "1 1/4", Check::Unreadable, "whole number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(CheckAnswer(c.q, c.typed), c.check);
        EXPECT_EQ(Judged(c.check), std::string(c.advice).empty());
        if (!Judged(c.check)) {
            EXPECT_NE(RetypeAdvice(c.q, c.typed).find(c.advice), std::string::npos)
                << RetypeAdvice(c.q, c.typed);
        }
    }

    // Every other language writes decimals with a comma: "1,125" is 1.125,
    // never 1125, and neither it nor "1,200" is judged; blanks still group.
    Question eighths = sum;
    eighths.answer = {9, 8};
    for (const std::string& language : zorbik::testing::AllLanguages) {
        const zorbik::testing::ScopedLanguage speaking(language);
        SCOPED_TRACE(language);
        ASSERT_EQ(DecimalComma(), !language.empty());
        if (language.empty())
            continue;
        EXPECT_EQ(CheckAnswer(eighths, "1,125"), Check::Decimal);
        EXPECT_NE(RetypeAdvice(eighths, "1,125").find("9/8"), std::string::npos)
            << RetypeAdvice(eighths, "1,125");
        EXPECT_EQ(CheckAnswer(lcm, "1,200"), Check::Decimal);
        EXPECT_EQ(CheckAnswer(lcm, "1 200"), Check::Right);
        EXPECT_EQ(CheckAnswer(eighths, "1 1/8"), Check::Right);
    }
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
// and a GCF is the smaller number itself in at most a quarter of the
// questions.
TEST(QuizQuestions, VarietyAtEveryDifficulty)
{
    std::mt19937 rng(2024);
    constexpr int Draws = 3000;
    for (Topic topic : {Topic::Lcm, Topic::Gcf, Topic::Fractions}) {
        for (int d = 0; d <= HighestDifficulty; ++d) {
            std::set<std::string> texts;
            int smallerIsAnswer = 0;
            for (int i = 0; i < Draws; ++i) {
                const Question q = MakeQuestion(topic, d, rng);
                texts.insert(q.text);
                smallerIsAnswer += topic == Topic::Gcf && q.answer.p == q.a;
            }
            SCOPED_TRACE("topic " + std::to_string(int(topic)) + " difficulty " + std::to_string(d));
            EXPECT_GE(texts.size(), 40u);
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
        const std::vector<RecentQuestion> recent = ReadRecent(dir);
        EXPECT_EQ(recent.size(), std::min<size_t>(i, RecentKept));
        const Question q = MakeFreshQuestion(Topic::Lcm, 0, rng, RecentTexts(recent));
        if (i < int(RecentKept)) {
            EXPECT_TRUE(seen.insert(q.text).second) << q.text;
        }
        ASSERT_TRUE(RememberQuestion(dir, recent, {Topic::Lcm, q.text}));
        EXPECT_EQ(ReadRecent(dir).front().text, q.text);
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
        EXPECT_NE(line.find("10 percent of your health"), std::string::npos) << line;
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

// After a wrong answer the feedback names the mistake the typed answer
// shows; an answer that shows none gets no such sentence.
TEST(QuizFeedback, NamesTheCommonMistakes)
{
    Question lcm;
    lcm.topic = Topic::Lcm;
    lcm.a = 12, lcm.b = 18, lcm.answer = {36, 1};
    Question gcf = lcm;
    gcf.topic = Topic::Gcf;
    gcf.a = 24, gcf.b = 36, gcf.answer = {12, 1};
    Question sum;
    sum.topic = Topic::Fractions;
    sum.x = {1, 2}, sum.y = {1, 3}, sum.answer = {5, 6};
    Question same = sum;
    same.x = {1, 5}, same.y = {2, 5}, same.answer = {3, 5};
    const struct {
        const Question& q;
        const char* typed;
        const char* named; // empty: no mistake is named
    } cases[] = {
        {lcm, "216", "You multiplied 12 and 18"},
        {lcm, "72", "common multiple of 12 and 18, but not the least"},
        {lcm, "6", "greatest common factor"},
        {lcm, "37", ""},
        {gcf, "6", "not the greatest common factor"},
        {gcf, "4", "not the greatest common factor"},
        {gcf, "72", "least common multiple"},
        {gcf, "5", ""},
        {sum, "2/5", "added the top numbers and the bottom numbers"},
        {sum, "5/12", "added the bottom numbers too"},
        {sum, "5/5", "added the bottom numbers too"},
        {sum, "1/6", "multiplied the fractions"},
        {sum, "4/6", ""},
        {same, "3/10", "added the bottom numbers too: when they are the same"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ASSERT_EQ(CheckAnswer(c.q, c.typed), Check::Wrong);
        const std::string text = Feedback(c.q, Check::Wrong, false, c.typed, 2, true);
        EXPECT_NE(text.find("The answer is " + FractionText(c.q.answer)), std::string::npos) << text;
        if (*c.named) {
            EXPECT_NE(text.find(c.named), std::string::npos) << text;
        } else {
            EXPECT_EQ(text.find("You "), std::string::npos) << text;
        }
    }
    // A right answer found with the hint says what the maze will do.
    const std::string withHint = Feedback(lcm, Check::Right, true, "36", 2, true);
    EXPECT_EQ(
        withHint.rfind("Right, but with the hint it counts as not answered: no points, and the maze takes 10 "
                       "percent of your health",
                       0),
        0u)
        << withHint;
}

// With two or three topics on offer the least recently asked comes next, so
// no topic comes twice in a row; the game's "BOTH" offers LCM and GCF again
// although it sent only one of them.
TEST(QuizTopics, BalancedAcrossQuestions)
{
    QuizArgs lcmSent = Parse({"LCM", "3", "SOUND"});
    EXPECT_EQ(OfferedTopics(lcmSent, "BOTH"), (std::vector<Topic>{Topic::Lcm, Topic::Gcf}));
    // Without the launcher's word the quiz keeps to the topic sent.
    EXPECT_EQ(OfferedTopics(lcmSent, nullptr), std::vector<Topic>{Topic::Lcm});
    EXPECT_EQ(OfferedTopics(lcmSent, "LCM"), std::vector<Topic>{Topic::Lcm});
    EXPECT_EQ(OfferedTopics(lcmSent, "both"), std::vector<Topic>{Topic::Lcm});
    EXPECT_EQ(OfferedTopics(Parse({"3", "SOUND"}), "BOTH"), std::vector<Topic>{Topic::Fractions});

    // Every shipped language: the topic goes through the list's file as a
    // field of its own, whatever words the question is in.
    const zorbik::testing::TempFolder temp("zorbik-topics");
    std::mt19937 rng(1);
    for (const std::string& language : zorbik::testing::AllLanguages) {
        const zorbik::testing::ScopedLanguage speaking(language);
        ASSERT_TRUE(language.empty() || speaking.installed()) << language;
        for (const auto& offered : {std::vector<Topic>{Topic::Lcm, Topic::Gcf},
                                    std::vector<Topic>{Topic::Lcm, Topic::Gcf, Topic::Fractions}}) {
            const std::string dir = (temp.dir / (language + std::to_string(offered.size()))).string();
            fs::create_directory(dir);
            std::vector<int> counts(3, 0);
            Topic last = Topic::Fractions;
            for (int i = 0; i < 60; ++i) {
                const std::vector<RecentQuestion> recent = ReadRecent(dir);
                const Topic t = LeastRecentTopic(offered, recent, rng);
                EXPECT_TRUE(i == 0 || t != last) << language << ": the same topic twice in a row";
                last = t;
                ++counts[int(t)];
                const Question q = MakeFreshQuestion(t, 2, rng, RecentTexts(recent));
                ASSERT_TRUE(RememberQuestion(dir, recent, {t, q.text}));
            }
            for (Topic t : offered)
                EXPECT_EQ(counts[int(t)], 60 / int(offered.size())) << language;
        }
    }
}

} // namespace
