// The player's name file, which the launcher writes and the game reads.
#pragma once

#include <string>

namespace zorbik {

// The player's name from the name file: every byte up to the end of the file
// or the first Ctrl-Z; line breaks and other control characters are dropped
// so that the fixed-width high-score line stays whole. A file that cannot be
// read, or that is no regular file (a link, folder, FIFO or device), gives
// the empty name; at most the first mebibyte is read.
std::string ReadGamerName(const std::string& path);

} // namespace zorbik
