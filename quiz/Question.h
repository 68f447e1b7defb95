// What a question of the quiz is: its topic, its numbers or fractions, the
// answer, and the texts the pupil reads; with the fractions' own arithmetic.
#pragma once

#include "common/Protocol.h"

#include <cstdint>
#include <string>

namespace zorbik::quiz {

using zorbik::Topic;

// A fraction p/q with q > 0.
struct Fraction {
    int64_t p = 0;
    int64_t q = 1;
};
Fraction Reduced(Fraction f);

// "3/4", "5" for a whole number; MixedText writes 5/4 as "1 1/4".
std::string FractionText(Fraction f);
std::string MixedText(Fraction f);

enum class FractionKind { Add, Simplify };

struct Question {
    Topic topic = Topic::Lcm;
    // LCM and GCF: the two numbers, a < b. Fractions: the fractions x and y
    // (only x for Simplify).
    int a = 0;
    int b = 0;
    FractionKind kind = FractionKind::Add;
    Fraction x, y;
    Fraction answer; // whole-number answers have q = 1
    bool lowestTermsOnly = false;

    std::string text;    // the question as the pupil reads it
    std::string form;    // how to type the answer
    std::string hint;    // a step towards the answer
    std::string working; // one line that shows how the answer is found
    std::string answerText;
};

} // namespace zorbik::quiz
