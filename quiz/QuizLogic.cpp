#include "QuizLogic.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <numeric>
#include <tuple>

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

Question MakeLcm(int d, std::mt19937& rng)
{
    Question q;
    q.topic = Topic::Lcm;
    const int g = Between(rng, 1 + d / 2, 1 + d);
    const auto [x, y] = CoprimePair(rng, 2 + d / 2, 5 + d);
    q.a = std::min(x, y) * g;
    q.b = std::max(x, y) * g;
    q.answer = {std::lcm<int64_t>(q.a, q.b), 1};
    q.text = "What is the least common multiple (LCM) of " + std::to_string(q.a) + " and " +
             std::to_string(q.b) + "?";
    q.form = "Type a whole number.";
    q.hint = "Count in steps of " + std::to_string(q.b) + ": " + std::to_string(q.b) + ", " +
             std::to_string(2 * q.b) + ", " + std::to_string(3 * q.b) + ", ... The first of them that " +
             std::to_string(q.a) + " goes into exactly is the LCM.";
    return q;
}

Question MakeGcf(int d, std::mt19937& rng)
{
    Question q;
    q.topic = Topic::Gcf;
    const int high = 3 + 4 * d;
    const int g = Between(rng, std::max(2, high / 2), high);
    // From the fourth step on neither number is a factor of the other.
    const auto [x, y] = CoprimePair(rng, d >= 3 ? 2 : 1, 3 + d / 2);
    q.a = std::min(x, y) * g;
    q.b = std::max(x, y) * g;
    q.answer = {g, 1};
    q.text = "What is the greatest common factor (GCF) of " + std::to_string(q.a) + " and " +
             std::to_string(q.b) + "?";
    q.form = "Type a whole number.";
    q.hint = "Try the numbers that divide " + std::to_string(q.a) +
             ", starting with the biggest. The first one that also divides " + std::to_string(q.b) +
             " is the GCF.";
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
    }
    return q;
}

} // namespace

QuizArgs ParseArgs(int argc, const char* const* argv)
{
    QuizArgs args;
    bool haveDifficulty = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i] ? argv[i] : "";
        int64_t value = 0;
        if (word == "LCM")
            args.topic = Topic::Lcm;
        else if (word == "GCF")
            args.topic = Topic::Gcf;
        else if (word == "NOSOUND")
            args.sound = false;
        else if (!haveDifficulty && ParseWhole(word, value)) {
            args.difficulty = static_cast<int>(std::clamp<int64_t>(value, 0, MaxDifficulty));
            haveDifficulty = true;
        }
    }
    return args;
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
    if (q.lowestTermsOnly)
        return f.p == q.answer.p && f.q == q.answer.q ? Check::Right : Check::Wrong;
    return f.p * q.answer.q == q.answer.p * f.q ? Check::Right : Check::Wrong;
}

unsigned char VerdictFor(Check check, bool hintUsed)
{
    if (check != Check::Right)
        return VerdictWrong;
    return hintUsed ? VerdictRightWithHint : VerdictRight;
}

bool WriteVerdict(const std::string& folder, unsigned char verdict)
{
    std::string path = folder;
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += "Return.ret";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.put(static_cast<char>(verdict));
    out.close();
    return !out.fail();
}

} // namespace zorbik::quiz
