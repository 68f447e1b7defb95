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
#include <pwd.h>
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

// Refuses what another user owns, or others may write, in the player's own
// folder: whoever could change it could have the player run a program of
// theirs, or read what the player typed.
bool Refused(const struct stat& st, const std::string& path, std::string& error)
{
    if (st.st_uid != ::geteuid()) {
        error = Filled(
            QCoreApplication::translate("Classroom", "%1 belongs to another user; remove it and try again."),
            path);
        return true;
    }
    if (!S_ISLNK(st.st_mode) && (st.st_mode & (S_IWGRP | S_IWOTH))) {
        error = Filled(QCoreApplication::translate(
                           "Classroom", "%1 may be changed by other users; remove it and try again."),
                       path);
        return true;
    }
    return false;
}

// Makes the player's folder `path` when it is missing and gives it 0700
// exactly (the umask could leave more), working on the opened folder so that
// a link swapped in meanwhile is never followed. A link or a file in its
// place is refused, and so is a folder of another user's or one others may
// write: root never takes over a pupil's folder.
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
    if (Refused(st, path, error))
        return false;
    return (st.st_mode & 07777) == 0700 || ::fchmod(opened.get(), 0700) == 0 ||
           Failed(QCoreApplication::translate("Classroom", "Cannot set the permissions of %1: %2"), path,
                  error);
}

// Programs 0700, every other file 0600: the playing folder is the player's
// alone.
mode_t PrivateMode(mode_t mode)
{
    return (mode & 0111) ? 0700 : 0600;
}

// Checks everything inside the player's opened folder `folder` (at `path`,
// with a final "/") as Refused does and makes it private: folders 0700,
// programs 0700, other files 0600. Links are left as they are (the game
// never reads through one); nobody else can swap an entry meanwhile, as the
// folder is the player's and closed to others.
bool KeepPrivate(int folder, const std::string& path, std::string& error)
{
    for (const std::string& name : EntriesOf(folder)) {
        const auto st = StatusAt(folder, name);
        if (!st)
            continue;
        if (Refused(*st, path + name, error))
            return false;
        const mode_t mode = S_ISDIR(st->st_mode) ? 0700 : PrivateMode(st->st_mode);
        if ((S_ISDIR(st->st_mode) || S_ISREG(st->st_mode)) && (st->st_mode & 07777) != mode &&
            ::fchmodat(folder, name.c_str(), mode, 0) != 0)
            return Failed(QCoreApplication::translate("Classroom", "Cannot set the permissions of %1: %2"),
                          path + name, error);
        if (S_ISDIR(st->st_mode)) {
            const UniqueFd inner = OpenFolderAt(folder, name);
            if (!inner)
                return Failed(QCoreApplication::translate("Classroom", "Cannot read %1: %2"), path + name,
                              error);
            if (!KeepPrivate(inner.get(), path + name + "/", error))
                return false;
        }
    }
    return true;
}

// True when nobody but `user` and root can change where the absolute `path`
// leads: every folder of it that exists is a folder (no link) of theirs, and
// one that others may write keeps their entries apart (sticky, as /tmp).
bool NobodyElseCanMove(const std::string& path, uid_t user)
{
    std::string sofar;
    for (std::size_t at = 0; at != std::string::npos;) {
        const std::size_t end = path.find('/', at + 1);
        sofar = path.substr(0, end == std::string::npos ? path.size() : end);
        at = end;
        struct stat st {};
        if (::lstat(sofar.empty() ? "/" : sofar.c_str(), &st) != 0)
            return errno == ENOENT; // the rest is made by the player
        if (!S_ISDIR(st.st_mode) || (st.st_uid != user && st.st_uid != 0) ||
            ((st.st_mode & (S_IWGRP | S_IWOTH)) && !(st.st_mode & S_ISVTX)))
            return false;
    }
    return true;
}

// The home folder of the real user's entry in the user list; empty when
// there is none.
std::string HomeOfRealUser()
{
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir || found->pw_dir[0] != '/')
        return {};
    return found->pw_dir;
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
            if (!CopyRegularFile(from + name, to + name, PrivateMode(st.st_mode)))
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
// writes `stamp` as its stamp file. Programs get 0700, other files 0600, each
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
    // The environment may move the folder, but only to a place of the real
    // user's own: root started with a pupil's XDG_DATA_HOME or HOME (su
    // without "-") plays in root's own folder, never in the pupil's.
    const uid_t user = ::getuid();
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/' && NobodyElseCanMove(data, user))
        return PathIn(data, "zorbik/");
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/' && NobodyElseCanMove(home, user))
        return PathIn(home, ".local/share/zorbik/");
    const std::string own = HomeOfRealUser();
    if (!own.empty() && NobodyElseCanMove(own, user))
        return PathIn(own, ".local/share/zorbik/");
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
    // Missing folders above it are made private (such as ~/.local/share).
    for (auto at = playing.find('/', 1); at != std::string::npos && at + 1 < playing.size();
         at = playing.find('/', at + 1))
        if (::mkdir(playing.substr(0, at).c_str(), 0700) != 0 && errno != EEXIST)
            return Failed(QCoreApplication::translate("Classroom", "Cannot make the folder %1: %2"),
                          playing.substr(0, at), error);
    if (!MakeFolder(playing, error))
        return false;
    // Whatever is in it, the stamp and the programs included, is the
    // player's own and private before anything there is trusted.
    const UniqueFd opened = OpenFolderAt(AT_FDCWD, playing.substr(0, playing.size() - 1));
    if (!opened)
        return Failed(QCoreApplication::translate("Classroom", "Cannot read %1: %2"), playing, error);
    if (!KeepPrivate(opened.get(), playing, error))
        return false;
    if (StampMatches(playing, stamp) && IsRegular(playing + GameProgramPath) &&
        IsRegular(playing + QuizProgramPath))
        return true;
    return LayOutSuite(suite, playing, stamp, error);
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
        plan = {suite + GameProgramPath, suite + GameProgramPath, suite, "", false};
        return true;
    }
    const std::string own = PersonalPlayingFolder();
    if (own.empty()) {
        error = Filled(QCoreApplication::translate(
            "Classroom", "No folder to play in: your home folder is unknown, or other users may change it."));
        return false;
    }
    if (!UpdatePlayingFolder(suite, own, stamp, error))
        return false;
    plan = {own + GameProgramPath, own + GameProgramPath, own, "", true};
    if (classroomFolder.empty())
        return true;

    // The classroom's game and table, laid out by the teacher's set-up alone:
    // a start never lays it out, and runs it only when no classmate can have
    // changed it.
    return ClassroomGameTrusted(suite, classroomFolder, stamp, plan, error);
}

} // namespace zorbik
