#include "ClassWriter.h"

#include "common/ClassRecord.h"
#include "common/OpenedFolders.h"
#include "common/Protocol.h"
#include "outside/HighScores.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace zorbik {

namespace {

// Far above any table the game writes (fifteen lines of 44 bytes).
constexpr std::size_t TableLimit = 1 << 16;

struct ClassFiles {
    UniqueFd top, maze, table, copy, lock, record;
    struct stat folder {};
};

bool TrustedOwner(const struct stat& st, uid_t owner)
{
    return st.st_uid == 0 || st.st_uid == owner;
}

// A class file: a plain file of root's or the folder owner's, with this
// program's group, which no one outside that group may write.
UniqueFd OpenClassFile(int maze, const char* name, int access, uid_t owner, gid_t group, std::string& error)
{
    UniqueFd file(::openat(maze, name, access | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (!file || ::fstat(file.get(), &st) != 0)
        error = std::string(name) + ": " + std::strerror(errno);
    else if (!S_ISREG(st.st_mode) || st.st_nlink != 1)
        error = std::string(name) + " is not a plain file";
    else if (!TrustedOwner(st, owner) || st.st_gid != group || (st.st_mode & (S_IWOTH | S_ISUID | S_ISGID)))
        error = std::string(name) + " was not laid out by the class's set-up";
    else
        return file;
    return UniqueFd();
}

bool OpenClass(const std::string& folder, gid_t group, ClassFiles& files, std::string& error)
{
    struct stat seen {};
    if (::lstat(folder.c_str(), &seen) != 0 || !S_ISDIR(seen.st_mode)) {
        error = folder + " is not a folder";
        return false;
    }
    const uid_t owner = seen.st_uid;
    const auto check = [&](const struct stat& st, const std::string& path) -> std::string {
        if (!TrustedOwner(st, owner) || (st.st_mode & (S_IWGRP | S_IWOTH)))
            return path + " may be changed by other users";
        return {};
    };
    if (error = WalkFolders(folder, check, files.top); !error.empty())
        return false;
    files.maze = OpenFolderAt(files.top.get(), GameFolderName);
    struct stat maze {};
    if (::fstat(files.top.get(), &files.folder) != 0 || files.folder.st_uid != owner || !files.maze ||
        ::fstat(files.maze.get(), &maze) != 0 || !check(maze, GameFolderName).empty()) {
        error = folder + " is not a classroom folder that was set up";
        return false;
    }
    files.table = OpenClassFile(files.maze.get(), HighScoreFileName, O_RDWR, owner, group, error);
    files.copy = OpenClassFile(files.maze.get(), HighScoreCopyName, O_RDWR, owner, group, error);
    files.lock = OpenClassFile(files.maze.get(), HighScoreLockName, O_RDWR, owner, group, error);
    files.record = OpenClassFile(files.top.get(), ClassRecordName, O_WRONLY | O_APPEND, owner, group, error);
    return files.table && files.copy && files.lock && files.record;
}

// Gives up the set-group-ID group for good: from here on the writer can do
// no more than its caller, but for the files it holds open.
bool DropGroup()
{
    const gid_t real = ::getgid();
    return ::setresgid(real, real, real) == 0 && ::getegid() == real;
}

bool InGroup(gid_t group)
{
    if (::getgid() == group)
        return true;
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    for (int i = 0; i < count; ++i)
        if (groups[static_cast<std::size_t>(i)] == group)
            return true;
    return false;
}

bool Lock(int fd, std::chrono::milliseconds wait)
{
    const auto until = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::optional<std::string> ReadWhole(int fd, std::size_t limit)
{
    std::string bytes;
    char buffer[8192];
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 || bytes.size() + static_cast<std::size_t>(got) > limit)
            return std::nullopt;
        if (got == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(got));
        at += got;
    }
}

// Rewrites the file in place (its owner, group and permissions are the
// set-up's): the new bytes over the old, then the rest cut off.
bool Rewrite(int fd, std::string_view bytes)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t put = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += static_cast<std::size_t>(put);
    }
    return ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fdatasync(fd) == 0;
}

// Appends one line whole or not at all: a write cut short (a full disk) is
// taken back, so the lines before it stay whole.
bool Append(int fd, std::string_view line)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return false;
    if (WriteAll(fd, line) && ::fdatasync(fd) == 0)
        return true;
    const bool takenBack = ::ftruncate(fd, st.st_size) == 0;
    (void)takenBack; // the line is lost either way; the reader skips a cut one
    return false;
}

std::string Now()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[32] = "";
    if (::localtime_r(&now, &local))
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    return text;
}

std::string Login()
{
    const passwd* user = ::getpwuid(::getuid());
    return user ? user->pw_name : std::to_string(::getuid());
}

// The table line and the record line of what the game handed over.
bool ReadFinished(std::string_view input, HighScoreEntry& entry, ClassRecordLine& record)
{
    const std::size_t first = input.find("\r\n");
    if (input.size() > FinishedGameLimit || first == std::string_view::npos ||
        input.substr(input.size() - 2) != "\r\n")
        return false;
    auto parsed = ParseRecordLine(input.substr(first + 2, input.size() - first - 4));
    if (!parsed || !ParseHighScoreLine(std::string(input.substr(0, first)), entry))
        return false;
    record = std::move(*parsed);
    record.level = entry.L;
    record.score = entry.Score;
    return true;
}

std::string ShownTable(const HighScoreTable& table)
{
    std::string text;
    for (int k = 1; k <= KeptEntries + 1; ++k)
        text += HighScoreLine(table[k]) + "\r\n";
    return text;
}

} // namespace

int WriteForClass(const ClassWriting& writing, std::string& shown, std::string& error)
{
    const gid_t writerGroup = ::getegid();
    HighScoreEntry finished;
    ClassRecordLine record;
    if (!ReadFinished(writing.finished, finished, record)) {
        error = "the finished game could not be read";
        return ClassWriterRefused;
    }
    ClassFiles files;
    const bool opened = OpenClass(writing.folder, writerGroup, files, error);
    if (!DropGroup()) {
        error = "cannot give up the writer's group";
        return ClassWriterRefused;
    }
    if (!opened)
        return ClassWriterRefused;
    if (::getuid() != 0 && !InGroup(files.folder.st_gid)) {
        error = "you are not a pupil of the class of " + writing.folder;
        return ClassWriterRefused;
    }
    if (!Lock(files.lock.get(), writing.lockWait)) {
        // The holder left its name in the lock, so the teacher can find a
        // game that stopped while it held the table.
        const std::string holder = ReadWhole(files.lock.get(), 256).value_or("");
        error = "the class's table stayed busy" +
                (holder.empty() ? std::string() : " (held by " + holder + ")") +
                "; this game's line was not saved";
        return GameEndedTableBusy;
    }
    (void)Rewrite(files.lock.get(), Login() + ", process " + std::to_string(::getpid()));
    const auto bytes = ReadWhole(files.table.get(), TableLimit);
    HighScoreTable table;
    const bool damaged = MergeFinishedGame(bytes ? &*bytes : nullptr, finished, table);
    shown = ShownTable(table);
    // The lines that could not be read may still be someone's: the table is
    // only rewritten once a copy of them is safe.
    if (!bytes || (damaged && !Rewrite(files.copy.get(), *bytes)) ||
        !Rewrite(files.table.get(), HighScoreText(table))) {
        error = "the class's table could not be written";
        return GameEndedNotSaved;
    }
    record.time = Now();
    record.login = Login();
    if (!Append(files.record.get(), RecordLine(record))) {
        error = "the class record could not take this game";
        return ClassWriterNoRecord;
    }
    return damaged ? GameEndedTableReset : GameEndedSaved;
}

} // namespace zorbik
