#include "OpenedFolders.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <unistd.h>
#include <utility>

namespace zorbik {

namespace {

constexpr int OpenForReading = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// A new file in `folder` under `name` + TemporaryMark and six random
// letters, never reusing an entry that exists.
UniqueFd CreateTemporaryAt(int folder, const std::string& name, mode_t mode, std::string& temp)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 draw(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = name + TemporaryMark;
        for (int i = 0; i < 6; ++i)
            temp.push_back(letters[draw() % (sizeof letters - 1)]);
        const int fd =
            ::openat(folder, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return UniqueFd(fd);
    }
    return UniqueFd();
}

} // namespace

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::optional<std::string> ReadAtMost(int fd, std::size_t maxBytes)
{
    std::string bytes;
    char buffer[8192];
    while (bytes.size() < maxBytes) {
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, maxBytes - bytes.size()));
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

bool CopyAll(int from, int to)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0;
        if (!WriteAll(to, std::string_view(buffer, static_cast<std::size_t>(n))))
            return false;
    }
}

UniqueFd::~UniqueFd()
{
    if (fd_ >= 0)
        ::close(fd_);
}

int UniqueFd::close()
{
    const int fd = std::exchange(fd_, -1);
    return fd >= 0 ? ::close(fd) : 0;
}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept
{
    if (this != &other) {
        close();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

UniqueFd OpenFolderAt(int parent, const std::string& name)
{
    return UniqueFd(::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

std::string WalkFolders(const std::string& path, const FolderCheck& check, UniqueFd& last)
{
    last = UniqueFd();
    UniqueFd folder(::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    std::string sofar = "/";
    std::size_t at = 0;
    for (;;) {
        struct stat st {};
        if (!folder || ::fstat(folder.get(), &st) != 0)
            return sofar + " cannot be opened as a folder";
        if (std::string why = check(st, sofar); !why.empty())
            return why;
        while (at < path.size() && path[at] == '/')
            ++at;
        if (at >= path.size())
            break;
        const std::size_t end = std::min(path.find('/', at), path.size());
        const std::string name = path.substr(at, end - at);
        if (name == "." || name == "..")
            return path + " is not a plain folder path";
        sofar += (sofar.size() > 1 ? "/" : "") + name;
        folder = OpenFolderAt(folder.get(), name);
        at = end;
    }
    last = std::move(folder);
    return {};
}

std::vector<std::string> EntriesOf(int folder)
{
    std::vector<std::string> names;
    const int copy = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
    DIR* dir = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!dir) {
        if (copy >= 0)
            ::close(copy);
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

std::optional<struct stat> StatusAt(int folder, const std::string& name)
{
    struct stat st {};
    if (::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return st;
}

bool RemoveTreeAt(int folder, const std::string& name)
{
    const auto st = StatusAt(folder, name);
    if (!st)
        return errno == ENOENT;
    if (S_ISDIR(st->st_mode)) {
        const UniqueFd inner = OpenFolderAt(folder, name);
        if (!inner)
            return false;
        for (const std::string& entry : EntriesOf(inner.get()))
            if (!RemoveTreeAt(inner.get(), entry))
                return false;
        return ::unlinkat(folder, name.c_str(), AT_REMOVEDIR) == 0 || errno == ENOENT;
    }
    return ::unlinkat(folder, name.c_str(), 0) == 0 || errno == ENOENT;
}

std::optional<std::string> ReadPlainFileAt(int folder, const std::string& name, std::size_t maxBytes)
{
    const auto seen = StatusAt(folder, name);
    if (!seen || !S_ISREG(seen->st_mode))
        return std::nullopt;
    const UniqueFd file(::openat(folder, name.c_str(), OpenForReading));
    struct stat st {};
    if (!file || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1)
        return std::nullopt;
    return ReadAtMost(file.get(), maxBytes);
}

bool WriteFileAt(int folder, const std::string& name, mode_t mode, gid_t group,
                 const std::function<bool(int)>& fill)
{
    // Made private when it is to get permissions of its own, which go on the
    // new file with its group before its name does.
    std::string temp;
    UniqueFd file = CreateTemporaryAt(folder, name, mode == 0 ? 0644 : 0600, temp);
    if (!file)
        return false;
    const bool written = fill(file.get()) &&
                         (group == static_cast<gid_t>(-1) || ::fchown(file.get(), -1, group) == 0) &&
                         (mode == 0 || ::fchmod(file.get(), mode) == 0) && ::fsync(file.get()) == 0;
    const int closed = file.close();
    if (written && closed == 0 && ::renameat(folder, temp.c_str(), folder, name.c_str()) == 0)
        return true;
    ::unlinkat(folder, temp.c_str(), 0);
    return false;
}

bool WriteFileAt(int folder, const std::string& name, mode_t mode, gid_t group, std::string_view bytes)
{
    return WriteFileAt(folder, name, mode, group, [&](int fd) { return WriteAll(fd, bytes); });
}

bool CopyFileAt(int from, int to, const std::string& name, mode_t mode, gid_t group)
{
    const UniqueFd source(::openat(from, name.c_str(), OpenForReading));
    struct stat st {};
    if (!source || ::fstat(source.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    return WriteFileAt(to, name, mode, group, [&](int fd) { return CopyAll(source.get(), fd); });
}

} // namespace zorbik
