// How big the numbers of each question may be at each step (0 to the highest), for
// pupils of about 9 to 13 who work on paper and have a minute or so. Four
// bands share a ceiling (steps 0-2, 3-6, 7-10, 11-14); within a band the
// numbers still grow a little from step to step, so that a higher step is
// never easier.
#pragma once

#include <array>

namespace zorbik::quiz {

struct StepLimits {
    // LCM: the larger number, the answer's range, and how many multiples
    // of the larger number the pupil counts at most (answer / larger number).
    int lcmLargerMax, lcmAnswerMin, lcmAnswerMax, lcmCountMax;
    // GCF: the larger number's range, the answer's range, the largest prime
    // in the answer, and the largest other factor of the larger number.
    int gcfLargerMin, gcfLargerMax, gcfAnswerMin, gcfAnswerMax, gcfPrimeMax, gcfOtherMax;
    // Fractions: the largest bottom number of a fraction to add or of an
    // answer, the common bottom number's range, and whether a sum may be
    // more than 1.
    int bottomMax, commonMin, commonMax;
    bool sumAboveOne;
};

constexpr int StepCount = 15;

// clang-format off
constexpr std::array<StepLimits, StepCount> Steps = {{
    //  LCM                 GCF                              fractions
    {15,   6,  60, 8,   10,  30,  2,  6,  5,  7,    7,   3,   8, false},  // 0
    {18,  10,  60, 8,   12,  32,  2,  8,  7,  7,    8,   4,  16, false},  // 1
    {20,  16,  60, 8,   16,  36,  2, 10,  7,  8,   10,   6,  24, true},   // 2
    {24,  20, 120, 5,   20,  48,  3, 10,  7,  7,   10,   8,  30, true},   // 3
    {30,  24, 120, 6,   24,  64,  3, 12,  7,  8,   11,  10,  40, true},   // 4
    {36,  30, 120, 6,   30,  80,  4, 12,  7,  8,   12,  12,  48, true},   // 5
    {40,  40, 120, 6,   36, 100,  4, 12,  7,  9,   12,  15,  60, true},   // 6
    {48,  40, 240, 7,   40, 110,  4, 14, 13,  9,   13,  16,  64, true},   // 7
    {60,  48, 240, 7,   45, 125,  5, 16, 13, 10,   14,  18,  72, true},   // 8
    {72,  60, 240, 8,   50, 140,  6, 18, 13, 10,   15,  20,  84, true},   // 9
    {80,  72, 240, 8,   55, 150,  6, 20, 13, 10,   16,  24,  96, true},   // 10
    {90,  80, 400, 8,   60, 160,  6, 21, 13, 11,   17,  24, 100, true},   // 11
    {100, 96, 400, 9,   65, 175,  7, 22, 13, 11,   18,  30, 108, true},   // 12
    {110, 110, 400, 9,  70, 190,  8, 24, 13, 12,   19,  36, 120, true},   // 13
    {120, 120, 400, 10, 75, 200,  8, 25, 13, 12,   20,  40, 120, true},   // 14
}};
// clang-format on

} // namespace zorbik::quiz
