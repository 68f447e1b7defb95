#include "Question.h"

#include <numeric>

namespace zorbik::quiz {

Fraction Reduced(Fraction f)
{
    if (f.q < 0)
        f = {-f.p, -f.q};
    const int64_t g = std::gcd(f.p, f.q);
    if (g > 1)
        f = {f.p / g, f.q / g};
    return f;
}

std::string FractionText(Fraction f)
{
    return f.q == 1 ? std::to_string(f.p) : std::to_string(f.p) + "/" + std::to_string(f.q);
}

std::string MixedText(Fraction f)
{
    if (f.q == 1 || f.p < f.q)
        return FractionText(f);
    const std::string whole = std::to_string(f.p / f.q);
    return f.p % f.q == 0 ? whole : whole + " " + FractionText({f.p % f.q, f.q});
}

} // namespace zorbik::quiz
