// The quiz program's questions, answer checking and verdict file.
#include "quiz/QuizLogic.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>

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
    EXPECT_EQ(a.topic, Topic::Lcm);
    EXPECT_EQ(a.difficulty, 3);
    EXPECT_TRUE(a.sound);
    a = Parse({"GCF", "14", "NOSOUND"});
    EXPECT_EQ(a.topic, Topic::Gcf);
    EXPECT_EQ(a.difficulty, 14);
    EXPECT_FALSE(a.sound);
    a = Parse({"7", "SOUND"}); // fractions: no topic word
    EXPECT_EQ(a.topic, Topic::Fractions);
    EXPECT_EQ(a.difficulty, 7);
    EXPECT_EQ(Parse({"LCM", "99", "SOUND"}).difficulty, 14);
    EXPECT_EQ(Parse({"LCM", "-4"}).difficulty, 0);
    EXPECT_EQ(Parse({"LCM", "x"}).difficulty, 0);
    EXPECT_EQ(Parse({}).topic, Topic::Fractions);
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
    // The easiest: one-digit numbers. The hardest: mostly three digits.
    for (int i = 0; i < 200; ++i) {
        for (Topic topic : {Topic::Lcm, Topic::Gcf}) {
            const Question easy = MakeQuestion(topic, 0, rng);
            EXPECT_LE(easy.b, 9) << easy.text;
        }
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
    EXPECT_EQ(CheckAnswer(simplify, "6/8"), Check::Wrong);

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

    char tmpl[] = "/tmp/zorbik-verdict-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    const fs::path dir = tmpl;
    auto bytes = [&] {
        std::ifstream in(dir / "Return.ret", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    ASSERT_TRUE(WriteVerdict(dir.string(), VerdictRight));
    EXPECT_EQ(bytes(), std::string(1, '\x01'));
    ASSERT_TRUE(WriteVerdict(dir.string() + "/", VerdictWrong)); // replaces the old one
    EXPECT_EQ(bytes(), std::string(1, '\0'));
    EXPECT_FALSE(WriteVerdict((dir / "gone").string(), VerdictRight));
    fs::remove_all(dir);
}

} // namespace
