// Whether a sound file is a WAV file that the sound effects can play. Only
// such files are handed to them: Qt's sound effect never finishes loading a
// file whose header it cannot make sense of, and holds on to it until the
// process ends.
#pragma once

#include <string>

namespace zorbik {

// True for a regular file with a RIFF/WAVE header, a format chunk of plain
// PCM (8, 16, 24 or 32 bits), float (32 bits) or their extensible form, and
// a non-empty data chunk of at most 16 MiB that lies within the file. Only
// the first 64 KiB are read, and the chunks must start there.
bool IsPlayableWave(const std::string& path);

} // namespace zorbik
