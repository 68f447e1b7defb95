#include "ClassroomFolder.h"

#include "ClassFiles.h"

#include "desktop/FilledText.h"

#include <QCoreApplication>

#include "common/OpenedFolders.h"
#include "common/Protocol.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <optional>
#include <pwd.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zorbik {

namespace {

// What a class's Maze/ holds; anything else a pupil may have left there.
constexpr const char* PictureFolders[] = {"Images", "Sounds"};
constexpr const char* TableFiles[] = {HighScoreFileName, HighScoreCopyName, HighScoreLockName};

std::string Shown(std::string shared)
{
    while (shared.size() > 1 && shared.back() == '/')
        shared.pop_back();
    return shared;
}

std::string SetUpAdvice(const std::string& shared)
{
    return Filled(QCoreApplication::translate("Classroom",
                                              "The teacher sets it up with:\n    sudo zorbik --shared-folder "
                                              "%1 --set-up"),
                  Shown(shared));
}

std::string UserName(uid_t uid)
{
    const passwd* user = ::getpwuid(uid);
    return user ? user->pw_name : std::to_string(uid);
}

// True when this program's user is in the group, by the groups the system
// gave it at login, never by a name it was told.
bool InGroup(gid_t gid)
{
    if (::getegid() == gid)
        return true;
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    groups.resize(
        static_cast<std::size_t>(std::max(::getgroups(static_cast<int>(groups.size()), groups.data()), 0)));
    return std::find(groups.begin(), groups.end(), gid) != groups.end();
}

std::string GroupName(gid_t gid)
{
    const group* g = ::getgrgid(gid);
    return g ? g->gr_name : std::to_string(gid);
}

// The folder's path with every link in it resolved, or empty with `error`.
std::string RealFolder(const std::string& shared, std::string& error)
{
    char real[PATH_MAX];
    if (!::realpath(Shown(shared).c_str(), real)) {
        error = errno == ENOENT
                    ? Filled(QCoreApplication::translate(
                                 "Classroom", "The classroom folder %1 does not exist. Make it first and "
                                              "give it the class's group (see zorbik(6))."),
                             Shown(shared))
                    : Filled(QCoreApplication::translate("Classroom",
                                                         "The classroom folder %1 cannot be used: %2."),
                             Shown(shared), std::strerror(errno));
        return {};
    }
    return real;
}

// Opens the classroom folder, checking it and every folder above it: each
// must belong to root or the classroom folder's owner and be writable by no
// one else, or a pupil could swap the class's game for their own. `top` is
// the opened folder and `owner` its owner.
bool OpenClassroom(const std::string& real, UniqueFd& top, struct stat& st, std::string& error)
{
    struct stat seen {};
    if (::lstat(real.c_str(), &seen) != 0 || !S_ISDIR(seen.st_mode)) {
        error = Filled(QCoreApplication::translate("Classroom", "The classroom folder %1 is not a folder."),
                       real);
        return false;
    }
    const uid_t owner = seen.st_uid;
    const auto check = [&](const struct stat& folder, const std::string& path) -> std::string {
        if (folder.st_uid != 0 && folder.st_uid != owner)
            return Filled(QCoreApplication::translate(
                              "Classroom", "%1 belongs to %2, who is neither root nor the owner of %3"),
                          path, UserName(folder.st_uid), real);
        if (folder.st_mode & (S_IWGRP | S_IWOTH))
            return Filled(QCoreApplication::translate("Classroom", "%1 may be changed by other users"), path);
        return {};
    };
    const std::string why = WalkFolders(real, check, top);
    if (!why.empty() || ::fstat(top.get(), &st) != 0 || st.st_uid != owner) {
        error = Filled(
            QCoreApplication::translate("Classroom", "The classroom folder %1 is not safe for a class: %2."),
            real,
            why.empty() ? Filled(QCoreApplication::translate("Classroom", "it changed while it was read"))
                        : why);
        return false;
    }
    return true;
}

// Why the folder's group cannot be a class, or empty: the pupils share the
// table through it, so it must be a group of its own that the folder's
// owner (unless root) belongs to.
std::string GroupProblem(const struct stat& top)
{
    const passwd* owner = ::getpwuid(top.st_uid);
    const group* g = ::getgrgid(top.st_gid);
    if (top.st_gid == 0 || !g)
        return Filled(QCoreApplication::translate("Classroom", "its group is %1, not a class's group"),
                      GroupName(top.st_gid));
    if (owner && owner->pw_gid == top.st_gid && std::strcmp(g->gr_name, owner->pw_name) == 0)
        return Filled(
            QCoreApplication::translate("Classroom", "its group %1 is the owner's own, not a class's group"),
            GroupName(top.st_gid));
    if (top.st_uid == 0 || (owner && owner->pw_gid == top.st_gid))
        return {};
    for (char** member = g->gr_mem; *member; ++member)
        if (owner && std::strcmp(*member, owner->pw_name) == 0)
            return {};
    return Filled(QCoreApplication::translate("Classroom", "its owner %1 is not in its group %2"),
                  UserName(top.st_uid), GroupName(top.st_gid));
}

// Makes `name` in `parent` a folder of this user's with `group` and exactly
// `mode` (set before anything is put into it), and opens it. A link or a
// file in its place is removed; root takes over a folder of another user's.
UniqueFd MakeClassFolder(int parent, const std::string& name, mode_t mode, gid_t group, std::string& error)
{
    const auto st = StatusAt(parent, name);
    if (st && !S_ISDIR(st->st_mode) && !RemoveTreeAt(parent, name)) {
        error = Filled(QCoreApplication::translate("Classroom", "Cannot remove %1: %2"), name,
                       std::strerror(errno));
        return {};
    }
    if ((!st || !S_ISDIR(st->st_mode)) && ::mkdirat(parent, name.c_str(), 0700) != 0) {
        error = Filled(QCoreApplication::translate("Classroom", "Cannot make the folder %1: %2"), name,
                       std::strerror(errno));
        return {};
    }
    UniqueFd folder = OpenFolderAt(parent, name);
    struct stat now {};
    if (!folder || ::fstat(folder.get(), &now) != 0) {
        error = Filled(QCoreApplication::translate("Classroom", "Cannot open the folder %1: %2"), name,
                       std::strerror(errno));
        return {};
    }
    const uid_t me = ::geteuid();
    if ((now.st_uid != me || now.st_gid != group) && ::fchown(folder.get(), me, group) != 0) {
        error =
            Filled(QCoreApplication::translate("Classroom", "%1 belongs to %2; set the folder up with sudo."),
                   name, UserName(now.st_uid));
        return {};
    }
    if (::fchmod(folder.get(), mode) != 0) {
        error = Filled(QCoreApplication::translate("Classroom", "Cannot set the permissions of %1: %2"), name,
                       std::strerror(errno));
        return {};
    }
    return folder;
}

// Removes what is in `folder` but not in `keep` and not this user's, root's
// or the classroom folder's `owner`'s: whatever a pupil put there while the
// folder was open to them.
bool RemoveForeign(int folder, const std::set<std::string>& keep, uid_t owner, std::string& error)
{
    const uid_t me = ::geteuid();
    for (const std::string& name : EntriesOf(folder)) {
        const auto st = StatusAt(folder, name);
        if (!st || keep.count(name) || st->st_uid == me || st->st_uid == 0 || st->st_uid == owner)
            continue;
        if (!RemoveTreeAt(folder, name)) {
            error = Filled(QCoreApplication::translate("Classroom", "Cannot remove %1 (%2's): %3"), name,
                           UserName(st->st_uid), std::strerror(errno));
            return false;
        }
    }
    return true;
}

// The pictures or sounds: the folder made anew where needed, cleared of what
// neither this user, root nor the folder's `owner` put there, and every
// regular file of the suite's copied in.
bool LayOutPictures(int from, int maze, const char* name, gid_t group, uid_t owner, std::string& error)
{
    const UniqueFd source = OpenFolderAt(from, name);
    if (!source) {
        error = Filled(QCoreApplication::translate("Classroom", "Cannot read the installed %1: %2"), name,
                       std::strerror(errno));
        return false;
    }
    const UniqueFd target = MakeClassFolder(maze, name, 02755, group, error);
    if (!target || !RemoveForeign(target.get(), {}, owner, error))
        return false;
    for (const std::string& file : EntriesOf(source.get())) {
        const auto st = StatusAt(source.get(), file);
        if (st && S_ISREG(st->st_mode) && !CopyFileAt(source.get(), target.get(), file, 0644, group)) {
            error = Filled(QCoreApplication::translate("Classroom", "Cannot write %1: %2"),
                           std::string(name) + "/" + file, std::strerror(errno));
            return false;
        }
    }
    return true;
}

bool OwnedByTrusted(const struct stat& st, uid_t owner)
{
    return st.st_uid == 0 || st.st_uid == owner;
}

// Why Maze/ or the class files may hold something a classmate changed, or
// empty.
std::string MazeProblem(int top, int maze, uid_t owner, gid_t writerGroup)
{
    std::set<std::string> seen;
    const auto plain = [&](int folder, const std::string& name, const std::string& shown) -> std::string {
        const auto st = StatusAt(folder, name);
        if (!st)
            return Filled(QCoreApplication::translate("Classroom", "%1 is missing"), shown);
        if (!OwnedByTrusted(*st, owner))
            return Filled(QCoreApplication::translate("Classroom", "%1 belongs to %2"), shown,
                          UserName(st->st_uid));
        if (!S_ISREG(st->st_mode) || st->st_nlink != 1)
            return Filled(QCoreApplication::translate("Classroom", "%1 is not a plain file"), shown);
        if ((st->st_mode & (S_IWGRP | S_IWOTH)) || (st->st_mode & (S_ISUID | S_ISGID)))
            return Filled(QCoreApplication::translate("Classroom", "%1 may be changed by other users"),
                          shown);
        return {};
    };
    if (std::string why = plain(maze, GameProgramName, std::string("Maze/") + GameProgramName); !why.empty())
        return why;
    if (std::string why = ClassFilesProblem(top, maze, owner, writerGroup); !why.empty())
        return why;
    for (const char* name : PictureFolders) {
        const std::string shown = std::string("Maze/") + name;
        const UniqueFd folder = OpenFolderAt(maze, name);
        struct stat st {};
        if (!folder || ::fstat(folder.get(), &st) != 0)
            return Filled(QCoreApplication::translate("Classroom", "%1 is not a folder"), shown);
        if (!OwnedByTrusted(st, owner) || (st.st_mode & (S_IWGRP | S_IWOTH)))
            return Filled(QCoreApplication::translate("Classroom", "%1 may be changed by other users"),
                          shown);
        for (const std::string& file : EntriesOf(folder.get()))
            if (std::string why = plain(folder.get(), file, shown + "/" + file); !why.empty())
                return why;
    }
    // Nothing else a pupil could have left for the game to find.
    for (const std::string& name : EntriesOf(maze)) {
        const auto st = StatusAt(maze, name);
        if (st && !OwnedByTrusted(*st, owner))
            return Filled(QCoreApplication::translate("Classroom", "%1 belongs to %2"), "Maze/" + name,
                          UserName(st->st_uid));
    }
    return {};
}

} // namespace

bool SetUpClassroom(const std::string& suite, const std::string& shared, const std::string& stamp,
                    std::string& error, const std::string& teachers)
{
    const std::string real = RealFolder(shared, error);
    UniqueFd top;
    struct stat st {};
    if (real.empty() || !OpenClassroom(real, top, st, error))
        return false;
    const uid_t me = ::geteuid();
    if (me != 0 && me != st.st_uid) {
        error = Filled(
            QCoreApplication::translate("Classroom", "Only the owner of %1 (%2) or root can set it up."),
            real, UserName(st.st_uid));
        return false;
    }
    const auto writer = InstalledClassWriter(suite, error);
    if (!writer)
        return false;
    if (me != 0 && !InGroup(writer->group)) {
        error = Filled(QCoreApplication::translate(
                           "Classroom", "Only root can give the class's files to the class writer's group "
                                        "%1. Set the folder up with:\n    sudo zorbik --shared-folder %2 "
                                        "--set-up"),
                       GroupName(writer->group), real);
        return false;
    }
    std::optional<gid_t> teacherGroup;
    if (!teachers.empty()) {
        const group* g = ::getgrnam(teachers.c_str());
        if (!g) {
            error = Filled(QCoreApplication::translate("Classroom", "There is no group %1 for the teachers."),
                           teachers);
            return false;
        }
        teacherGroup = g->gr_gid;
    }
    if (const std::string why = GroupProblem(st); !why.empty()) {
        error =
            Filled(QCoreApplication::translate(
                       "Classroom", "The classroom folder %1 cannot be shared by a class: %2. Give it the "
                                    "class's group:\n    sudo chgrp CLASS %1\n    sudo chmod 2750 %1"),
                   real, why);
        return false;
    }
    const UniqueFd source = OpenFolderAt(AT_FDCWD, suite + "Maze");
    if (!source) {
        error = Filled(QCoreApplication::translate("Classroom", "Cannot read the installed game in %1: %2"),
                       suite + "Maze", std::strerror(errno));
        return false;
    }
    // Maze/ is closed to the pupils first, then cleared of what they left.
    const gid_t group = st.st_gid;
    const UniqueFd maze = MakeClassFolder(top.get(), "Maze", 02755, group, error);
    if (!maze)
        return false;
    std::set<std::string> ours{GameProgramName};
    for (const char* file : TableFiles)
        ours.insert(file);
    for (const char* name : PictureFolders)
        ours.insert(name);
    if (!RemoveForeign(maze.get(), ours, st.st_uid, error))
        return false;
    for (const char* name : PictureFolders)
        if (!LayOutPictures(source.get(), maze.get(), name, group, st.st_uid, error))
            return false;
    if (!CopyFileAt(source.get(), maze.get(), GameProgramName, 0755, group)) {
        error = Filled(QCoreApplication::translate("Classroom", "Cannot write %1: %2"),
                       std::string("Maze/") + GameProgramName, std::strerror(errno));
        return false;
    }
    if (!LayOutClassFiles(top.get(), maze.get(), writer->group, teacherGroup, error))
        return false;
    // The stamp last, so that a set-up cut short is not taken for a whole one.
    if (!WriteFileAt(top.get(), StampFileName, 0644, static_cast<gid_t>(-1), stamp)) {
        error = Filled(QCoreApplication::translate("Classroom", "Cannot write %1: %2"), StampFileName,
                       std::strerror(errno));
        return false;
    }
    if (const std::string why = MazeProblem(top.get(), maze.get(), st.st_uid, writer->group); !why.empty()) {
        error =
            Filled(QCoreApplication::translate("Classroom", "The classroom folder %1 was laid out, but %2."),
                   real, why);
        return false;
    }
    return true;
}

bool ClassroomGameTrusted(const std::string& suite, const std::string& shared, const std::string& stamp,
                          GamePlan& plan, std::string& error)
{
    const std::string real = RealFolder(shared, error);
    UniqueFd top;
    struct stat st {};
    if (real.empty() || !OpenClassroom(real, top, st, error)) {
        if (!real.empty())
            error += " " + SetUpAdvice(real);
        return false;
    }
    const UniqueFd maze = OpenFolderAt(top.get(), "Maze");
    if (!maze || !StatusAt(top.get(), StampFileName)) {
        error =
            Filled(QCoreApplication::translate("Classroom", "The classroom folder %1 is not set up yet. %2"),
                   real, SetUpAdvice(real));
        return false;
    }
    struct stat mazeStatus {};
    std::string why;
    const auto writer = InstalledClassWriter(suite, why);
    if (writer && (::fstat(maze.get(), &mazeStatus) != 0 || !OwnedByTrusted(mazeStatus, st.st_uid) ||
                   (mazeStatus.st_mode & (S_IWGRP | S_IWOTH))))
        why = Filled(QCoreApplication::translate("Classroom", "%1 may be changed by other users"), "Maze");
    else if (writer)
        why = MazeProblem(top.get(), maze.get(), st.st_uid, writer->group);
    if (!why.empty()) {
        error = Filled(QCoreApplication::translate(
                           "Classroom", "The game in the classroom folder %1 is not safe to start: %2. %3"),
                       real, why, SetUpAdvice(real));
        return false;
    }
    const auto stampStatus = StatusAt(top.get(), StampFileName);
    if (!stampStatus || !OwnedByTrusted(*stampStatus, st.st_uid) ||
        ReadPlainFileAt(top.get(), StampFileName, 4096).value_or("") != stamp) {
        error = Filled(QCoreApplication::translate(
                           "Classroom", "The classroom folder %1 holds another version of Zorbik than the "
                                        "one installed here, so the teacher needs to set it up again. %2"),
                       real, SetUpAdvice(real));
        return false;
    }
    if ((::geteuid() != 0 && !InGroup(st.st_gid)) || ::faccessat(maze.get(), HighScoreFileName, R_OK, AT_EACCESS) != 0) {
        error = Filled(QCoreApplication::translate(
                           "Classroom",
                           "%2 is not a pupil of the class of %1, so your score would be lost. Ask the "
                           "teacher to add you to the group %3 (then log in again)."),
                       real, UserName(::geteuid()), GroupName(st.st_gid));
        return false;
    }
    plan.program = real + "/Maze/" + GameProgramName;
    plan.classWriter = writer->path;
    return true;
}

} // namespace zorbik
