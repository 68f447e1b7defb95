// What the programs of the suite agree on: the files they leave for each
// other, and what the game's exit status tells the launcher.
#pragma once

namespace zorbik {

// Beside the game: the high-score table, its lock and the copy of a table
// that held lines that could not be read.
constexpr const char* HighScoreFileName = "Game1.hrs";
constexpr const char* HighScoreLockName = "Game1.hrs.lock";
constexpr const char* HighScoreCopyName = "Game1.hrs.bak";

// The game's exit status after its game-over window: the finished game's
// line was kept; it was kept in a table started anew because the old one
// held lines that could not be read (a copy of those is in the .bak file);
// or it could not be saved at all.
constexpr int GameEndedSaved = 0;
constexpr int GameEndedTableReset = 4;
constexpr int GameEndedNotSaved = 5;

} // namespace zorbik
