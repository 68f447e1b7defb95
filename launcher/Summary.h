// What the launcher tells about the questions of a game and of the games
// before it, from the pupil's journal (journal/Journal.h): the summary after a
// game (in a window, or on standard output with --play) and the report of
// --report (text, or CSV with --csv).
#pragma once

#include "journal/Journal.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zorbik {

// The journal of the games this player plays: Quiz/Journal.txt in the
// folder the launcher plays from (the same choice as PlanGame makes, but
// without laying anything out).
std::string PlayersJournal(const std::string& launcherFolder, bool classroom);

// Where the journal ended when a game started, so that the summary reads
// only the lines of that game.
struct JournalMark {
    std::string path;
    std::size_t size = 0;
};
JournalMark MarkJournal(const std::string& path);
std::vector<JournalEntry> EntriesSince(const JournalMark& mark);

// The summary of one game's questions: how many were asked, how many were
// right per topic, the missed ones with their working, and a word of
// encouragement. Empty when no question was asked.
std::string SummaryText(const std::vector<JournalEntry>& entries, const std::string& name);

// The player's history: the last games with their right answers per topic,
// then all questions per topic, and how many lines of the journal could not
// be read. Free of controls and direction marks.
std::string ReportText(const std::vector<JournalEntry>& entries, const std::string& journal,
                       std::size_t skipped = 0);

// One CSV row per game, with a header row, for a spreadsheet: every text
// cell quoted, none read as a formula (SpreadsheetCell).
std::string ReportCsv(const std::vector<JournalEntry>& entries);

} // namespace zorbik
