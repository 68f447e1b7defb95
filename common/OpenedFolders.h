// Working inside folders that other users may write into (a class's shared
// folder) from opened descriptors: every step opens the next entry relative
// to the folder already opened and never through a link, so nothing swapped
// in between two steps is ever followed, changed or read.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>
#include <vector>

namespace zorbik {

// An open descriptor, closed when it goes out of scope.
class UniqueFd {
  public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd();
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Closes the descriptor now and forgets its number, so that nothing closes
    // it again (another thread may already have been given the same number).
    // The result of ::close, with errno set on -1; 0 when none was open.
    int close();

  private:
    int fd_ = -1;
};

// What a temporary file's name adds to the name of the file it will replace,
// before six random letters: a name nobody gives a file of their own, so that
// temporaries left by a killed program can be told apart and removed.
constexpr const char* TemporaryMark = ".tmp-";

// Writes all of `bytes` to `fd`; false on an error.
bool WriteAll(int fd, std::string_view bytes);

// Reads from `fd` until its end or `maxBytes` bytes; nothing on an error.
std::optional<std::string> ReadAtMost(int fd, std::size_t maxBytes);

// Copies everything from `from` to `to`; false on an error.
bool CopyAll(int from, int to);

// Opens the folder `name` inside the opened folder `parent`, never through a
// link; not valid (errno set) when no folder stands there.
UniqueFd OpenFolderAt(int parent, const std::string& name);

// Opens "/" and then each folder of the absolute path `path` in turn, never
// through a link, and asks `check` about each one's status with its path so
// far ("/" first). Returns the first complaint, with `last` unset, or empty
// with `last` the opened folder of `path` itself.
using FolderCheck = std::function<std::string(const struct stat&, const std::string&)>;
std::string WalkFolders(const std::string& path, const FolderCheck& check, UniqueFd& last);

// The names in an opened folder, without "." and "..".
std::vector<std::string> EntriesOf(int folder);

// The status of the entry `name` in `folder` itself (a link's own); nothing
// when there is no such entry.
std::optional<struct stat> StatusAt(int folder, const std::string& name);

// Removes the entry `name` from `folder`: a link itself (never what it leads
// to), a file, or a folder with everything in it. True when nothing is left.
bool RemoveTreeAt(int folder, const std::string& name);

// The bytes of the entry `name` in `folder` when it is a plain file: a
// regular file with no second name (a hard link of someone else's file
// planted there has one), opened never through a link and never blocking;
// at most `maxBytes` of them.
std::optional<std::string> ReadPlainFileAt(int folder, const std::string& name, std::size_t maxBytes);

// Writes the file `name` in `folder` anew through `fill`: a new file beside
// it (`name` + TemporaryMark + six letters), this user's, with the group
// `group` (unless -1) and exactly `mode` (0: as made, 0644 less the umask),
// flushed and renamed over whatever stood at `name` (a link is replaced,
// never followed). False when it could not be written, with errno saying why
// when no file could be made beside it; the old entry then stays and nothing
// is left beside it.
bool WriteFileAt(int folder, const std::string& name, mode_t mode, gid_t group,
                 const std::function<bool(int)>& fill);
bool WriteFileAt(int folder, const std::string& name, mode_t mode, gid_t group, std::string_view bytes);

// Copies the regular file `name` of `from` (never through a link) to the
// same name in `to` as WriteFileAt writes it.
bool CopyFileAt(int from, int to, const std::string& name, mode_t mode, gid_t group);

} // namespace zorbik
