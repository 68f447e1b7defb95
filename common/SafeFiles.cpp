#include "SafeFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbik {

namespace {

// The opened folder of `path` (following links, as a path does) and the
// name in it.
UniqueFd FolderOf(const std::string& path, std::string& name)
{
    const auto cut = path.rfind('/');
    name = cut == std::string::npos ? path : path.substr(cut + 1);
    const std::string folder = cut == std::string::npos ? "." : cut == 0 ? "/" : path.substr(0, cut);
    return UniqueFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

// Rewrites the regular file at `path` in place, keeping its owner and
// permissions: a class's shared table belongs to the teacher, and each pupil
// of the class may only write into it (callers that share a file hold a lock
// beside it). Never through a link, never into a file with a second name
// (another user's file linked into the folder), and only when the whole text
// fits under the file-size limit, so that the write cannot stop half-way.
bool RewriteInPlace(const std::string& path, const std::string& bytes)
{
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        limit.rlim_cur < bytes.size())
        return false;
    const UniqueFd file(::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (!file || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1)
        return false;
    return WriteAll(file.get(), bytes) && ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) == 0 &&
           ::fsync(file.get()) == 0;
}

// Writes a new file beside `path` through `fill` and renames it over
// `path`, as WriteFileAt does; `folderClosed` tells whether no file could be
// made beside `path` because this user may not write the folder.
bool WriteBesideAndRename(const std::string& path, mode_t mode, const std::function<bool(int)>& fill,
                          bool& folderClosed)
{
    std::string name;
    const UniqueFd folder = FolderOf(path, name);
    folderClosed = false;
    if (name.empty())
        return false;
    if (folder && WriteFileAt(folder.get(), name, mode, static_cast<gid_t>(-1), fill))
        return true;
    folderClosed = errno == EACCES || errno == EPERM || errno == EROFS;
    return false;
}

} // namespace

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes)
{
    // Only a regular file is opened at all (a device may act on an open),
    // never through a link; O_NONBLOCK keeps a FIFO put in its place
    // meanwhile from stopping the open, and the second type check turns it
    // away before anything is read.
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    const UniqueFd file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return ReadAtMost(file.get(), maxBytes);
}

bool ReplaceFile(const std::string& path, const std::string& bytes)
{
    struct stat st {};
    const bool exists = ::lstat(path.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return false;
    const bool regular = exists && S_ISREG(st.st_mode);
    const bool ours = regular && st.st_uid == ::geteuid();
    // A file another user made for this one to write (the teacher's class
    // table) keeps its owner and permissions: a new file would be this
    // user's own. One with a second name is replaced instead, never written.
    if (regular && !ours && st.st_nlink == 1)
        return RewriteInPlace(path, bytes);
    // This user's own file passes its read and write permissions on, never
    // more (no set-ID or execute bits); anything else gives way to a new file.
    bool folderClosed = false;
    if (WriteBesideAndRename(
            path, ours ? (st.st_mode & 0666) : 0600, [&](int fd) { return WriteAll(fd, bytes); },
            folderClosed))
        return true;
    return folderClosed && ours && st.st_nlink == 1 && RewriteInPlace(path, bytes);
}

bool CopyRegularFile(const std::string& from, const std::string& to, mode_t mode)
{
    const UniqueFd source(::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (!source || ::fstat(source.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    if (::lstat(to.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return false;
    bool folderClosed = false;
    return WriteBesideAndRename(
        to, mode, [&](int fd) { return CopyAll(source.get(), fd); }, folderClosed);
}

bool RemoveEntry(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return errno == ENOENT;
    if (S_ISDIR(st.st_mode))
        return false;
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

} // namespace zorbik
