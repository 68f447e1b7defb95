// Reading and writing the suite's small files (the name file, the verdict
// file, the high-score table) so that nothing planted in their place can
// hang, crash or misuse the programs: only regular files are read, and only
// a bounded number of bytes; writes never follow a link, never block on a
// special file and never leave the old file half-replaced.
#pragma once

#include "OpenedFolders.h"

#include <cstddef>
#include <optional>
#include <string>
#include <sys/types.h>

namespace zorbik {

// Far above any real name, verdict or high-score file.
constexpr std::size_t SmallFileLimit = 1 << 20;

// The bytes of a regular file, at most `maxBytes` of them. A missing file, a
// link (whatever it leads to), a folder, a FIFO, a device, a file that cannot
// be opened or a read error gives nothing. Never blocks.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes = SmallFileLimit);

// Replaces the file at `path` by one holding `bytes`: a new file is written
// and flushed beside it under the name `path` + TemporaryMark + six letters,
// and renamed over `path`. A link at `path` is replaced, never followed; its
// target is left alone. The new file keeps the read and write permissions of
// this user's own regular file that it replaces, never a set-ID or execute
// bit; a first one is private, 0600 whatever the umask. A regular file of another user
// (a class's table, which the teacher made for the pupils to write) is
// rewritten in place instead, keeping its owner and permissions, and so is
// this user's own file in a folder they may not write; never a file with a
// second name. False when the file could not be written (the old one is then
// untouched and the temporary file removed) or when a folder stands at `path`.
bool ReplaceFile(const std::string& path, const std::string& bytes);

// Copies the regular file at `from` (never through a link, never blocking on
// a FIFO) to `to` as ReplaceFile writes: beside `to` and renamed over it, so
// a link at `to` is replaced, never followed. The copy gets exactly the
// permissions `mode`. False when `from` is no regular file or the copy could
// not be written (whatever stood at `to` is then untouched).
bool CopyRegularFile(const std::string& from, const std::string& to, mode_t mode);

// Removes whatever non-folder entry stands at `path` (a link itself, never
// its target; a FIFO; a regular file) without opening it. True when nothing
// is left at `path`, false when a folder or an entry that cannot be removed
// stands there.
bool RemoveEntry(const std::string& path);

} // namespace zorbik
