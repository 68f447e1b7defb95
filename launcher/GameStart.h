// Starting the game for a player and waiting for it, without a window: the
// launcher's window and its direct start (--play) share this; and the
// teacher's set-up of a classroom folder (--set-up).
#pragma once

#include "LauncherLogic.h"
#include "PlayingFolder.h"

#include <string>
#include <sys/types.h>

namespace zorbik {

// Writes the name file and starts the game as `plan` says, with the
// player's choices as its four arguments. The game runs in the plan's suite
// folder and shares the launcher's standard input, output and error. A name
// that cannot be written starts nothing, so the game never credits the
// previous player; nor does a second start while a game of the same playing
// folder runs. Returns the game's process id, or -1 with `error` set.
pid_t StartGame(const GamePlan& plan, const LaunchChoice& choice, std::string& error);

// Waits for the game: its exit status, 128 + the signal that ended it, or -1
// when it has not ended yet and `block` is false.
int WaitForGame(pid_t game, bool block);

// What the player is told when the game ended with `status`: that its line
// was not saved, or was saved into a table started anew; empty otherwise.
std::string GameEndMessage(int status);

struct LauncherOptions;

// The direct start (--play): plans the game, starts it with the command
// line's choices and waits for the game. The choices remembered for the
// window are left as they were. The game's exit status, or 1 with a message
// on standard error when it could not start.
int PlayAtOnce(const LauncherOptions& options);

// The teacher's set-up (--set-up): lays out the classroom folder anew from
// the installed suite. 0, or 1 with a message on standard error.
int SetUpAtOnce(const LauncherOptions& options);

} // namespace zorbik
