#include "Mistakes.h"

#include "desktop/FilledText.h"

#include <QCoreApplication>

#include <numeric>

namespace zorbik::quiz {

namespace {

bool Equal(Fraction x, Fraction y)
{
    return x.p * y.q == y.p * x.q;
}

std::string LcmMistake(const Question& q, int64_t typed)
{
    const int64_t lcm = q.answer.p, gcf = std::gcd(q.a, q.b);
    if (typed == int64_t(q.a) * q.b)
        return Filled(QCoreApplication::translate("Quiz",
                                                  "You multiplied %1 and %2: that is a common multiple, "
                                                  "but not the least one, because %1 and %2 share the "
                                                  "factor %3."),
                      q.a, q.b, gcf);
    if (typed > lcm && typed % lcm == 0)
        return Filled(QCoreApplication::translate(
                          "Quiz", "%1 is a common multiple of %2 and %3, but not the least one."),
                      typed, q.a, q.b);
    if (typed == gcf)
        return Filled(QCoreApplication::translate("Quiz",
                                                  "%1 is their greatest common factor; the LCM is the "
                                                  "smallest number that both go into."),
                      typed);
    return {};
}

std::string GcfMistake(const Question& q, int64_t typed)
{
    if (typed > 1 && typed < q.answer.p && q.a % typed == 0 && q.b % typed == 0)
        return Filled(QCoreApplication::translate("Quiz", "%1 goes into both %2 and %3, but it is not the "
                                                          "greatest common factor: look for a bigger one."),
                      typed, q.a, q.b);
    if (typed == std::lcm<int64_t>(q.a, q.b))
        return Filled(QCoreApplication::translate("Quiz", "%1 is their least common multiple; the GCF is the "
                                                          "biggest number that goes into both."),
                      typed);
    return {};
}

std::string SumMistake(const Question& q, Fraction typed)
{
    const Fraction x = q.x, y = q.y;
    const int64_t common = std::lcm(x.q, y.q);
    const int64_t tops = x.p * (common / x.q) + y.p * (common / y.q);
    if (Equal(typed, {tops, 2 * common}) || Equal(typed, {tops, x.q + y.q}))
        return Filled(x.q == y.q
                          ? QCoreApplication::translate(
                                "Quiz", "You added the bottom numbers too: when they are the same, add "
                                        "only the top numbers and keep the bottom number.")
                          : QCoreApplication::translate(
                                "Quiz", "You added the bottom numbers too: make them the same, then "
                                        "add only the top numbers and keep the common bottom number."));
    if (Equal(typed, {x.p + y.p, x.q + y.q}))
        return Filled(QCoreApplication::translate("Quiz", "You added the top numbers and the bottom numbers: "
                                                          "first make the bottom numbers the same, then add "
                                                          "only the top numbers."));
    if (Equal(typed, {x.p * y.p, x.q * y.q}))
        return Filled(
            QCoreApplication::translate("Quiz", "You multiplied the fractions; here they are added."));
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
