#include "QuizLogic.h"

#include "common/SafeFiles.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <numeric>
#include <tuple>
#include <unistd.h>

namespace zorbik::quiz {

namespace {

int Between(std::mt19937& rng, int low, int high)
{
    return std::uniform_int_distribution<int>(low, std::max(low, high))(rng);
}

// Two different numbers of [low, high] without a common factor.
std::pair<int, int> CoprimePair(std::mt19937& rng, int low, int high)
{
    for (;;) {
        const int x = Between(rng, low, high);
        const int y = Between(rng, low, high);
        if (x != y && std::gcd(x, y) == 1)
            return {x, y};
    }
}

// A fraction between 0 and 1 with the bottom number `den`, in lowest terms
// unless `anyTop` allows every top number.
Fraction ProperFraction(std::mt19937& rng, int den, bool anyTop)
{
    for (;;) {
        const int top = Between(rng, 1, den - 1);
        if (anyTop || std::gcd(top, den) == 1)
            return {top, den};
    }
}

std::string FractionText(Fraction f)
{
    return f.q == 1 ? std::to_string(f.p) : std::to_string(f.p) + "/" + std::to_string(f.q);
}

std::string Trim(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// A whole number of at most nine digits with an optional minus.
bool ParseWhole(const std::string& text, int64_t& value)
{
    const std::string t = Trim(text);
    size_t i = t.size() > 0 && t[0] == '-' ? 1 : 0;
    if (i == t.size() || t.size() - i > 9)
        return false;
    int64_t v = 0;
    for (; i < t.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(t[i])))
            return false;
        v = v * 10 + (t[i] - '0');
    }
    value = t[0] == '-' ? -v : v;
    return true;
}

// A pair a < b of different numbers from [low, high] that `accept` takes,
// drawn evenly from all such pairs.
template <class Accept> std::pair<int, int> DrawPair(std::mt19937& rng, int low, int high, Accept accept)
{
    for (;;) {
        int a = Between(rng, low, high);
        int b = Between(rng, low, high);
        if (a > b)
            std::swap(a, b);
        if (a != b && accept(a, b))
            return {a, b};
    }
}

std::string Times(int64_t x, int64_t y)
{
    return std::to_string(x) + " \u00d7 " + std::to_string(y);
}

// LCM: small numbers first, then larger ones. From the second
// step on the two numbers share a factor, so multiplying them is not enough;
// neither number ever goes into the other.
Question MakeLcm(int d, std::mt19937& rng)
{
    Question q;
    q.topic = Topic::Lcm;
    const int high = 16 + 10 * d + d * d / 2, low = 5 + 5 * d + d * d / 4, cap = 70 + 50 * d + 15 * d * d;
    std::tie(q.a, q.b) = DrawPair(rng, 2, high, [&](int a, int b) {
        return b >= low && b % a != 0 && (d == 0 || std::gcd(a, b) > 1) && std::lcm(a, b) <= cap;
    });
    const int64_t l = std::lcm<int64_t>(q.a, q.b);
    q.answer = {l, 1};
    q.text = "What is the least common multiple (LCM) of " + std::to_string(q.a) + " and " +
             std::to_string(q.b) + "?";
    q.form = "Type a whole number.";
    q.hint = "Count in steps of " + std::to_string(q.b) + ": " + std::to_string(q.b) + ", " +
             std::to_string(2 * q.b) + ", " + std::to_string(3 * q.b) + ", ... The first of them that " +
             std::to_string(q.a) + " goes into exactly is the LCM.";
    q.working = std::to_string(l) + " = " + Times(q.b, l / q.b) + " = " + Times(q.a, l / q.a) +
                " is the first multiple of " + std::to_string(q.b) + " that " + std::to_string(q.a) +
                " goes into.";
    return q;
}

// GCF: the common factor and the other factors grow with the difficulty. In
// one question of eight the smaller number goes into the larger one (then it
// is the answer); otherwise it does not.
Question MakeGcf(int d, std::mt19937& rng)
{
    Question q;
    q.topic = Topic::Gcf;
    const int high = 36 + 12 * d + d * d, low = 8 + 5 * d + d * d / 2;
    const bool divides = Between(rng, 0, 7) == 0;
    std::tie(q.a, q.b) = DrawPair(rng, 4, high, [&](int a, int b) {
        const int g = std::gcd(a, b);
        return b >= low && g > 1 && b / g <= 8 + d && (b % a == 0) == divides;
    });
    const int g = std::gcd(q.a, q.b);
    q.answer = {g, 1};
    q.text = "What is the greatest common factor (GCF) of " + std::to_string(q.a) + " and " +
             std::to_string(q.b) + "?";
    q.form = "Type a whole number.";
    q.hint = "Try the numbers that divide " + std::to_string(q.a) +
             ", starting with the biggest. The first one that also divides " + std::to_string(q.b) +
             " is the GCF.";
    q.working = divides
                    ? std::to_string(q.a) + " goes into " + std::to_string(q.b) + " (" + std::to_string(q.b) +
                          " = " + Times(g, q.b / g) + "), so the GCF is " + std::to_string(g) + " itself."
                    : std::to_string(q.a) + " = " + Times(g, q.a / g) + " and " + std::to_string(q.b) +
                          " = " + Times(g, q.b / g) + ", and " + std::to_string(q.a / g) + " and " +
                          std::to_string(q.b / g) + " have no common factor but 1.";
    return q;
}

Question MakeFractions(int d, std::mt19937& rng)
{
    Question q;
    q.topic = Topic::Fractions;
    if (d > 0 && Between(rng, 0, 2) == 0) {
        q.kind = FractionKind::Simplify;
        const auto [p, den] = CoprimePair(rng, 1, 3 + d);
        const int small = std::min(p, den), big = std::max(p, den);
        const int k = Between(rng, 2, 2 + d);
        q.x = {int64_t(small) * k, int64_t(big) * k};
        q.answer = {small, big};
        q.lowestTermsOnly = true;
        q.text = "Write " + FractionText(q.x) + " in lowest terms.";
        q.form = "Type a fraction like 3/4 that cannot be made simpler.";
        q.hint = "Find the biggest number that divides both " + std::to_string(q.x.p) + " and " +
                 std::to_string(q.x.q) + ", and divide both by it.";
        q.working = "Divide the top and the bottom by " + std::to_string(k) + ": " + FractionText(q.x) +
                    " = " + FractionText(q.answer) + ".";
    } else {
        q.kind = FractionKind::Add;
        int m, n;
        if (d == 0) {
            m = n = Between(rng, 3, 6);
        } else {
            std::tie(m, n) = CoprimePair(rng, 2 + d / 2, 3 + 2 * d);
            if (Between(rng, 0, 1) == 0)
                n = m * Between(rng, 2, 3); // one denominator divides the other
        }
        // Beyond the first step the fractions to add are in lowest terms, as a
        // teacher would write them (no 12/14 beside 4/7).
        q.x = ProperFraction(rng, m, d == 0);
        q.y = ProperFraction(rng, n, d == 0);
        q.answer = Reduced({q.x.p * q.y.q + q.y.p * q.x.q, q.x.q * q.y.q});
        q.text = FractionText(q.x) + " + " + FractionText(q.y) + " = ?";
        q.form = "Type a fraction like 3/4 or a whole number. It need not be in lowest terms.";
        q.hint = m == n ? "The bottom numbers are the same: add the top numbers and keep the bottom."
                        : "Make the bottom numbers the same first: use " + std::to_string(std::lcm(m, n)) +
                              " as the common bottom number.";
        const int64_t common = std::lcm<int64_t>(m, n);
        const Fraction sum = {q.x.p * (common / m) + q.y.p * (common / n), common};
        q.working =
            m == n ? "Same bottom number: " + q.text.substr(0, q.text.size() - 4) + " = " + FractionText(sum)
                   : "Common bottom number " + std::to_string(common) + ": " +
                         q.text.substr(0, q.text.size() - 4) + " = " +
                         FractionText({q.x.p * (common / m), common}) + " + " +
                         FractionText({q.y.p * (common / n), common}) + " = " + FractionText(sum);
        if (sum.p != q.answer.p || sum.q != q.answer.q)
            q.working += " = " + FractionText(q.answer);
        q.working += ".";
    }
    return q;
}

} // namespace

QuizArgs ParseArgs(int argc, const char* const* argv)
{
    QuizArgs args;
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i)
        words.emplace_back(argv[i] ? argv[i] : "");
    // The difficulty is the first number; a topic word, if any, comes before it.
    size_t number = 0;
    int64_t value = 0;
    while (number < words.size() && !ParseWhole(words[number], value))
        ++number;
    if (number < words.size())
        args.difficulty = static_cast<int>(std::clamp<int64_t>(value, 0, MaxDifficulty));
    const size_t topicWords = number < words.size() ? number : std::min<size_t>(words.size(), 1);
    std::string topic;
    for (size_t i = 0; i < topicWords; ++i)
        topic += (i ? " " : "") + words[i];
    std::string upper = topic;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper.empty() || upper == "FRACTIONS")
        args.topics = {Topic::Fractions};
    else if (upper == "LCM")
        args.topics = {Topic::Lcm};
    else if (upper == "GCF")
        args.topics = {Topic::Gcf};
    else if (upper == "BOTH")
        args.topics = {Topic::Lcm, Topic::Gcf};
    else {
        args.topics = {Topic::Lcm, Topic::Gcf, Topic::Fractions};
        args.unknownTopic = topic.substr(0, 40);
    }
    for (size_t i = topicWords; i < words.size(); ++i) {
        if (words[i] == "NOSOUND")
            args.sound = false;
    }
    return args;
}

std::mt19937 SeededGenerator()
{
    std::random_device device;
    const auto now = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    const auto ticks = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::seed_seq seeds{device(),
                        device(),
                        device(),
                        device(),
                        static_cast<unsigned>(now),
                        static_cast<unsigned>(now >> 32),
                        static_cast<unsigned>(ticks),
                        static_cast<unsigned>(getpid())};
    return std::mt19937(seeds);
}

Fraction Reduced(Fraction f)
{
    if (f.q < 0)
        f = {-f.p, -f.q};
    const int64_t g = std::gcd(f.p, f.q);
    if (g > 1)
        f = {f.p / g, f.q / g};
    return f;
}

Question MakeQuestion(Topic topic, int difficulty, std::mt19937& rng)
{
    const int d = std::clamp(difficulty, 0, MaxDifficulty);
    Question q = topic == Topic::Lcm   ? MakeLcm(d, rng)
                 : topic == Topic::Gcf ? MakeGcf(d, rng)
                                       : MakeFractions(d, rng);
    q.answerText = FractionText(q.answer);
    return q;
}

Question MakeFreshQuestion(Topic topic, int difficulty, std::mt19937& rng,
                           const std::vector<std::string>& recent)
{
    Question q = MakeQuestion(topic, difficulty, rng);
    for (int tries = 0; tries < 100 && std::find(recent.begin(), recent.end(), q.text) != recent.end();
         ++tries)
        q = MakeQuestion(topic, difficulty, rng);
    return q;
}

Check CheckAnswer(const Question& q, const std::string& typed)
{
    Fraction f;
    const auto slash = typed.find('/');
    if (slash == std::string::npos) {
        if (!ParseWhole(typed, f.p))
            return Check::Unreadable;
    } else {
        if (q.topic != Topic::Fractions)
            return Check::Unreadable; // a whole number is asked for
        if (!ParseWhole(typed.substr(0, slash), f.p) || !ParseWhole(typed.substr(slash + 1), f.q) || f.q == 0)
            return Check::Unreadable;
        if (f.q < 0)
            f = {-f.p, -f.q};
    }
    if (f.p * q.answer.q != q.answer.p * f.q)
        return Check::Wrong;
    if (q.lowestTermsOnly && (f.p != q.answer.p || f.q != q.answer.q))
        return Check::NotLowest;
    return Check::Right;
}

int PointsFor(int difficulty)
{
    return (std::clamp(difficulty, 0, MaxDifficulty) + 1) * 100;
}

std::string StakeLine(int difficulty)
{
    return "A right answer earns " + std::to_string(PointsFor(difficulty)) +
           " points in the maze. With the hint or a wrong answer it counts as not answered: no points, "
           "and the maze takes 10 health and up to 1000 points.";
}

std::string HintWarning()
{
    return "With the hint, your answer will not count: no points, and the maze takes 10 health and up to "
           "1000 points. Press \"Show the hint\" if you still want it.";
}

std::string Feedback(const Question& q, Check check, bool hintUsed, const std::string& typed, int difficulty,
                     bool verdictPassed)
{
    const std::string working = "\n" + q.working;
    if (!verdictPassed && check == Check::Right && !hintUsed)
        return "Your answer is right, but it could not be passed to the game, so the game will count it as "
               "not answered. Sorry!" +
               working;
    if (check == Check::Right && !hintUsed)
        return "Right! Well done. That is " + std::to_string(PointsFor(difficulty)) + " points." + working;
    if (check == Check::Right)
        return "Right! Good work with the hint; this time it brings no points." + working;
    if (check == Check::NotLowest) {
        // Only a readable fraction equal to the answer gets here.
        int64_t top = 0, bottom = 1;
        const auto slash = typed.find('/');
        ParseWhole(typed.substr(0, slash), top);
        ParseWhole(typed.substr(slash + 1), bottom);
        return Trim(typed) + " is equal to " + q.answerText +
               ", but it is not in lowest terms: " + std::to_string(std::abs(top)) + " and " +
               std::to_string(std::abs(bottom)) + " can both still be divided by " +
               std::to_string(std::gcd(top, bottom)) + ". The answer is " + q.answerText +
               ". So close - well tried!" + working;
    }
    return "Not quite. The answer is " + q.answerText + ". Good try - you will get the next one!" + working;
}

std::string UnknownTopicLine(const std::string& word)
{
    return "The quiz does not know the topic \"" + word +
           "\", so the question comes from any of LCM, GCF "
           "and fractions.";
}

unsigned char VerdictFor(Check check, bool hintUsed)
{
    if (check != Check::Right)
        return VerdictWrong;
    return hintUsed ? VerdictRightWithHint : VerdictRight;
}

bool WriteVerdict(const std::string& folder, unsigned char verdict)
{
    return ReplaceFile(PathIn(folder, "Return.ret"), std::string(1, static_cast<char>(verdict)));
}

} // namespace zorbik::quiz
