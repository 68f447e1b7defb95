// The mistakes pupils most often make on these questions, recognised from
// the answer they typed, so that the feedback can name them.
#pragma once

#include "Question.h"

#include <string>

namespace zorbik::quiz {

// A sentence naming the mistake behind the wrong answer `typed`, or empty
// when it matches none of them: the product instead of the LCM, a common
// multiple that is not the least, the GCF for the LCM and the other way
// round, a common factor that is not the greatest, the bottom numbers added,
// top and bottom numbers both added, the fractions multiplied.
std::string NamedMistake(const Question& q, Fraction typed);

// The same mistakes by kind, in the order of their words in the class
// record (common/ClassRecord.h); an answer equal but not in lowest terms is
// told by its verdict instead.
enum class Mistake {
    None,
    Product,
    CommonMultiple,
    GcfForLcm,
    CommonFactor,
    LcmForGcf,
    BottomsAdded,
    TopsAndBottomsAdded,
    FractionsMultiplied
};
Mistake MistakeOf(const Question& q, Fraction typed);
// The mistake's word, as the journal and the class record keep it; empty
// for none.
std::string MistakeWord(Mistake mistake);

} // namespace zorbik::quiz
