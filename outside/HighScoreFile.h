// The high-score table on disk, "Game1.hrs" beside the game: read, merged
// with the finished game and written back under a lock on "Game1.hrs.lock",
// so that games ending at the same moment into one shared folder all keep
// their lines. Nothing planted in the table's place can hang the game over.
#pragma once

#include "HighScores.h"

#include <chrono>
#include <string>

namespace zorbik {

// How long a game over waits for another game to finish with the table
// before it carries on without the lock (a merge takes milliseconds).
constexpr std::chrono::milliseconds TableLockWait{5000};

// What became of the finished game's line: written into the table; written
// into a table started anew from the defaults, because the old one held lines
// that could not be read (they are kept in the copy beside it); or not
// written at all (the old table stays whole). In a classroom folder also:
// not written because another game held the class's table too long, or
// written while the class record could not take the game.
enum class TableSave { Saved, SavedAfterReset, NotSaved, Busy, SavedWithoutRecord };

// Reads the table at `path` into entries 1 to 15 (defaults first), puts the
// finished game in entry 16 and lets it climb, then writes the best fifteen
// back. On the way it removes temporary files that killed games left beside
// the table, and keeps a copy of a table that held damaged lines in
// `path` + ".bak" before replacing it. A table that cannot be written leaves
// the old file whole, whatever the cause (a full disk or a file-size limit
// included); `table` is filled all the same. The table is read only as a
// regular file, never through a link.
TableSave SaveFinishedGame(const std::string& path, const HighScoreEntry& finished, HighScoreTable& table,
                           std::chrono::milliseconds lockWait = TableLockWait);

} // namespace zorbik
