// Which topics the pupil chose. The game draws LCM or GCF anew for each
// question when the pupil chose both, and hands the quiz only the one word:
// left to that coin, one topic can come many times in a row. The launcher
// tells the game's quiz of the pupil's "BOTH" in the environment
// (GameTopicVariable), so the quiz offers both topics again and balances
// them itself (RecentQuestions.h). The points the game pays do not depend on
// the topic.
#pragma once

#include "QuizLogic.h"

#include <vector>

namespace zorbik::quiz {

// The topics to choose from: those the game sent, or LCM and GCF when it
// sent one of them and `gameTopic` (the environment's word, null when it is
// not set) says the pupil chose "BOTH".
std::vector<Topic> OfferedTopics(const QuizArgs& args, const char* gameTopic);

// The topics on offer to this quiz, told by its environment.
std::vector<Topic> OfferedTopics(const QuizArgs& args);

} // namespace zorbik::quiz
