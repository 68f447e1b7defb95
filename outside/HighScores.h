// The hall of fame: sixteen entries built afresh at every game over, the
// best fifteen kept in the text file "Game1.hrs" beside the game, one
// fixed-width line of 42 bytes per entry.
#pragma once

#include "common/Protocol.h"
#include "common/Translatable.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zorbik {

constexpr int NameWidth = 20;
constexpr int HighScoreLineWidth = 42; // Name 20, Pr 4, En 4, Dr 4, L 2, Score 8
constexpr int KeptEntries = 15;

// Translated on screen only, the file keeps the English header.
//: 43 characters, centred
constexpr const char* HighScoreTitle =
    QT_TRANSLATE_NOOP("Game", "             HIGH SCORES LIST              ");
//: 43 characters; each column name stays where the English one is
constexpr const char* HighScoreHeader =
    QT_TRANSLATE_NOOP("Game", "-- Name --------------Pr--En--Dr-L---Score-");
constexpr const char* HighScoreSeparator = "-------------------------------------------";

struct HighScoreEntry {
    std::string Name; // exactly 20 bytes, blank-padded on the right
    int32_t Pr = 0;   // items picked up
    int32_t En = 0;   // enemies beaten
    int32_t Dr = 0;   // doors opened
    int32_t L = 0;    // level reached
    int32_t Score = 0;
};

bool operator==(const HighScoreEntry& a, const HighScoreEntry& b);

// Entries 1 to 16; place 0 is never used.
using HighScoreTable = std::array<HighScoreEntry, 17>;

// The decimal text of `value`, with blanks on the left up to `width`
// characters; a wider number is given whole, never cut.
std::string PadNumber(int32_t value, int width);

// Entry k of the default table: `name` (the starting name, "Default player"
// in English; StartingName() in ShownName.h gives it in the player's language)
// cut to the name field, 16 - k everywhere but L = 1.
constexpr const char* DefaultPlayer = QT_TRANSLATE_NOOP("HighScores", "Default player");
HighScoreEntry DefaultEntry(int k, const std::string& name = DefaultPlayer);
void FillDefaults(HighScoreTable& table, const std::string& name = DefaultPlayer);

// The 20-byte name field for a player's name: at most its first 20 bytes,
// never ending inside a UTF-8 character, control characters turned into
// blanks, padded with blanks.
std::string NameField(const std::string& gamerName);

// The 42-byte line of an entry (no line end). A number too wide for its
// field is written as the nearest value that fits, so the line stays whole.
std::string HighScoreLine(const HighScoreEntry& e);

// Reads one line (without its line end). A sound line has exactly 42 bytes,
// a name without control characters and five number fields. A number field
// holds, over its whole width, optional leading blanks, an optional minus
// and at least one digit, and nothing else. Damaged lines give false.
bool ParseHighScoreLine(const std::string& line, HighScoreEntry& out);

// Merges the bytes of a table file into entries 1 to 15: its sound lines in
// order, damaged lines skipped as if absent, lines past the fifteenth sound
// one ignored. Lines may end in CR LF, LF or CR alone; empty lines are
// skipped. True when a damaged line was met before the fifteenth sound one.
bool ReadHighScores(std::string_view bytes, HighScoreTable& table);

// The one pass from the bottom that lets entry 16 climb above every lower
// score; on a tie the older entry keeps the better place.
void BubbleUp(HighScoreTable& table);

// The merge of a game over: entries 1 to 15 from the stored table's `bytes`
// (the defaults where it has fewer lines, or where there is none), the
// finished game in entry 16, climbing to its place. True when the stored
// table held lines that could not be read.
bool MergeFinishedGame(const std::string* bytes, const HighScoreEntry& finished, HighScoreTable& table,
                       const std::string& startingName = DefaultPlayer);

// The file's text of the best fifteen entries, each line ending in CR LF.
std::string HighScoreText(const HighScoreTable& table);

} // namespace zorbik
