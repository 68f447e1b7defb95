#include "ClassroomFolder.h"

#include "PlayingFolder.h"

#include <sys/stat.h>
#include <unistd.h>

namespace zorbik {

namespace {

// The folder as the teacher names it, without a final "/".
std::string Shown(std::string shared)
{
    if (shared.size() > 1 && shared.back() == '/')
        shared.pop_back();
    return shared;
}

std::string SetUpCommand(const std::string& shared)
{
    return "zorbik --shared-folder " + Shown(shared) + " --set-up";
}

// Why the shared game is not to be trusted, or empty when it is: `owner` is
// the classroom folder's owner.
std::string DistrustOf(const std::string& shared, uid_t owner)
{
    const auto trusted = [&](uid_t uid) { return uid == 0 || uid == owner; };
    const struct {
        const char* path;
        bool folder;
    } parts[] = {{"Maze", true}, {"Maze/Game1", false}, {"Maze/Images", true}, {"Maze/Sounds", true}};
    for (const auto& part : parts) {
        struct stat st {};
        const std::string name = part.path;
        if (::lstat((shared + part.path).c_str(), &st) != 0 ||
            (part.folder ? !S_ISDIR(st.st_mode) : !S_ISREG(st.st_mode)))
            return name + (part.folder ? " is not a folder" : " is not a plain file");
        if (!trusted(st.st_uid))
            return name + " belongs to neither the folder's owner nor root";
        // Maze/ is shared for the table; its sticky bit keeps each file its
        // owner's.
        const bool othersWrite = (st.st_mode & (S_IWGRP | S_IWOTH)) != 0;
        if (othersWrite && (name != "Maze" || !(st.st_mode & S_ISVTX)))
            return name + " may be changed by other users";
    }
    return {};
}

} // namespace

bool MaySetUpClassroom(const std::string& shared)
{
    struct stat st {};
    return ::geteuid() == 0 || (::stat(shared.c_str(), &st) == 0 && ::geteuid() == st.st_uid);
}

bool SetUpClassroom(const std::string& suite, const std::string& shared, const std::string& stamp,
                    bool always, std::string& error)
{
    struct stat top {};
    if (::stat(shared.c_str(), &top) != 0 || !S_ISDIR(top.st_mode)) {
        error = "The classroom folder " + Shown(shared) +
                " does not exist. Make it first and give it the class's group (see zorbik(6)).";
        return false;
    }
    if (!MaySetUpClassroom(shared)) {
        error = "Only the owner of " + Shown(shared) + " or root can set up the classroom folder.";
        return false;
    }
    if (!always && StampMatches(shared, stamp) && DistrustOf(shared, top.st_uid).empty())
        return true;
    return LayOutSuite(suite, shared, stamp, {03775, 02755, top.st_gid}, error) &&
           ClassroomGameTrusted(shared, error);
}

bool ClassroomGameTrusted(const std::string& shared, std::string& error)
{
    struct stat top {};
    struct stat game {};
    if (::stat(shared.c_str(), &top) != 0 || ::lstat((shared + "Maze/Game1").c_str(), &game) != 0) {
        error = "The classroom folder " + Shown(shared) +
                " is not set up yet. The teacher sets it up with:\n    " + SetUpCommand(shared) +
                "\n(as the folder's owner, or with sudo).";
        return false;
    }
    const std::string why = DistrustOf(shared, top.st_uid);
    if (why.empty())
        return true;
    error = "The game in the classroom folder " + Shown(shared) + " is not safe to start: " + why +
            ". The teacher sets the folder up anew with:\n    " + SetUpCommand(shared) +
            "\n(as the folder's owner, or with sudo).";
    return false;
}

} // namespace zorbik
