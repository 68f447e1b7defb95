// The quiz program's questions, answers and verdict file, without any
// window: what a question asks, how a typed answer is judged and which byte
// the game finds in "Return.ret" afterwards.
#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace zorbik::quiz {

enum class Topic { Lcm, Gcf, Fractions };

constexpr int MaxDifficulty = 14;

// What the game sent: "LCM 3 SOUND", "GCF 0 NOSOUND" or, for fractions,
// "5 SOUND" (no topic word). A missing or odd difficulty becomes 0, a larger
// one 14.
struct QuizArgs {
    Topic topic = Topic::Fractions;
    int difficulty = 0;
    bool sound = true;
};
QuizArgs ParseArgs(int argc, const char* const* argv);

// A fraction p/q with q > 0.
struct Fraction {
    int64_t p = 0;
    int64_t q = 1;
};
Fraction Reduced(Fraction f);

enum class FractionKind { Add, Simplify };

struct Question {
    Topic topic = Topic::Lcm;
    // LCM and GCF: the two numbers. Fractions: the fractions a and b (only
    // a for Simplify).
    int a = 0;
    int b = 0;
    FractionKind kind = FractionKind::Add;
    Fraction x, y;
    Fraction answer; // whole-number answers have q = 1
    bool lowestTermsOnly = false;

    std::string text; // the question as the pupil reads it
    std::string form; // how to type the answer
    std::string hint; // a step towards the answer
    std::string answerText;
};

// A question of the topic at difficulty 0 (mental arithmetic with one-digit
// numbers) to 14 (three-digit numbers); the numbers grow with it.
Question MakeQuestion(Topic topic, int difficulty, std::mt19937& rng);

enum class Check { Right, Wrong, Unreadable };

// Judges a typed answer: a whole number or "a/b", blanks allowed around the
// numbers. Unreadable text is not judged, so the pupil can type again.
Check CheckAnswer(const Question& q, const std::string& typed);

// The verdict bytes the game reads: only 1 counts as a right answer.
constexpr unsigned char VerdictWrong = 0;
constexpr unsigned char VerdictRight = 1;
constexpr unsigned char VerdictRightWithHint = 2;
constexpr unsigned char VerdictNotAnswered = 3;

unsigned char VerdictFor(Check check, bool hintUsed);

// Writes the one-byte "Return.ret" into `folder` (with or without a final
// "/"); false when it could not be written.
bool WriteVerdict(const std::string& folder, unsigned char verdict);

} // namespace zorbik::quiz
