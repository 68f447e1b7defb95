// The quiz program's questions, answers and verdict file, without any
// window: what a question asks, how a typed answer is judged, what the pupil
// is told and which byte the game finds in the verdict file afterwards.
#pragma once

#include "Question.h"
#include "common/Protocol.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace zorbik::quiz {

// What the game sent: "LCM 3 SOUND", "GCF 0 NOSOUND" or, for fractions,
// "5 SOUND" (no topic word). Topic words count in any case; "BOTH" offers
// LCM and GCF, and a word the quiz does not know offers all three topics
// (and is kept in `unknownTopic` so the window can say so). A missing or odd
// difficulty becomes 0, a larger one the highest step.
struct QuizArgs {
    std::vector<Topic> topics = {Topic::Fractions}; // the question's topic is drawn from these
    std::string unknownTopic;
    int difficulty = 0;
    bool sound = true;
};
QuizArgs ParseArgs(int argc, const char* const* argv);

// A generator seeded from the system's random device, the clock and the
// process id: every start of the quiz gets a different one.
std::mt19937 SeededGenerator();

// A question of the topic at difficulty 0 (small numbers, one step) to the highest
// (numbers in the hundreds, more steps), within the limits of
// QuestionSteps.h. At every difficulty each topic has at least forty
// different questions, and the numbers grow with the difficulty.
Question MakeQuestion(Topic topic, int difficulty, std::mt19937& rng);

// Like MakeQuestion, but avoids the texts in `recent` while it can.
Question MakeFreshQuestion(Topic topic, int difficulty, std::mt19937& rng,
                           const std::vector<std::string>& recent);

// Right; equal to the answer but not in lowest terms where they were asked
// (judged as wrong); wrong. The others are not judged, so the pupil can
// type again without a penalty: text that cannot be read, a decimal number
// and a negative one.
enum class Check { Right, NotLowest, Wrong, Unreadable, Decimal, Negative };

// True for the checks that settle the question.
inline bool Judged(Check c)
{
    return c == Check::Right || c == Check::NotLowest || c == Check::Wrong;
}

// True when the quiz's language writes decimals with a comma (every shipped
// language but English): a comma between digits is then a decimal comma.
bool DecimalComma();

// Judges a typed answer as children write it (AnswerReading.h): a whole
// number, "a/b" or a mixed number "1 1/4" for fractions.
Check CheckAnswer(const Question& q, const std::string& typed);

// What the pupil is told when the answer was not judged: what to change.
std::string RetypeAdvice(const Question& q, const std::string& typed);

// What a right answer at difficulty d earns in the maze: (d + 1) x 100.
int PointsFor(int difficulty);

// The two short sentences under the question that say what is at stake.
std::string StakeLine(int difficulty);

// The line that says what Enter and Escape do, and what Escape costs.
std::string KeysLine();

// Said when the hint is asked for, before it is shown.
std::string HintWarning();

// What the pupil reads once the answer is judged. `verdictPassed` is false
// when the verdict file could not be written: the game will then count the
// answer as not answered, and the pupil is told so.
std::string Feedback(const Question& q, Check check, bool hintUsed, const std::string& typed, int difficulty,
                     bool verdictPassed);

// The line shown when the game sent a topic word the quiz does not know.
std::string UnknownTopicLine(const std::string& word);

// The verdict byte the game reads (common/Protocol.h): only VerdictRight
// counts as a right answer.
unsigned char VerdictFor(Check check, bool hintUsed);

// The journal's word for a judged check, or for no answer.
std::string VerdictWord(std::optional<Check> check);

// Writes the one-byte verdict file into `folder` (with or without a final
// "/"), replacing whatever stands there without following a link or opening
// a special file; false when it could not be written.
bool WriteVerdict(const std::string& folder, unsigned char verdict);

} // namespace zorbik::quiz
