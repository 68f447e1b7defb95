#include "Mistakes.h"

#include "desktop/FilledText.h"

#include <QCoreApplication>

#include "common/ClassRecord.h"

#include <numeric>

namespace zorbik::quiz {

namespace {

bool Equal(Fraction x, Fraction y)
{
    return x.p * y.q == y.p * x.q;
}

Mistake LcmMistake(const Question& q, int64_t typed)
{
    const int64_t lcm = q.answer.p, gcf = std::gcd(q.a, q.b);
    if (typed == int64_t(q.a) * q.b)
        return Mistake::Product;
    if (typed > lcm && typed % lcm == 0)
        return Mistake::CommonMultiple;
    if (typed == gcf)
        return Mistake::GcfForLcm;
    return Mistake::None;
}

Mistake GcfMistake(const Question& q, int64_t typed)
{
    if (typed > 1 && typed < q.answer.p && q.a % typed == 0 && q.b % typed == 0)
        return Mistake::CommonFactor;
    if (typed == std::lcm<int64_t>(q.a, q.b))
        return Mistake::LcmForGcf;
    return Mistake::None;
}

Mistake SumMistake(const Question& q, Fraction typed)
{
    const Fraction x = q.x, y = q.y;
    const int64_t common = std::lcm(x.q, y.q);
    const int64_t tops = x.p * (common / x.q) + y.p * (common / y.q);
    if (Equal(typed, {tops, 2 * common}) || Equal(typed, {tops, x.q + y.q}))
        return Mistake::BottomsAdded;
    if (Equal(typed, {x.p + y.p, x.q + y.q}))
        return Mistake::TopsAndBottomsAdded;
    if (Equal(typed, {x.p * y.p, x.q * y.q}))
        return Mistake::FractionsMultiplied;
    return Mistake::None;
}

// The sentence for a mistake of this question.
std::string Sentence(Mistake mistake, const Question& q, int64_t typed)
{
    const int64_t gcf = std::gcd(q.a, q.b);
    switch (mistake) {
    case Mistake::None:
        return {};
    case Mistake::Product:
        return Filled(QCoreApplication::translate("Quiz",
                                                  "You multiplied %1 and %2: that is a common multiple, "
                                                  "but not the least one, because %1 and %2 share the "
                                                  "factor %3."),
                      q.a, q.b, gcf);
    case Mistake::CommonMultiple:
        return Filled(QCoreApplication::translate(
                          "Quiz", "%1 is a common multiple of %2 and %3, but not the least one."),
                      typed, q.a, q.b);
    case Mistake::GcfForLcm:
        return Filled(QCoreApplication::translate("Quiz",
                                                  "%1 is their greatest common factor; the LCM is the "
                                                  "smallest number that both go into."),
                      typed);
    case Mistake::CommonFactor:
        return Filled(QCoreApplication::translate("Quiz", "%1 goes into both %2 and %3, but it is not the "
                                                          "greatest common factor: look for a bigger one."),
                      typed, q.a, q.b);
    case Mistake::LcmForGcf:
        return Filled(QCoreApplication::translate("Quiz", "%1 is their least common multiple; the GCF is the "
                                                          "biggest number that goes into both."),
                      typed);
    case Mistake::BottomsAdded:
        return Filled(q.x.q == q.y.q
                          ? QCoreApplication::translate(
                                "Quiz", "You added the bottom numbers too: when they are the same, add "
                                        "only the top numbers and keep the bottom number.")
                          : QCoreApplication::translate(
                                "Quiz", "You added the bottom numbers too: make them the same, then "
                                        "add only the top numbers and keep the common bottom number."));
    case Mistake::TopsAndBottomsAdded:
        return Filled(QCoreApplication::translate("Quiz", "You added the top numbers and the bottom numbers: "
                                                          "first make the bottom numbers the same, then add "
                                                          "only the top numbers."));
    case Mistake::FractionsMultiplied:
        return Filled(
            QCoreApplication::translate("Quiz", "You multiplied the fractions; here they are added."));
    }
    return {};
}

} // namespace

Mistake MistakeOf(const Question& q, Fraction typed)
{
    if (typed.q <= 0 || Equal(typed, q.answer))
        return Mistake::None;
    switch (q.topic) {
    case Topic::Lcm:
        return typed.q == 1 ? LcmMistake(q, typed.p) : Mistake::None;
    case Topic::Gcf:
        return typed.q == 1 ? GcfMistake(q, typed.p) : Mistake::None;
    case Topic::Fractions:
        break;
    }
    return q.kind == FractionKind::Add ? SumMistake(q, typed) : Mistake::None;
}

std::string NamedMistake(const Question& q, Fraction typed)
{
    return Sentence(MistakeOf(q, typed), q, typed.p);
}

std::string MistakeWord(Mistake mistake)
{
    return mistake == Mistake::None ? std::string() : MistakeWords[static_cast<std::size_t>(mistake) - 1];
}

} // namespace zorbik::quiz
