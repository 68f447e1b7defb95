#include "PlayingFolder.h"

#include "world/SafeFiles.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef ZORBIK_SUITE_FROM_LAUNCHER
#define ZORBIK_SUITE_FROM_LAUNCHER "../lib/zorbik/"
#endif
#ifndef ZORBIK_VERSION
#define ZORBIK_VERSION "unknown"
#endif

namespace zorbik {

namespace {

constexpr const char* StampFileName = "Installed.stamp";

// Closes a descriptor when it goes out of scope.
struct Fd {
    int fd;
    explicit Fd(int f) : fd(f) {}
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
};

bool IsRegular(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string WithSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder.push_back('/');
    return folder;
}

// The player's files, which a new install never replaces: the high-score
// table with its lock, backup and temporary files, the name file and the
// quiz's verdict.
bool PlayersOwn(const char* name)
{
    for (const char* prefix : {"Game1.hrs", "Gamer.nam", "Return.ret"})
        if (std::strncmp(name, prefix, std::strlen(prefix)) == 0)
            return true;
    return false;
}

std::string Failed(const std::string& what, const std::string& path)
{
    return what + " " + path + ": " + std::strerror(errno);
}

// Copies one regular file into `to` under the same name: written under a
// temporary name, given the original's permissions, then renamed over the
// name, so a link in the way is replaced and never followed.
bool CopyFile(int from, int to, const char* name, const std::string& shown, std::string& error)
{
    Fd in(::openat(from, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (in.fd < 0 || ::fstat(in.fd, &st) != 0) {
        error = Failed("Cannot read", shown);
        return false;
    }
    if (!S_ISREG(st.st_mode))
        return true;
    const std::string temp = std::string(name) + ".new-" + std::to_string(::getpid());
    ::unlinkat(to, temp.c_str(), 0); // left by a launcher that was stopped
    Fd out(::openat(to, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (out.fd < 0) {
        error = Failed("Cannot write", shown);
        return false;
    }
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(in.fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        for (ssize_t done = 0; ok && done < n;) {
            const ssize_t w = ::write(out.fd, buffer + done, static_cast<size_t>(n - done));
            if (w < 0 && errno == EINTR)
                continue;
            ok = w > 0;
            done += w > 0 ? w : 0;
        }
        if (!ok)
            break;
    }
    ok = ok && ::fchmod(out.fd, st.st_mode & 0777) == 0;
    ok = ok && ::renameat(to, temp.c_str(), to, name) == 0;
    if (!ok) {
        error = Failed("Cannot write", shown);
        ::unlinkat(to, temp.c_str(), 0);
    }
    return ok;
}

// Opens the folder `name` in `parent`, creating it first when it is missing;
// a link in its place is refused.
int OpenOrMakeFolder(int parent, const char* name, mode_t mode)
{
    if (::mkdirat(parent, name, mode) == 0) {
        Fd made(::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        // The requested mode exactly (the umask would take the group's
        // write permission away from a shared folder).
        if (made.fd >= 0 && ::fchmod(made.fd, mode) == 0) {
            const int fd = made.fd;
            made.fd = -1;
            return fd;
        }
        return -1;
    }
    return errno == EEXIST ? ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC) : -1;
}

// Copies the folder tree `from` into `to`: folders and regular files only.
bool CopyTree(int from, int to, const std::string& shown, mode_t folderMode, std::string& error)
{
    const int listFd = ::dup(from);
    DIR* dir = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (!dir) {
        if (listFd >= 0)
            ::close(listFd);
        error = Failed("Cannot read", shown);
        return false;
    }
    bool ok = true;
    while (ok) {
        const dirent* entry = ::readdir(dir);
        if (!entry)
            break;
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0 || PlayersOwn(name))
            continue;
        struct stat st {};
        if (::fstatat(from, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(st.st_mode)) {
            ok = CopyFile(from, to, name, shown + name, error);
        } else if (S_ISDIR(st.st_mode)) {
            Fd sub(::openat(from, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            Fd target(OpenOrMakeFolder(to, name, folderMode));
            if (sub.fd < 0 || target.fd < 0) {
                error = Failed("Cannot copy the folder", shown + name);
                ok = false;
            } else {
                ok = CopyTree(sub.fd, target.fd, shown + name + "/", folderMode, error);
            }
        }
    }
    ::closedir(dir);
    return ok;
}

std::string ReadStamp(const std::string& playing)
{
    return ReadRegularFile(playing + StampFileName, 4096).value_or("");
}

} // namespace

std::string LauncherFolder()
{
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return "./";
    std::string folder(path, static_cast<size_t>(n));
    return folder.substr(0, folder.rfind('/') + 1);
}

std::string OwnSuiteOf(const std::string& launcherFolder)
{
    const std::string own = WithSlash(launcherFolder);
    if (IsRegular(own + "Maze/Game1"))
        return own;
    return own + ZORBIK_SUITE_FROM_LAUNCHER;
}

bool SuiteWritable(const std::string& suite)
{
    for (const char* sub : {"", "Maze", "Quiz"})
        if (::access((suite + sub).c_str(), W_OK | X_OK) != 0)
            return false;
    return true;
}

std::string PersonalPlayingFolder()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/')
        return WithSlash(data) + "zorbik/";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return WithSlash(home) + ".local/share/zorbik/";
    return {};
}

std::string InstalledStamp(const std::string& suite)
{
    std::string stamp = std::string("version ") + ZORBIK_VERSION;
    for (const char* program : {"Maze/Game1", "Quiz/quiz"}) {
        struct stat st {};
        if (::stat((suite + program).c_str(), &st) == 0)
            stamp += std::string(" ") + program + " " + std::to_string(st.st_mtim.tv_sec) + "." +
                     std::to_string(st.st_mtim.tv_nsec) + " " + std::to_string(st.st_size);
    }
    return stamp + "\n";
}

bool UpdatePlayingFolder(const std::string& suite, const std::string& playing, const std::string& stamp,
                         bool sharedByGroup, std::string& error)
{
    if (ReadStamp(playing) == stamp && IsRegular(playing + "Maze/Game1") && IsRegular(playing + "Quiz/quiz"))
        return true;
    const mode_t folderMode = sharedByGroup ? 02775 : 0755;
    std::string parent = playing.substr(0, playing.size() - 1);
    parent = parent.substr(0, parent.rfind('/') + 1);
    // Missing folders above it are made (such as ~/.local/share), private
    // unless the class shares them; the playing folder itself is never a link.
    for (std::string::size_type at = 1; (at = parent.find('/', at)) != std::string::npos; ++at)
        ::mkdir(parent.substr(0, at).c_str(), sharedByGroup ? 0755 : 0700);
    Fd top(::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const std::string leaf = playing.substr(parent.size(), playing.size() - parent.size() - 1);
    Fd root(top.fd < 0 ? -1 : OpenOrMakeFolder(top.fd, leaf.c_str(), folderMode));
    if (root.fd < 0) {
        error = Failed("Cannot make the playing folder", playing);
        return false;
    }
    for (const char* part : {"Maze", "Quiz"}) {
        Fd from(::open((suite + part).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        Fd to(OpenOrMakeFolder(root.fd, part, folderMode));
        if (from.fd < 0 || to.fd < 0) {
            error = Failed("Cannot copy the game from", suite + part);
            return false;
        }
        if (!CopyTree(from.fd, to.fd, playing + part + "/", folderMode, error))
            return false;
    }
    // The stamp last, so that a copy cut short is made again next time.
    if (!ReplaceFile(playing + StampFileName, stamp)) {
        error = Failed("Cannot write", playing + StampFileName);
        return false;
    }
    return true;
}

bool PlanGame(const std::string& launcherFolder, const std::string& classroomFolder, GamePlan& plan,
              std::string& error)
{
    const std::string suite = OwnSuiteOf(launcherFolder);
    const std::string stamp = InstalledStamp(suite);
    if (classroomFolder.empty() && SuiteWritable(suite)) {
        plan = {suite + "Maze/Game1", suite + "Maze/Game1", suite};
        return true;
    }
    const std::string own = PersonalPlayingFolder();
    if (own.empty()) {
        error = "No folder to play in: neither XDG_DATA_HOME nor HOME is set.";
        return false;
    }
    if (!UpdatePlayingFolder(suite, own, stamp, false, error))
        return false;
    plan = {own + "Maze/Game1", own + "Maze/Game1", own};
    if (classroomFolder.empty())
        return true;

    // The classroom's game and table; whoever can write the shared folder
    // brings its programs up to date.
    const std::string shared = WithSlash(classroomFolder);
    if (::access((shared + "Maze").c_str(), W_OK | X_OK) == 0 || !IsRegular(shared + "Maze/Game1")) {
        if (!UpdatePlayingFolder(suite, shared, stamp, true, error))
            return false;
    }
    if (::access((shared + "Maze").c_str(), W_OK | X_OK) != 0) {
        error =
            "The classroom's high-score table in " + shared +
            "Maze cannot be written by this player; the folder needs to be writable by the class's group.";
        return false;
    }
    plan.program = shared + "Maze/Game1";
    return true;
}

} // namespace zorbik
