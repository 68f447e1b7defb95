#include "SafeFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <random>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbik {

namespace {

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd;
    explicit Descriptor(int f) : fd(f) {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
};

bool WriteAll(int fd, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Creates a new file beside `path` under the name `path` + TemporaryMark and
// six random letters, never reusing an entry that exists. The system applies the
// umask to the usual 0644, as for any new file.
int CreateTemporary(const std::string& path, std::string& temp)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 draw(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = path + TemporaryMark;
        for (int i = 0; i < 6; ++i)
            temp.push_back(letters[draw() % (sizeof letters - 1)]);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
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
    Descriptor file(::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (file.fd < 0 || ::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1)
        return false;
    return WriteAll(file.fd, bytes) && ::ftruncate(file.fd, static_cast<off_t>(bytes.size())) == 0 &&
           ::fsync(file.fd) == 0;
}

// Writes a new file beside `path` through `fill`, gives it `mode` (0 keeps
// the permissions it was made with), flushes it and renames it over `path`.
// rename() replaces a link at `path` by the new file; it never writes through
// the link to its target. On failure the temporary file is removed;
// `folderClosed` tells whether no file could be made beside `path` because
// this user may not write the folder.
bool WriteBesideAndRename(const std::string& path, mode_t mode, const std::function<bool(int)>& fill,
                          bool& folderClosed)
{
    std::string temp;
    Descriptor file(CreateTemporary(path, temp));
    folderClosed = file.fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS);
    if (file.fd < 0)
        return false;
    const bool written =
        fill(file.fd) && (mode == 0 || ::fchmod(file.fd, mode) == 0) && ::fsync(file.fd) == 0;
    const int closed = ::close(file.fd);
    file.fd = -1;
    if (written && closed == 0 && ::rename(temp.c_str(), path.c_str()) == 0)
        return true;
    ::unlink(temp.c_str());
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
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd < 0)
        return std::nullopt;
    if (::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    std::string bytes;
    char buffer[8192];
    while (bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
        const ssize_t n = ::read(file.fd, buffer, want);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
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
            path, ours ? (st.st_mode & 0666) : 0, [&](int fd) { return WriteAll(fd, bytes); }, folderClosed))
        return true;
    return folderClosed && ours && st.st_nlink == 1 && RewriteInPlace(path, bytes);
}

bool CopyRegularFile(const std::string& from, const std::string& to, mode_t mode)
{
    Descriptor source(::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (source.fd < 0 || ::fstat(source.fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    if (::lstat(to.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return false;
    const auto copy = [&](int fd) {
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(source.fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return n == 0;
            if (!WriteAll(fd, std::string_view(buffer, static_cast<std::size_t>(n))))
                return false;
        }
    };
    bool folderClosed = false;
    return WriteBesideAndRename(to, mode, copy, folderClosed);
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

std::string PathIn(const std::string& folder, const std::string& name)
{
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace zorbik
