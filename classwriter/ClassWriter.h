// The class writer's work: the one writer of a classroom folder's table, its
// copy, its lock and its class record. It runs set-group-ID to the suite's
// own group, which alone may write those files; the pupils may only read
// the table. A pupil's game hands it the finished game, and it merges the
// line into the table and appends the game to the record, under the lock.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace zorbik {

// What the game hands the writer on its standard input: the finished game's
// table line, then its record line (whose time and login the writer puts in
// itself), each ending in CR LF. Never longer than this.
constexpr std::size_t FinishedGameLimit = 4096;

// How long the writer waits for another pupil's writer to finish with the
// table (a merge takes milliseconds).
constexpr std::chrono::milliseconds ClassLockWait{5000};

struct ClassWriting {
    std::string folder;   // the classroom folder, an absolute path
    std::string finished; // what the game handed over
    std::chrono::milliseconds lockWait = ClassLockWait;
};

// Opens the classroom folder and its class files from descriptors, never
// through a link, and checks them: the folder and every folder above it
// changeable by root or its owner alone, Maze/ theirs and closed to others,
// each class file a plain file of theirs with this program's group, which
// pupils may not write. Then gives up the group, checks that the real user
// is a pupil of the folder's class, takes the lock and writes. `shown` gets
// the merged table as the game shows it (sixteen lines, the finished game's
// last when it did not enter), `error` a line for the player. The status is
// one of the game's end statuses or the writer's own (common/Protocol.h).
int WriteForClass(const ClassWriting& writing, std::string& shown, std::string& error);

} // namespace zorbik
