// Which topics the pupil chose. The game draws LCM or GCF anew for each
// question when the pupil chose both, and hands the quiz only the one word:
// left to that coin, one topic can come many times in a row. The game's
// command line (the quiz's parent) still says "BOTH", so the quiz offers
// both topics again and balances them itself (RecentQuestions.h). The
// points the game pays do not depend on the topic.
#pragma once

#include "QuizLogic.h"

#include <string>
#include <vector>

namespace zorbik::quiz {

// The topics to choose from: those the game sent, or LCM and GCF when the
// game that started this quiz (its words `gameWords`, the program first)
// was told "BOTH" and names this quiz program `quizName` (its file name).
std::vector<Topic> OfferedTopics(const QuizArgs& args, const std::vector<std::string>& gameWords,
                                 const std::string& quizName);

// The command-line words of the process that started this one, read from
// /proc; empty when they cannot be read.
std::vector<std::string> ParentWords();

} // namespace zorbik::quiz
