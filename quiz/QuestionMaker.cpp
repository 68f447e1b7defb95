// The questions of the three topics at each step, within the limits of
// QuestionSteps.h.
#include "QuestionSteps.h"
#include "QuizLogic.h"
#include "desktop/FilledText.h"

#include <QCoreApplication>

#include <algorithm>
#include <numeric>
#include <tuple>

namespace zorbik::quiz {

namespace {

int Between(std::mt19937& rng, int low, int high)
{
    return std::uniform_int_distribution<int>(low, std::max(low, high))(rng);
}

int LargestPrimeFactor(int n)
{
    int largest = 1;
    for (int p = 2; p * p <= n; ++p)
        for (; n % p == 0; n /= p)
            largest = p;
    return n > 1 ? std::max(largest, n) : largest;
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

std::string PrimesToTry(int largest)
{
    return Filled(largest >= 11 ? QCoreApplication::translate("Quiz", "2, 3, 5, 7, 11 and 13")
                                : QCoreApplication::translate("Quiz", "2, 3, 5 and 7"));
}

// LCM: the two numbers share a factor, so that multiplying them is not the
// answer; neither goes into the other, and the answer is a few multiples of
// the larger number, so counting up works. Answers up to 60 leave too few
// such pairs for the first three steps: there any pair comes at the first
// step, and one question in three is a pair without a common factor at the
// second and third.
Question MakeLcm(int d, std::mt19937& rng)
{
    const StepLimits& s = Steps[d];
    Question q;
    q.topic = Topic::Lcm;
    const bool anyPair = d == 0, coprime = d <= 2 && Between(rng, 0, 2) == 0;
    std::tie(q.a, q.b) = DrawPair(rng, 2, s.lcmLargerMax, [&](int a, int b) {
        const int l = std::lcm(a, b);
        return b % a != 0 && (anyPair || (std::gcd(a, b) == 1) == coprime) && l >= s.lcmAnswerMin &&
               l <= s.lcmAnswerMax && l / b <= s.lcmCountMax;
    });
    const int64_t l = std::lcm<int64_t>(q.a, q.b);
    q.answer = {l, 1};
    q.text =
        Filled(QCoreApplication::translate("Quiz", "What is the least common multiple (LCM) of %1 and %2?"),
               q.a, q.b);
    q.form = Filled(QCoreApplication::translate("Quiz", "Type a whole number."));
    q.hint =
        Filled(QCoreApplication::translate("Quiz", "Count in steps of %1: %1, %2, %3, ... Stop at the first "
                                                   "number that %4 goes into exactly: that is the LCM."),
               q.b, 2 * q.b, 3 * q.b, q.a);
    q.working = Filled(QCoreApplication::translate("Quiz", "%1 = %2 = %3 is the first multiple of %4 that %5 "
                                                           "goes into."),
                       l, Times(q.b, l / q.b), Times(q.a, l / q.a), q.b, q.a);
    return q;
}

// GCF: the answer g times two numbers without a common factor. In one
// question of eight the smaller number goes into the larger one (then it is
// the answer). The answer's primes stay small enough to be tried.
Question MakeGcf(int d, std::mt19937& rng)
{
    const StepLimits& s = Steps[d];
    Question q;
    q.topic = Topic::Gcf;
    bool divides = false;
    for (;;) {
        const int g = Between(rng, s.gcfAnswerMin, s.gcfAnswerMax);
        divides = Between(rng, 0, 7) == 0;
        const int n = Between(rng, 2, s.gcfOtherMax);
        const int m = divides ? 1 : Between(rng, 2, n - 1);
        if (LargestPrimeFactor(g) > s.gcfPrimeMax || (!divides && (m >= n || std::gcd(m, n) != 1)))
            continue;
        q.a = m * g;
        q.b = n * g;
        if (q.a >= 4 && q.b >= s.gcfLargerMin && q.b <= s.gcfLargerMax)
            break;
    }
    const int g = std::gcd(q.a, q.b);
    q.answer = {g, 1};
    q.text =
        Filled(QCoreApplication::translate("Quiz", "What is the greatest common factor (GCF) of %1 and %2?"),
               q.a, q.b);
    q.form = Filled(QCoreApplication::translate("Quiz", "Type a whole number."));
    q.hint =
        Filled(QCoreApplication::translate("Quiz", "Find a number that goes into both %1 and %2 (try %3), "
                                                   "divide both by it, and do the same with what is left. "
                                                   "The GCF is all the numbers you divided by, multiplied "
                                                   "together."),
               q.a, q.b, PrimesToTry(s.gcfPrimeMax));
    q.working =
        divides
            ? Filled(
                  QCoreApplication::translate("Quiz", "%1 goes into %2 (%2 = %3), so the GCF is %4 itself."),
                  q.a, q.b, Times(g, q.b / g), g)
            : Filled(QCoreApplication::translate("Quiz", "%1 = %2 and %3 = %4, and %5 and %6 have no common "
                                                         "factor but 1."),
                     q.a, Times(g, q.a / g), q.b, Times(g, q.b / g), q.a / g, q.b / g);
    return q;
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

void MakeSimplify(Question& q, const StepLimits& s, std::mt19937& rng)
{
    q.kind = FractionKind::Simplify;
    int k = 0;
    for (;;) {
        q.answer = ProperFraction(rng, Between(rng, 2, s.bottomMax), false);
        // Divided by at most 12 (24 from step 7 on): a pupil finds it in a
        // step or two.
        k = Between(rng, 2, std::min(s.commonMax / 2, s.gcfPrimeMax > 7 ? 24 : 12));
        const int64_t bottom = q.answer.q * k;
        if (LargestPrimeFactor(k) <= 7 && bottom >= s.commonMin && bottom <= s.commonMax)
            break;
    }
    q.x = {q.answer.p * k, q.answer.q * k};
    q.lowestTermsOnly = true;
    q.text = Filled(QCoreApplication::translate("Quiz", "Write %1 in lowest terms."), FractionText(q.x));
    q.form =
        Filled(QCoreApplication::translate("Quiz", "Type a fraction like 3/4 that cannot be made simpler."));
    q.hint = Filled(QCoreApplication::translate(
                        "Quiz", "Find the biggest number that divides both %1 and %2, and divide both "
                                "by it."),
                    q.x.p, q.x.q);
    q.working = Filled(QCoreApplication::translate("Quiz", "Divide the top and the bottom by %1: %2 = %3."),
                       k, FractionText(q.x), FractionText(q.answer));
}

void MakeSum(Question& q, int d, const StepLimits& s, std::mt19937& rng)
{
    q.kind = FractionKind::Add;
    int m = 0, n = 0;
    for (;;) {
        if (d == 0) {
            m = n = Between(rng, 3, s.bottomMax);
        } else {
            m = Between(rng, 2, s.bottomMax);
            n = Between(rng, 2, s.bottomMax);
            const int common = std::lcm(m, n);
            // The second step: one bottom number goes into the other.
            if (m == n || common < s.commonMin || common > s.commonMax ||
                (d == 1 && std::max(m, n) % std::min(m, n) != 0))
                continue;
        }
        // Beyond the first step the fractions to add are in lowest terms, as
        // a teacher would write them (no 12/14 beside 4/7).
        q.x = ProperFraction(rng, m, d == 0);
        q.y = ProperFraction(rng, n, d == 0);
        if (s.sumAboveOne || q.x.p * q.y.q + q.y.p * q.x.q <= q.x.q * q.y.q)
            break;
    }
    q.answer = Reduced({q.x.p * q.y.q + q.y.p * q.x.q, q.x.q * q.y.q});
    q.text = FractionText(q.x) + " + " + FractionText(q.y) + " = ?";
    q.form = Filled(QCoreApplication::translate("Quiz",
                                                "Type a fraction like 3/4, a mixed number like 1 1/4, or a "
                                                "whole number. It need not be in lowest terms."));
    const int64_t common = std::lcm<int64_t>(m, n);
    q.hint =
        m == n ? Filled(QCoreApplication::translate("Quiz", "The bottom numbers are the same: add the top "
                                                            "numbers and keep the bottom number."))
               : Filled(QCoreApplication::translate("Quiz", "Make the bottom numbers the same first: use %1 "
                                                            "as the common bottom number, then add the top "
                                                            "numbers."),
                        common);
    const std::string sumText = q.text.substr(0, q.text.size() - 4);
    const Fraction sum = {q.x.p * (common / m) + q.y.p * (common / n), common};
    // The sum worked out, in figures only; the words around it are the
    // pupil's language.
    std::string steps = m == n ? sumText + " = " + FractionText(sum)
                               : sumText + " = " + FractionText({q.x.p * (common / m), common}) + " + " +
                                     FractionText({q.y.p * (common / n), common}) + " = " + FractionText(sum);
    if (sum.p != q.answer.p || sum.q != q.answer.q)
        steps += " = " + FractionText(q.answer);
    if (q.answer.p > q.answer.q && q.answer.q > 1)
        steps += " = " + MixedText(q.answer);
    q.working =
        m == n ? Filled(QCoreApplication::translate("Quiz", "Same bottom number: %1."), steps)
               : Filled(QCoreApplication::translate("Quiz", "Common bottom number %1: %2."), common, steps);
}

// Fractions: a sum of two fractions, or (from the second step on, one
// question in three) a fraction to write in lowest terms.
Question MakeFractions(int d, std::mt19937& rng)
{
    const StepLimits& s = Steps[d];
    Question q;
    q.topic = Topic::Fractions;
    if (d > 0 && Between(rng, 0, 2) == 0)
        MakeSimplify(q, s, rng);
    else
        MakeSum(q, d, s, rng);
    return q;
}

} // namespace

Question MakeQuestion(Topic topic, int difficulty, std::mt19937& rng)
{
    const int d = std::clamp(difficulty, 0, HighestDifficulty);
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

} // namespace zorbik::quiz
