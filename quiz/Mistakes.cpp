#include "Mistakes.h"

#include <numeric>

namespace zorbik::quiz {

namespace {

bool Equal(Fraction x, Fraction y)
{
    return x.p * y.q == y.p * x.q;
}

std::string Num(int64_t n)
{
    return std::to_string(n);
}

std::string LcmMistake(const Question& q, int64_t typed)
{
    const int64_t lcm = q.answer.p, gcf = std::gcd(q.a, q.b);
    const std::string both = Num(q.a) + " and " + Num(q.b);
    if (typed == int64_t(q.a) * q.b)
        return "You multiplied " + both + ": that is a common multiple, but not the least one, because " +
               both + " share the factor " + Num(gcf) + ".";
    if (typed > lcm && typed % lcm == 0)
        return Num(typed) + " is a common multiple of " + both + ", but not the least one.";
    if (typed == gcf)
        return Num(typed) + " is their greatest common factor; the LCM is the smallest number that both go "
                            "into.";
    return {};
}

std::string GcfMistake(const Question& q, int64_t typed)
{
    const std::string both = Num(q.a) + " and " + Num(q.b);
    if (typed > 1 && typed < q.answer.p && q.a % typed == 0 && q.b % typed == 0)
        return Num(typed) + " goes into both " + both +
               ", but it is not the greatest common factor: look "
               "for a bigger one.";
    if (typed == std::lcm<int64_t>(q.a, q.b))
        return Num(typed) + " is their least common multiple; the GCF is the biggest number that goes into "
                            "both.";
    return {};
}

std::string SumMistake(const Question& q, Fraction typed)
{
    const Fraction x = q.x, y = q.y;
    const int64_t common = std::lcm(x.q, y.q);
    const int64_t tops = x.p * (common / x.q) + y.p * (common / y.q);
    if (Equal(typed, {tops, 2 * common}) || Equal(typed, {tops, x.q + y.q}))
        return x.q == y.q
                   ? "You added the bottom numbers too: when they are the same, add only the top numbers "
                     "and keep the bottom number."
                   : "You added the bottom numbers too: make them the same, then add only the top "
                     "numbers and keep the common bottom number.";
    if (Equal(typed, {x.p + y.p, x.q + y.q}))
        return "You added the top numbers and the bottom numbers: first make the bottom numbers the same, "
               "then "
               "add only the top numbers.";
    if (Equal(typed, {x.p * y.p, x.q * y.q}))
        return "You multiplied the fractions; here they are added.";
    return {};
}

} // namespace

std::string NamedMistake(const Question& q, Fraction typed)
{
    if (typed.q <= 0 || Equal(typed, q.answer))
        return {};
    switch (q.topic) {
    case Topic::Lcm:
        return typed.q == 1 ? LcmMistake(q, typed.p) : std::string();
    case Topic::Gcf:
        return typed.q == 1 ? GcfMistake(q, typed.p) : std::string();
    case Topic::Fractions:
        break;
    }
    if (q.kind == FractionKind::Add)
        return SumMistake(q, typed);
    return {};
}

} // namespace zorbik::quiz
