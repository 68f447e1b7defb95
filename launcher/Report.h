// The launcher's own uses of the pupil's journal: the ceiling on the
// quiz's steps handed to the quiz, the summary after a direct start
// (--play) and the report (--report, --csv).
#pragma once

#include <string>

namespace zorbik {

struct LauncherOptions;

// Hands the launcher's ceiling on the quiz's steps to the quiz through the
// environment the game and its quiz inherit (QuestionCeilingVariable): the
// command line's --questions, else, for the window, the one remembered from
// an earlier --questions. The window remembers a --questions it is given.
void HandCeilingToQuiz(const LauncherOptions& options, bool window);

// --play: the game, then the summary of its questions on standard output.
// The game's exit status.
int PlayWithSummary(const LauncherOptions& options);

// --report: the player's history on standard output, as text or CSV. 0.
int ReportAtOnce(const LauncherOptions& options);

} // namespace zorbik
