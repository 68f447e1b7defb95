// The player's name as the launcher takes it: a name with nothing in it
// (after the blanks around it and the characters the name file drops) is
// refused, and the high-score table keeps only its first 20 bytes, cut
// between whole letters, which the window shows under the name.
#pragma once

#include <string>

namespace zorbik {

// Whether nothing of the name would reach the name file but blanks.
bool IsBlankName(const std::string& name);

// What the table will show of the name: its beginning that fits the
// table's name field.
std::string NameKeptInTable(const std::string& name);

// The line under the window's name field: why Play waits, or what of the
// name the table keeps. `playable` tells whether the name may be played.
std::string NameNote(const std::string& name, bool& playable);

} // namespace zorbik
