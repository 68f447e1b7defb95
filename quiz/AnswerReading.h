// Reading a typed answer the way children write numbers: "+12", "1,200"
// (in English), "1 200" (also with a non-breaking space), "3/4", "1 1/4" and
// "1  1/4". A decimal ("1.25", "1,5") and a negative number ("-12") are
// recognised, so that the pupil can be told what to change instead of
// losing health. Where the pupil's language writes decimals with a comma,
// a comma between digits is always a decimal comma: "1,125" is 1.125.
#pragma once

#include "Question.h"

#include <string>

namespace zorbik::quiz {

struct TypedAnswer {
    enum Kind { Number, Decimal, Negative, Unreadable };
    Kind kind = Unreadable;
    // Number: the value, a mixed number counted whole; Decimal: the value as
    // a fraction; Negative: the value of what follows the minus.
    Fraction value;
    // Typed with a "/": its top and bottom numbers as typed (the fraction
    // part of a mixed number), and the whole part before them.
    bool hasFraction = false;
    int64_t whole = 0, top = 0, bottom = 1;
    std::string text; // the answer without extra blanks, as the pupil reads it back
};

TypedAnswer ReadTypedAnswer(const std::string& typed, bool decimalComma = false);

} // namespace zorbik::quiz
