// The teacher's view of the class as text and CSV (zorbik --class-report
// DIR [--csv]), from the class record of a classroom folder.
#pragma once

#include "ClassTally.h"

#include <ctime>
#include <string>

namespace zorbik {

struct LauncherOptions;

// Reads and counts DIR's class record as of `now`. False, with the
// translated reason in `refusal`, when the record was not read.
bool LoadClassTally(const std::string& folder, std::time_t now, ClassTally& tally, std::string& refusal);

// A named mistake in words ("the product for the LCM"), translated.
std::string MistakeInWords(std::size_t word);
// "LCM", "GCF", "Fractions", translated.
std::string RecordTopicName(std::size_t topic);
// "3 pupils", "12 games", "2 lines of the record could not be read (...)".
std::string PupilsText(std::size_t n);
std::string GamesText(std::size_t n);
std::string UnreadText(std::size_t n);
// "3/4", or "-" when nothing was asked.
std::string RightOfAskedText(const RightOfAsked& counts);
// "2026-12-08 10:02" of the record's time.
std::string GameDate(const std::string& time);
// The local date "2026-11-10" of a moment.
std::string LocalDate(std::time_t moment);

// One row per pupil, the columns aligned, with a heading that names the
// folder and tells how many lines could not be read. Shows no control.
std::string ClassReportText(const ClassTally& tally, const std::string& folder);

// The same rows for a spreadsheet: a header row, then one row per pupil;
// every text cell is safe to open (SpreadsheetCell).
std::string ClassReportCsv(const ClassTally& tally);

// --class-report: the report on standard output, the refusal on standard
// error. 0 when it was printed, 1 when the record was not read.
int ClassReportAtOnce(const LauncherOptions& options);

} // namespace zorbik
