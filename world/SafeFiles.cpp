#include "SafeFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <random>
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

bool WriteAll(int fd, const std::string& bytes)
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

// Creates a new file beside `path` under the name `path` + "." and six
// random letters, never reusing an entry that exists. The system applies the
// umask to the usual 0644, as for any new file.
int CreateTemporary(const std::string& path, std::string& temp)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 draw(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = path + ".";
        for (int i = 0; i < 6; ++i)
            temp.push_back(letters[draw() % (sizeof letters - 1)]);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes)
{
    // O_NONBLOCK keeps a FIFO or a device from stopping the open; the type
    // check then turns them away before anything is read.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd < 0)
        return std::nullopt;
    struct stat st {};
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
    if (::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return false;
    std::string temp;
    Descriptor file(CreateTemporary(path, temp));
    if (file.fd < 0)
        return false;
    // A regular file being replaced passes its permissions on (a table
    // shared by a class stays writable for the class).
    const bool keepMode = ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    const bool written = WriteAll(file.fd, bytes) &&
                         (!keepMode || ::fchmod(file.fd, st.st_mode & 07777) == 0) && ::fsync(file.fd) == 0;
    const int closed = ::close(file.fd);
    file.fd = -1;
    // rename() replaces a link at `path` by the new file; it never writes
    // through the link to its target.
    if (!written || closed != 0 || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
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
