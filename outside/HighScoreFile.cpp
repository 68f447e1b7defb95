#include "HighScoreFile.h"

#include "ShownName.h"

#include "common/Programs.h"
#include "common/Protocol.h"
#include "common/SafeFiles.h"

#include <cctype>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace zorbik {

namespace {

// A temporary file of a game that is still writing is seconds old at most.
// Without the lock another game may be writing one right now, so only a far
// older one counts as left behind.
constexpr time_t StaleWithLock = 30;
constexpr time_t StaleWithoutLock = 10 * 60;

// The exclusive lock on the file beside the table, taken with a bounded wait.
// A class's lock file is made by the teacher for the pupils to open; a
// player's own is made at the first game. It is only ever opened for reading,
// never through a link, and never changed.
class TableLock {
  public:
    TableLock(const std::string& tablePath, std::chrono::milliseconds wait)
    {
        const std::string lockPath = FolderPart(tablePath) + HighScoreLockName;
        constexpr int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
        fd_ = ::open(lockPath.c_str(), flags);
        if (fd_ < 0 && errno == ENOENT)
            fd_ = ::open(lockPath.c_str(), flags | O_CREAT, 0644);
        struct stat st {};
        if (fd_ < 0 || ::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))
            return;
        const auto until = std::chrono::steady_clock::now() + wait;
        while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= until)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        held_ = true;
    }
    ~TableLock()
    {
        if (fd_ >= 0)
            ::close(fd_); // releases the lock
    }
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;

    bool held() const { return held_; }

  private:
    int fd_ = -1;
    bool held_ = false;
};

// While the table is written, a file-size limit makes the write fail (and
// the old table stay) instead of killing the game before the table is shown.
class FileSizeSignalIgnored {
  public:
    FileSizeSignalIgnored()
    {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGXFSZ, &ignore, &saved_);
    }
    ~FileSizeSignalIgnored() { ::sigaction(SIGXFSZ, &saved_, nullptr); }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

  private:
    struct sigaction saved_ {};
};

// `name` is a temporary file of the table or of its copy: the base name, the
// temporary mark and six letters or digits.
bool IsTemporaryOf(const std::string& name, const std::string& base)
{
    for (const std::string& prefix : {base + TemporaryMark, base + CopySuffix + TemporaryMark}) {
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        bool alnum = true;
        for (size_t i = prefix.size(); i < name.size(); ++i)
            alnum = alnum && std::isalnum(static_cast<unsigned char>(name[i]));
        if (alnum)
            return true;
    }
    return false;
}

// Removes the temporary files that games killed in mid-write left beside the
// table at `path`, never one that a running game may still be writing.
void RemoveLeftTemporaries(const std::string& path, bool locked)
{
    const auto cut = path.find_last_of('/');
    const std::string folder = cut == std::string::npos ? "./" : path.substr(0, cut + 1);
    const std::string base = cut == std::string::npos ? path : path.substr(cut + 1);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryOf(entry->d_name, base))
            continue;
        const std::string temp = folder + entry->d_name;
        struct stat st {};
        if (::lstat(temp.c_str(), &st) == 0 &&
            now - st.st_mtime > (locked ? StaleWithLock : StaleWithoutLock))
            RemoveEntry(temp);
    }
    ::closedir(dir);
}

bool IsRegularFile(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

TableSave SaveFinishedGame(const std::string& path, const HighScoreEntry& finished, HighScoreTable& table,
                           std::chrono::milliseconds lockWait)
{
    // Without the lock (another game holds it too long, or the lock file
    // cannot be made) the game carries on: its own line is saved, at the small
    // risk of a line of a game ending at the very same moment.
    const TableLock lock(path, lockWait);
    RemoveLeftTemporaries(path, lock.held());

    const auto bytes = ReadRegularFile(path);
    const bool damaged = MergeFinishedGame(bytes ? &*bytes : nullptr, finished, table, StartingName());
    // A table this player may not read (another pupil's, kept from the class)
    // is shown as the defaults but never written over: its lines are not lost.
    if (!bytes && IsRegularFile(path))
        return TableSave::NotSaved;

    const FileSizeSignalIgnored quiet;
    // The lines that could not be read may still be someone's; the table is
    // only replaced once a copy of them is safe.
    if (damaged && !ReplaceFile(FolderPart(path) + HighScoreCopyName, *bytes))
        return TableSave::NotSaved;
    if (!ReplaceFile(path, HighScoreText(table)))
        return TableSave::NotSaved;
    return damaged ? TableSave::SavedAfterReset : TableSave::Saved;
}

} // namespace zorbik
