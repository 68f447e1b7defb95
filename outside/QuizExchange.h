// One arithmetic question through the quiz program of the suite: the game
// starts it with a topic, a difficulty and the sound switch, blocks until it
// has ended and reads its one-byte verdict from the verdict file in its folder.
#pragma once

#include "world/GameState.h"
#include "world/Host.h"

#include <string>
#include <vector>

namespace zorbik {

// One question: the argument string (topic, difficulty, sound switch) goes
// to `s.QuizTopic` and `quiz` runs the quiz program with it. True for a right
// answer; then the points for a right answer at its difficulty have been
// added to `s.Score`. Changes nothing else but the random generator's
// position.
bool AskQuestion(GameState& s, Quiz& quiz);

// The game's topic word (its second argument) in the environment its quiz
// inherits, as the launcher also leaves it: with "BOTH" the quiz balances LCM
// and GCF although each question names only one of them, in a game started by
// hand as in one started by the launcher.
void HandTopicToQuiz(const GameState& s);

// The quiz process itself: `program` is run with `params` and waited for,
// and its verdict is read and deleted. True only when the program ran and
// the verdict's first byte is the right verdict.
bool RunQuizProgram(const std::string& program, const std::string& params);

// The difficulty for a maze of side `mazeSize`: level L = mazeSize div 6,
// d = Random(L) + L - 1, at most the highest step (never below 0).
int DrawDifficulty(int mazeSize);

// The words of a parameter text: split at blanks, empty words dropped.
std::vector<std::string> SplitParams(const std::string& params);

// Starts `program` with the words of `params` as its arguments, in the
// program's own folder as working folder and without any shell, then waits
// for it to end without time limit. False (without waiting) when it could
// not be started: missing, not executable, or its folder is gone. The show
// mode is accepted for the window's sake; a desktop program shows itself.
bool RunAndWait(const std::string& program, const std::string& params, int showMode);

// Reads the verdict from `path`: true only for a readable regular file whose
// first byte is 1. A link there is never followed. The entry is removed
// afterwards in every case (a link itself, never its target; a folder of
// that name is left alone).
bool TakeVerdict(const std::string& path);

} // namespace zorbik
