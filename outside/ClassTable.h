// The game over of a classroom folder: the game never writes the class's
// files itself but hands its finished line and its questions to the class
// writer (common/Protocol.h), which merges the line into the class's table,
// appends the game to the class record and sends back the merged table.
#pragma once

#include "HighScoreFile.h"
#include "HighScores.h"

#include "common/ClassRecord.h"

#include <optional>
#include <string>

namespace zorbik {

// The classroom folder that the game's folder `exeFolder` lies in, when it
// is one (set up, with the class record beside the game's folder).
std::optional<std::string> ClassroomOfGame(const std::string& exeFolder);

// The record line of the game `game` from the player's journal at
// `journalPath`: its questions per topic and the mistakes named. The name,
// level and score are the caller's to fill in.
ClassRecordLine QuestionsOfGame(const std::string& journalPath, long game);

// Runs the class writer `writer` for the classroom folder `classroom`; the
// merged table as the writer sent it back (or the defaults with the finished
// game when none came back), and what became of the line.
TableSave SaveThroughClassWriter(const std::string& writer, const std::string& classroom,
                                 const HighScoreEntry& finished, const ClassRecordLine& record,
                                 HighScoreTable& table);

} // namespace zorbik
