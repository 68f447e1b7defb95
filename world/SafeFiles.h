// Reading and writing the suite's small files (the name file, the verdict
// file, the high-score table) so that nothing planted in their place can
// hang, crash or misuse the programs: only regular files are read, and only
// a bounded number of bytes; writes never follow a link, never block on a
// special file and never leave the old file half-replaced.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <sys/types.h>

namespace zorbik {

// Far above any real name, verdict or high-score file.
constexpr std::size_t SmallFileLimit = 1 << 20;

// The bytes of a regular file (a link to one is followed), at most
// `maxBytes` of them. A missing file, a folder, a FIFO, a device, a file
// that cannot be opened or a read error gives nothing. Never blocks.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes = SmallFileLimit);

// What a temporary file's name adds to the name of the file it will replace,
// before six random letters: a name nobody gives a file of their own, so that
// temporaries left by a killed program can be told apart and removed.
constexpr const char* TemporaryMark = ".tmp-";

// Replaces the file at `path` by one holding `bytes`: a new file is written
// and flushed beside it under the name `path` + TemporaryMark + six letters,
// and renamed over `path`. A link at `path` is replaced, never followed; its
// target is left alone. The new file keeps the permissions of the regular
// file it replaces; a first one gets 0644 less the umask, or 0664 in a
// folder its group may write (a class's shared folder). Where a sticky
// folder keeps this user from renaming over another user's file, the file is
// rewritten in place instead, when this user may write it. False when the
// file could not be written (the old one is then untouched and the temporary
// file removed) or when a folder stands at `path`.
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

// The path of `name` in `folder`, with a "/" between them unless the folder
// ends in one; an empty folder gives the bare name, an empty name the folder
// with its final "/".
std::string PathIn(const std::string& folder, const std::string& name);

} // namespace zorbik
