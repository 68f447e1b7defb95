#include "ClassroomFolder.h"

#include "common/OpenedFolders.h"
#include "common/Protocol.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbik {

namespace {

// What a class's Maze/ holds; anything else a pupil may have left there.
constexpr const char* PictureFolders[] = {"Images", "Sounds"};
const struct {
    const char* name;
    mode_t mode;
} TableFiles[] = {{HighScoreFileName, 0660}, {HighScoreCopyName, 0660}, {HighScoreLockName, 0640}};

// Far above any table the game writes (fifteen lines of 44 bytes).
constexpr std::size_t KeptTableBytes = 1 << 16;

std::string Shown(std::string shared)
{
    while (shared.size() > 1 && shared.back() == '/')
        shared.pop_back();
    return shared;
}

std::string SetUpAdvice(const std::string& shared)
{
    return "The teacher sets it up with:\n    sudo zorbik --shared-folder " + Shown(shared) +
           " --set-up\n(or as the folder's owner without sudo).";
}

std::string UserName(uid_t uid)
{
    const passwd* user = ::getpwuid(uid);
    return user ? user->pw_name : std::to_string(uid);
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
        error = "The classroom folder " + Shown(shared) +
                (errno == ENOENT ? std::string(" does not exist. Make it first and give it the class's group "
                                               "(see zorbik(6)).")
                                 : " cannot be used: " + std::string(std::strerror(errno)) + ".");
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
        error = "The classroom folder " + real + " is not a folder.";
        return false;
    }
    const uid_t owner = seen.st_uid;
    const auto check = [&](const struct stat& folder, const std::string& path) -> std::string {
        if (folder.st_uid != 0 && folder.st_uid != owner)
            return path + " belongs to " + UserName(folder.st_uid) +
                   ", who is neither root nor the owner of " + real;
        if (folder.st_mode & (S_IWGRP | S_IWOTH))
            return path + " may be changed by other users";
        return {};
    };
    const std::string why = WalkFolders(real, check, top);
    if (!why.empty() || ::fstat(top.get(), &st) != 0 || st.st_uid != owner) {
        error = "The classroom folder " + real + " is not safe for a class: " +
                (why.empty() ? std::string("it changed while it was read") : why) + ".";
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
        return "its group is " + GroupName(top.st_gid) + ", not a class's group";
    if (owner && owner->pw_gid == top.st_gid && std::strcmp(g->gr_name, owner->pw_name) == 0)
        return "its group " + GroupName(top.st_gid) + " is the owner's own, not a class's group";
    if (top.st_uid == 0 || (owner && owner->pw_gid == top.st_gid))
        return {};
    for (char** member = g->gr_mem; *member; ++member)
        if (owner && std::strcmp(*member, owner->pw_name) == 0)
            return {};
    return "its owner " + UserName(top.st_uid) + " is not in its group " + GroupName(top.st_gid);
}

// Makes `name` in `parent` a folder of this user's with `group` and exactly
// `mode` (set before anything is put into it), and opens it. A link or a
// file in its place is removed; root takes over a folder of another user's.
UniqueFd MakeClassFolder(int parent, const std::string& name, mode_t mode, gid_t group, std::string& error)
{
    const auto st = StatusAt(parent, name);
    if (st && !S_ISDIR(st->st_mode) && !RemoveTreeAt(parent, name)) {
        error = "Cannot remove " + name + ": " + std::strerror(errno);
        return {};
    }
    if ((!st || !S_ISDIR(st->st_mode)) && ::mkdirat(parent, name.c_str(), 0700) != 0) {
        error = "Cannot make the folder " + name + ": " + std::strerror(errno);
        return {};
    }
    UniqueFd folder = OpenFolderAt(parent, name);
    struct stat now {};
    if (!folder || ::fstat(folder.get(), &now) != 0) {
        error = "Cannot open the folder " + name + ": " + std::strerror(errno);
        return {};
    }
    const uid_t me = ::geteuid();
    if ((now.st_uid != me || now.st_gid != group) && ::fchown(folder.get(), me, group) != 0) {
        error = name + " belongs to " + UserName(now.st_uid) + "; set the folder up with sudo.";
        return {};
    }
    if (::fchmod(folder.get(), mode) != 0) {
        error = "Cannot set the permissions of " + name + ": " + std::strerror(errno);
        return {};
    }
    return folder;
}

// Removes what is in `folder` but not in `keep` and not this user's or
// root's: whatever a pupil put there while the folder was open to them.
bool RemoveForeign(int folder, const std::set<std::string>& keep, std::string& error)
{
    const uid_t me = ::geteuid();
    for (const std::string& name : EntriesOf(folder)) {
        const auto st = StatusAt(folder, name);
        if (!st || keep.count(name) || st->st_uid == me || st->st_uid == 0)
            continue;
        if (!RemoveTreeAt(folder, name)) {
            error = "Cannot remove " + name + " (" + UserName(st->st_uid) + "'s): " + std::strerror(errno);
            return false;
        }
    }
    return true;
}

// The pictures or sounds: the folder made anew where needed and every
// regular file of the suite's copied in.
bool LayOutPictures(int from, int maze, const char* name, gid_t group, std::string& error)
{
    const UniqueFd source = OpenFolderAt(from, name);
    if (!source) {
        error = std::string("Cannot read the installed ") + name + ": " + std::strerror(errno);
        return false;
    }
    const UniqueFd target = MakeClassFolder(maze, name, 02755, group, error);
    if (!target || !RemoveForeign(target.get(), {}, error))
        return false;
    for (const std::string& file : EntriesOf(source.get())) {
        const auto st = StatusAt(source.get(), file);
        if (st && S_ISREG(st->st_mode) && !CopyFileAt(source.get(), target.get(), file, 0644, group)) {
            error = std::string("Cannot write ") + name + "/" + file + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
}

// The table, its copy and its lock made anew as this user's with the class's
// group, keeping what the table and its copy held; never what a link or a
// file with a second name leads to.
bool LayOutTable(int maze, gid_t group, std::string& error)
{
    for (const auto& file : TableFiles) {
        const bool isLock = std::strcmp(file.name, HighScoreLockName) == 0;
        const std::string kept = isLock ? "" : ReadPlainFileAt(maze, file.name, KeptTableBytes).value_or("");
        if (!WriteFileAt(maze, file.name, file.mode, group, kept)) {
            error = std::string("Cannot write ") + file.name + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
}

bool OwnedByTrusted(const struct stat& st, uid_t owner)
{
    return st.st_uid == 0 || st.st_uid == owner;
}

// Why Maze/ may hold something a classmate changed, or empty.
std::string MazeProblem(int maze, uid_t owner)
{
    std::set<std::string> seen;
    const auto plain = [&](int folder, const std::string& name, const std::string& shown,
                           bool groupMayWrite) -> std::string {
        const auto st = StatusAt(folder, name);
        if (!st)
            return shown + " is missing";
        if (!OwnedByTrusted(*st, owner))
            return shown + " belongs to " + UserName(st->st_uid);
        if (!S_ISREG(st->st_mode) || st->st_nlink != 1)
            return shown + " is not a plain file";
        const mode_t othersWrite = groupMayWrite ? S_IWOTH : (S_IWGRP | S_IWOTH);
        if ((st->st_mode & othersWrite) || (st->st_mode & (S_ISUID | S_ISGID)))
            return shown + " may be changed by other users";
        return {};
    };
    if (std::string why = plain(maze, GameProgramName, std::string("Maze/") + GameProgramName, false);
        !why.empty())
        return why;
    for (const auto& file : TableFiles)
        if (std::string why = plain(maze, file.name, std::string("Maze/") + file.name, true); !why.empty())
            return why;
    for (const char* name : PictureFolders) {
        const std::string shown = std::string("Maze/") + name;
        const UniqueFd folder = OpenFolderAt(maze, name);
        struct stat st {};
        if (!folder || ::fstat(folder.get(), &st) != 0)
            return shown + " is not a folder";
        if (!OwnedByTrusted(st, owner) || (st.st_mode & (S_IWGRP | S_IWOTH)))
            return shown + " may be changed by other users";
        for (const std::string& file : EntriesOf(folder.get()))
            if (std::string why = plain(folder.get(), file, shown + "/" + file, false); !why.empty())
                return why;
    }
    // Nothing else a pupil could have left for the game to find.
    for (const std::string& name : EntriesOf(maze)) {
        const auto st = StatusAt(maze, name);
        if (st && !OwnedByTrusted(*st, owner))
            return "Maze/" + name + " belongs to " + UserName(st->st_uid);
    }
    return {};
}

} // namespace

bool SetUpClassroom(const std::string& suite, const std::string& shared, const std::string& stamp,
                    std::string& error)
{
    const std::string real = RealFolder(shared, error);
    UniqueFd top;
    struct stat st {};
    if (real.empty() || !OpenClassroom(real, top, st, error))
        return false;
    const uid_t me = ::geteuid();
    if (me != 0 && me != st.st_uid) {
        error = "Only the owner of " + real + " (" + UserName(st.st_uid) + ") or root can set it up.";
        return false;
    }
    if (const std::string why = GroupProblem(st); !why.empty()) {
        error = "The classroom folder " + real + " cannot be shared by a class: " + why +
                ". Give it the class's group:\n    sudo chgrp CLASS " + real + "\n    sudo chmod 2750 " +
                real;
        return false;
    }
    const UniqueFd source = OpenFolderAt(AT_FDCWD, suite + "Maze");
    if (!source) {
        error = "Cannot read the installed game in " + suite + "Maze: " + std::strerror(errno);
        return false;
    }
    // Maze/ is closed to the pupils first, then cleared of what they left.
    const gid_t group = st.st_gid;
    const UniqueFd maze = MakeClassFolder(top.get(), "Maze", 02755, group, error);
    if (!maze)
        return false;
    std::set<std::string> ours{GameProgramName};
    for (const auto& file : TableFiles)
        ours.insert(file.name);
    for (const char* name : PictureFolders)
        ours.insert(name);
    if (!RemoveForeign(maze.get(), ours, error))
        return false;
    for (const char* name : PictureFolders)
        if (!LayOutPictures(source.get(), maze.get(), name, group, error))
            return false;
    if (!CopyFileAt(source.get(), maze.get(), GameProgramName, 0755, group)) {
        error = std::string("Cannot write Maze/") + GameProgramName + ": " + std::strerror(errno);
        return false;
    }
    if (!LayOutTable(maze.get(), group, error))
        return false;
    // The stamp last, so that a set-up cut short is not taken for a whole one.
    if (!WriteFileAt(top.get(), StampFileName, 0644, static_cast<gid_t>(-1), stamp)) {
        error = std::string("Cannot write ") + StampFileName + ": " + std::strerror(errno);
        return false;
    }
    if (const std::string why = MazeProblem(maze.get(), st.st_uid); !why.empty()) {
        error = "The classroom folder " + real + " was laid out, but " + why + ".";
        return false;
    }
    return true;
}

bool ClassroomGameTrusted(const std::string& shared, const std::string& stamp, std::string& game,
                          std::string& error)
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
        error = "The classroom folder " + real + " is not set up yet. " + SetUpAdvice(real);
        return false;
    }
    struct stat mazeStatus {};
    std::string why;
    if (::fstat(maze.get(), &mazeStatus) != 0 || !OwnedByTrusted(mazeStatus, st.st_uid) ||
        (mazeStatus.st_mode & (S_IWGRP | S_IWOTH)))
        why = "Maze may be changed by other users";
    else
        why = MazeProblem(maze.get(), st.st_uid);
    if (!why.empty()) {
        error = "The game in the classroom folder " + real + " is not safe to start: " + why + ". " +
                SetUpAdvice(real);
        return false;
    }
    const auto stampStatus = StatusAt(top.get(), StampFileName);
    if (!stampStatus || !OwnedByTrusted(*stampStatus, st.st_uid) ||
        ReadPlainFileAt(top.get(), StampFileName, 4096).value_or("") != stamp) {
        error = "The classroom folder " + real +
                " holds another version of Zorbik than the one installed here, so the teacher needs to "
                "set it up again. " +
                SetUpAdvice(real);
        return false;
    }
    if (::faccessat(maze.get(), HighScoreFileName, R_OK | W_OK, AT_EACCESS) != 0) {
        error = "The class's high-score table in " + real + "/Maze cannot be written by " +
                UserName(::geteuid()) +
                ", so your score would be lost. Ask the teacher to add you to the group " +
                GroupName(st.st_gid) +
                " (then log in again). If you are in it, the table needs a new set-up. " + SetUpAdvice(real);
        return false;
    }
    game = real + "/Maze/" + GameProgramName;
    return true;
}

} // namespace zorbik
