// The quiz's questions at every step: draws each topic's questions 100,000
// times per step (or as many as given) and prints one line per topic and
// step with the ranges, the number of different questions and the means:
//   topic=LCM step=3 draws=100000 distinct=.. answer=min..max answer_mean=..
//   larger=min..max larger_mean=.. wrong=0 over_ceiling=0
// "larger" is the larger number for LCM and GCF, the common bottom number
// of a sum (or the bottom number of a fraction to simplify) for fractions.
// Every answer is worked out again here the slow way (counting multiples,
// trying factors, adding by cross-multiplying); "wrong" counts those that
// differ. "over_ceiling" counts questions above the classroom ceilings of
// the four bands of steps (0-2, 3-6, 7-10, 11-14).
// Usage: bench_questions [draws per topic and step]
#include "quiz/QuizLogic.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

using namespace zorbik;
using namespace zorbik::quiz;

namespace {

int64_t SlowLcm(int64_t a, int64_t b)
{
    int64_t m = b;
    while (m % a != 0)
        m += b;
    return m;
}

int64_t SlowGcf(int64_t a, int64_t b)
{
    int64_t f = std::min(a, b);
    while (a % f != 0 || b % f != 0)
        --f;
    return f;
}

int64_t LargestPrime(int64_t n)
{
    int64_t largest = 1;
    for (int64_t p = 2; p <= n; ++p)
        for (; n % p == 0; n /= p)
            largest = p;
    return largest;
}

struct Ceiling {
    int lcm, gcfLarger, gcfAnswer, gcfPrime, bottom, common;
};

Ceiling CeilingOf(int step)
{
    if (step <= 2)
        return {60, 36, 12, 7, 10, 100};
    if (step <= 6)
        return {120, 100, 12, 7, 12, 60};
    if (step <= 10)
        return {240, 150, 25, 13, 16, 96};
    return {400, 200, 25, 13, 20, 120};
}

// The "larger" figure, and whether the question's answer is right and
// within the ceiling.
struct Checked {
    int64_t larger = 0;
    bool right = true, within = true;
};

Checked Examine(const Question& q, int step)
{
    const Ceiling c = CeilingOf(step);
    Checked r;
    if (q.topic == Topic::Lcm) {
        r.larger = q.b;
        r.right = q.answer.q == 1 && q.answer.p == SlowLcm(q.a, q.b);
        r.within = q.answer.p <= c.lcm;
    } else if (q.topic == Topic::Gcf) {
        r.larger = q.b;
        r.right = q.answer.q == 1 && q.answer.p == SlowGcf(q.a, q.b) && q.answer.p > 1;
        r.within = q.b <= c.gcfLarger && q.answer.p <= c.gcfAnswer && LargestPrime(q.answer.p) <= c.gcfPrime;
    } else if (q.kind == FractionKind::Add) {
        r.larger = SlowLcm(q.x.q, q.y.q);
        const int64_t top = q.x.p * q.y.q + q.y.p * q.x.q, bottom = q.x.q * q.y.q;
        r.right = q.answer.p * bottom == top * q.answer.q && SlowGcf(q.answer.p, q.answer.q) == 1;
        r.within =
            q.x.q <= c.bottom && q.y.q <= c.bottom && r.larger <= c.common && (step > 0 || top <= bottom);
    } else {
        r.larger = q.x.q;
        r.right = q.answer.p * q.x.q == q.x.p * q.answer.q && SlowGcf(q.answer.p, q.answer.q) == 1 &&
                  q.answer.q < q.x.q;
        r.within = q.answer.q <= c.bottom && q.x.q <= c.common;
    }
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    const int draws = argc > 1 ? std::atoi(argv[1]) : 100000;
    std::mt19937 rng(20261208);
    const char* names[] = {"LCM", "GCF", "fractions"};
    for (Topic topic : {Topic::Lcm, Topic::Gcf, Topic::Fractions}) {
        for (int step = 0; step <= HighestDifficulty; ++step) {
            std::set<std::string> texts;
            int64_t wrong = 0, over = 0, largerMin = INT64_MAX, largerMax = 0;
            double answerMin = 1e18, answerMax = 0, answerSum = 0, largerSum = 0;
            for (int i = 0; i < draws; ++i) {
                const Question q = MakeQuestion(topic, step, rng);
                texts.insert(q.text);
                const Checked c = Examine(q, step);
                wrong += !c.right;
                over += !c.within;
                const double value = double(q.answer.p) / double(q.answer.q);
                answerMin = std::min(answerMin, value);
                answerMax = std::max(answerMax, value);
                answerSum += value;
                largerMin = std::min(largerMin, c.larger);
                largerMax = std::max(largerMax, c.larger);
                largerSum += double(c.larger);
            }
            std::printf(
                "topic=%s step=%d draws=%d distinct=%zu answer=%g..%g answer_mean=%.2f larger=%lld..%lld "
                "larger_mean=%.2f wrong=%lld over_ceiling=%lld\n",
                names[int(topic)], step, draws, texts.size(), answerMin, answerMax, answerSum / draws,
                static_cast<long long>(largerMin), static_cast<long long>(largerMax), largerSum / draws,
                static_cast<long long>(wrong), static_cast<long long>(over));
        }
    }
    return 0;
}
