#include "PlayingFolder.h"

#include "desktop/FilledText.h"

#include <QCoreApplication>

#include "ClassroomFolder.h"
#include "common/OpenedFolders.h"
#include "common/Programs.h"
#include "common/Protocol.h"
#include "common/SafeFiles.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#ifndef ZORBIK_SUITE_FROM_LAUNCHER
#define ZORBIK_SUITE_FROM_LAUNCHER "../lib/zorbik/"
#endif

namespace zorbik {

namespace {

bool IsRegular(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The player's files, which a new install never replaces: the high-score
// table with its lock, backup and temporary files, the name file and the
// quiz's verdict.
bool PlayersOwn(const char* name)
{
    for (const char* prefix : {HighScoreFileName, GamerNameFileName, VerdictFileName})
        if (std::strncmp(name, prefix, std::strlen(prefix)) == 0)
            return true;
    return false;
}

// `text` names the path as %1 and the system's reason as %2.
bool Failed(const QString& text, const std::string& path, std::string& error)
{
    error = Filled(text, path, std::strerror(errno));
    return false;
}

// Makes the player's folder `path` when it is missing and gives it 0755
// exactly (the umask would take bits away), working on the opened folder so
// that a link swapped in meanwhile is never followed. A link or a file in its
// place is refused, and so is a folder another user made, unless root takes
// it over.
bool MakeFolder(const std::string& folder, std::string& error)
{
    // Without its final "/", which would lead through a link.
    const std::string path =
        folder.size() > 1 && folder.back() == '/' ? folder.substr(0, folder.size() - 1) : folder;
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return Failed(QCoreApplication::translate("Classroom", "Cannot make the folder %1: %2"), path, error);
    const UniqueFd opened = OpenFolderAt(AT_FDCWD, path);
    struct stat st {};
    if (!opened || ::fstat(opened.get(), &st) != 0) {
        error = Filled(QCoreApplication::translate("Classroom", "Cannot use %1: it is not a folder."), path);
        return false;
    }
    const uid_t me = ::geteuid();
    if (st.st_uid != me && ::fchown(opened.get(), me, static_cast<gid_t>(-1)) != 0) {
        error = Filled(
            QCoreApplication::translate(
                "Classroom", "%1 belongs to another user; remove it (or set up with sudo) and try again."),
            path);
        return false;
    }
    return ::fchmod(opened.get(), 0755) == 0 ||
           Failed(QCoreApplication::translate("Classroom", "Cannot set the permissions of %1: %2"), path,
                  error);
}

// Copies the folder tree `from` into `to` (both with a final "/"): folders
// and regular files only.
bool CopyTree(const std::string& from, const std::string& to, std::string& error)
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(from.c_str());
    if (!dir)
        return Failed(QCoreApplication::translate("Classroom", "Cannot read %1: %2"), from, error);
    while (const dirent* entry = ::readdir(dir))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0 &&
            !PlayersOwn(entry->d_name))
            names.emplace_back(entry->d_name);
    ::closedir(dir);
    for (const std::string& name : names) {
        struct stat st {};
        if (::lstat((from + name).c_str(), &st) != 0)
            continue;
        if (S_ISREG(st.st_mode)) {
            if (!CopyRegularFile(from + name, to + name, (st.st_mode & 0111) ? 0755 : 0644))
                return Failed(QCoreApplication::translate("Classroom", "Cannot write %1: %2"), to + name,
                              error);
        } else if (S_ISDIR(st.st_mode)) {
            const std::string sub = name + "/";
            if (!MakeFolder(to + sub, error) || !CopyTree(from + sub, to + sub, error))
                return false;
        }
    }
    return true;
}

// Copies the programs, pictures and sounds of the installed `suite`'s Maze/
// and Quiz/ into the existing folder `playing` (with a final "/"), then
// writes `stamp` as its stamp file. Programs get 0755, other files 0644, each
// written beside its name and renamed over it. Links are never followed on
// either side and the player's own files (the high-score table and its
// companions, the name file, the verdict file) are never touched.
bool LayOutSuite(const std::string& suite, const std::string& playing, const std::string& stamp,
                 std::string& error)
{
    for (const char* part : {"Maze/", "Quiz/"})
        if (!MakeFolder(playing + part, error) || !CopyTree(suite + part, playing + part, error))
            return false;
    // The stamp last, so that a copy cut short is made again next time.
    if (!ReplaceFile(playing + StampFileName, stamp))
        return Failed(QCoreApplication::translate("Classroom", "Cannot write %1: %2"),
                      playing + StampFileName, error);
    return true;
}

} // namespace

std::string LauncherFolder()
{
    const std::string folder = FolderPart(OwnExecutablePath());
    return folder.empty() ? std::string("./") : folder;
}

std::string OwnSuiteOf(const std::string& launcherFolder)
{
    const std::string own = PathIn(launcherFolder, "");
    if (IsRegular(own + GameProgramPath))
        return own;
    return own + ZORBIK_SUITE_FROM_LAUNCHER;
}

bool SuiteWritable(const std::string& suite)
{
    // Root may write anything: whose the suite is tells whether it is theirs
    // to play in.
    struct stat st {};
    if (::stat(suite.c_str(), &st) != 0 || st.st_uid != ::geteuid())
        return false;
    for (const char* sub : {"", "Maze", "Quiz"})
        if (::access((suite + sub).c_str(), W_OK | X_OK) != 0)
            return false;
    return true;
}

std::string PersonalPlayingFolder()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/')
        return PathIn(data, "zorbik/");
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return PathIn(home, ".local/share/zorbik/");
    return {};
}

std::string InstalledStamp(const std::string& suite)
{
    std::string stamp = std::string("version ") + ZORBIK_VERSION;
    for (const char* program : {GameProgramPath, QuizProgramPath}) {
        struct stat st {};
        if (::stat((suite + program).c_str(), &st) == 0)
            stamp += std::string(" ") + program + " " + std::to_string(st.st_mtim.tv_sec) + "." +
                     std::to_string(st.st_mtim.tv_nsec) + " " + std::to_string(st.st_size);
    }
    return stamp + "\n";
}

bool StampMatches(const std::string& playing, const std::string& stamp)
{
    return ReadRegularFile(playing + StampFileName, 4096).value_or("") == stamp;
}

bool UpdatePlayingFolder(const std::string& suite, const std::string& playing, const std::string& stamp,
                         std::string& error)
{
    if (StampMatches(playing, stamp) && IsRegular(playing + GameProgramPath) &&
        IsRegular(playing + QuizProgramPath))
        return true;
    // Missing folders above it are made private (such as ~/.local/share).
    for (auto at = playing.find('/', 1); at != std::string::npos && at + 1 < playing.size();
         at = playing.find('/', at + 1))
        if (::mkdir(playing.substr(0, at).c_str(), 0700) != 0 && errno != EEXIST)
            return Failed(QCoreApplication::translate("Classroom", "Cannot make the folder %1: %2"),
                          playing.substr(0, at), error);
    return MakeFolder(playing, error) && LayOutSuite(suite, playing, stamp, error);
}

bool PlanGame(const std::string& launcherFolder, const std::string& classroomFolder, GamePlan& plan,
              std::string& error)
{
    const std::string suite = OwnSuiteOf(launcherFolder);
    const std::string stamp = InstalledStamp(suite);
    // Root could write an installed suite, whose files would then outlive
    // the package.
    const bool installed = suite != PathIn(launcherFolder, "");
    if (classroomFolder.empty() && SuiteWritable(suite) && !(installed && ::geteuid() == 0)) {
        plan = {suite + GameProgramPath, suite + GameProgramPath, suite, ""};
        return true;
    }
    const std::string own = PersonalPlayingFolder();
    if (own.empty()) {
        error = Filled(QCoreApplication::translate(
            "Classroom", "No folder to play in: neither XDG_DATA_HOME nor HOME is set."));
        return false;
    }
    if (!UpdatePlayingFolder(suite, own, stamp, error))
        return false;
    plan = {own + GameProgramPath, own + GameProgramPath, own, ""};
    if (classroomFolder.empty())
        return true;

    // The classroom's game and table, laid out by the teacher's set-up alone:
    // a start never lays it out, and runs it only when no classmate can have
    // changed it.
    return ClassroomGameTrusted(suite, classroomFolder, stamp, plan, error);
}

} // namespace zorbik
