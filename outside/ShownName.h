// The names of the high-score table as the game-over window shows them. The
// file keeps its fixed 20-byte name fields; the shown copy is made safe and
// lined up: invalid UTF-8 shows one '?' per bad byte, control and
// direction-changing characters are left out, accents are composed with
// their letters where one character exists for both, and the name is kept
// apart from the number columns, which line up whatever width its letters
// take. A player's name is cut to its field only between whole letters.
#pragma once

#include "HighScores.h"

#include <cstddef>
#include <string>

namespace zorbik {

// Ends the name in a shown line that is not plain ASCII; the table box puts
// its tab stop where the number columns begin, so the numbers line up
// whatever width the name's letters have in the table's font.
constexpr char ShownNameEnd = '\t';

// The shown copy of a name field, as UTF-8 without the padding blanks.
std::string ShownName(const std::string& nameField);

// The longest beginning of a player's name, at most `maxBytes` long, that
// ends between whole letters: never inside a character, never between a
// letter and its accents.
std::string WholeLettersWithin(const std::string& name, size_t maxBytes);

// The line of an entry as the table shows it: the file's line itself when the
// name is plain printable ASCII; otherwise the shown name, kept apart from
// the numbers as a separate run of text (so that a right-to-left name reads
// right to left but never turns the numbers round), then ShownNameEnd and the
// number columns.
std::string ShownHighScoreLine(const HighScoreEntry& e);

// The starting table's name in the player's language.
std::string StartingName();

} // namespace zorbik
