// The step a question is made at. The game sends a difficulty; a ceiling
// may keep the quiz below it, and within the ceiling the quiz follows the
// pupil: after two misses in a row on a topic (a wrong answer, the hint, or
// no answer) that topic's next questions come one step easier, and every
// right answer climbs one step back. The game still pays for the
// difficulty it sent.
#pragma once

#include "QuizLogic.h"
#include "common/QuestionCeiling.h"
#include "journal/Journal.h"

#include <vector>

namespace zorbik::quiz {

// How many steps easier the pupil's recent questions on the topic make the
// next one: the journal's entries, oldest first; the last 30 of the topic
// count.
int StepsEased(Topic topic, const std::vector<JournalEntry>& journal);

// The step for a question: the difficulty sent, kept under the ceiling,
// made easier by `eased` steps, never below 0.
int StepFor(int sent, int ceiling, int eased);

} // namespace zorbik::quiz
