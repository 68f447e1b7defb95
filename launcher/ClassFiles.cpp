#include "ClassFiles.h"

#include "desktop/FilledText.h"

#include <QCoreApplication>

#include "common/ClassRecord.h"
#include "common/OpenedFolders.h"
#include "common/Programs.h"
#include "common/Protocol.h"
#include "outside/HighScores.h"
#include "outside/ShownName.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace zorbik {

namespace {

struct ClassFile {
    bool inMaze;
    const char* name;
    mode_t mode;
    std::size_t keptLimit; // 0: nothing kept
};
// Far above any table the game writes (fifteen lines of 44 bytes), and far
// above a school year of a large class's games in the record.
constexpr ClassFile Files[] = {{true, HighScoreFileName, 0664, 1 << 16},
                               {true, HighScoreCopyName, 0664, 1 << 16},
                               {true, HighScoreLockName, 0660, 0},
                               {false, ClassRecordName, 0660, std::size_t(256) << 20}};

std::string Shown(const ClassFile& f)
{
    return f.inMaze ? std::string(GameFolderName) + "/" + f.name : f.name;
}

// The POSIX access list of a file, as the kernel keeps it in the extended
// attribute "system.posix_acl_access": a version, then (tag, permissions, id)
// entries in the order of their tags.
constexpr const char* AccessListName = "system.posix_acl_access";
constexpr uint16_t OwnerTag = 0x01, NamedGroupTag = 0x08, GroupTag = 0x04, MaskTag = 0x10, OthersTag = 0x20;
constexpr uint32_t AccessListVersion = 2, NoId = 0xFFFFFFFF;

void PutEntry(std::string& list, uint16_t tag, uint16_t permissions, uint32_t id)
{
    const auto put = [&](auto value) {
        for (std::size_t i = 0; i < sizeof value; ++i)
            list += static_cast<char>((value >> (8 * i)) & 0xFF); // little-endian, as the kernel keeps it
    };
    put(tag), put(permissions), put(id);
}

// Gives the group `teachers` the permissions `allowed` on the opened file
// or folder, on top of its mode, which stays as it is for everyone else.
bool LetTeachersIn(int fd, gid_t teachers, uint16_t allowed)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return false;
    const auto bits = [&](int shift) { return static_cast<uint16_t>((st.st_mode >> shift) & 7); };
    std::string list;
    for (std::size_t i = 0; i < 4; ++i)
        list += static_cast<char>((AccessListVersion >> (8 * i)) & 0xFF);
    PutEntry(list, OwnerTag, bits(6), NoId);
    PutEntry(list, GroupTag, bits(3), NoId);
    PutEntry(list, NamedGroupTag, allowed, teachers);
    PutEntry(list, MaskTag, static_cast<uint16_t>(bits(3) | allowed), NoId);
    PutEntry(list, OthersTag, bits(0), NoId);
    return ::fsetxattr(fd, AccessListName, list.data(), list.size(), 0) == 0;
}

std::optional<gid_t> TeachersOf(int fd)
{
    unsigned char list[256];
    const ssize_t size = ::fgetxattr(fd, AccessListName, list, sizeof list);
    for (ssize_t at = 4; size > 4 && at + 8 <= size; at += 8)
        if (list[at] == NamedGroupTag && list[at + 1] == 0 && (list[at + 2] & 4))
            return static_cast<gid_t>(list[at + 4] | list[at + 5] << 8 | list[at + 6] << 16 |
                                      uint32_t(list[at + 7]) << 24);
    return std::nullopt;
}

// What the file held, from a regular file whatever its names and owner, or
// nothing with `error` naming what stands there instead.
std::optional<std::string> KeptBytes(int folder, const ClassFile& f, std::string& error)
{
    const auto seen = StatusAt(folder, f.name);
    if (!seen || f.keptLimit == 0)
        return std::string();
    const UniqueFd file(::openat(folder, f.name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (!S_ISREG(seen->st_mode) || !file || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        error = Filled(QCoreApplication::translate(
                           "Classroom", "%1 is not a file but a link or a special file, so its lines "
                                        "cannot be kept. Move the class's file back to its place, or "
                                        "remove what stands there to start it empty, then set up again."),
                       Shown(f));
        return std::nullopt;
    }
    auto bytes = ReadAtMost(file.get(), f.keptLimit + 1);
    if (!bytes || bytes->size() > f.keptLimit) {
        error = Filled(
            QCoreApplication::translate("Classroom", "%1 cannot be read whole, so it is left as it is: %2"),
            Shown(f),
            bytes ? QCoreApplication::translate("Classroom", "it is too large")
                  : QString::fromLocal8Bit(std::strerror(errno)));
        return std::nullopt;
    }
    return bytes;
}

} // namespace

std::optional<ClassWriter> InstalledClassWriter(const std::string& suite, std::string& error)
{
    const std::string path = PathIn(suite, ClassWriterName);
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == 0 && st.st_gid != 0 &&
        (st.st_mode & S_ISGID) && !(st.st_mode & (S_ISUID | S_IWGRP | S_IWOTH)))
        return ClassWriter{path, st.st_gid};
    error = Filled(QCoreApplication::translate(
                       "Classroom", "The class writer %1 is not installed for a class: it must be root's "
                                    "and set-group-ID to a group of its own (the package does this; see "
                                    "zorbik(6))."),
                   path);
    return std::nullopt;
}

bool LayOutClassFiles(int top, int maze, gid_t writerGroup, std::optional<gid_t> teachers, std::string& error)
{
    if (!teachers)
        teachers = RecordTeachers(top);
    for (const ClassFile& f : Files) {
        const int folder = f.inMaze ? maze : top;
        auto kept = KeptBytes(folder, f, error);
        if (!kept)
            return false;
        // A class's first table starts with the default names in the
        // language of the one who sets it up.
        if (kept->empty() && std::strcmp(f.name, HighScoreFileName) == 0) {
            HighScoreTable table;
            FillDefaults(table, StartingName());
            *kept = HighScoreText(table);
        }
        bool written = WriteFileAt(folder, f.name, f.mode, writerGroup, *kept);
        if (written && teachers && std::strcmp(f.name, ClassRecordName) == 0) {
            const UniqueFd record(::openat(folder, f.name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
            // The teachers may read the record and pass through the folder
            // to it, whether or not they are of the class.
            written = record && LetTeachersIn(record.get(), *teachers, 4) && LetTeachersIn(top, *teachers, 1);
        }
        if (!written) {
            error = Filled(QCoreApplication::translate("Classroom", "Cannot write %1: %2"), Shown(f),
                           std::strerror(errno));
            return false;
        }
    }
    return true;
}

std::string ClassFilesProblem(int top, int maze, uid_t owner, gid_t writerGroup)
{
    for (const ClassFile& f : Files) {
        const auto st = StatusAt(f.inMaze ? maze : top, f.name);
        if (!st || !S_ISREG(st->st_mode) || st->st_nlink != 1 || (st->st_uid != 0 && st->st_uid != owner) ||
            st->st_gid != writerGroup || (st->st_mode & 07777) != f.mode)
            return Filled(QCoreApplication::translate(
                              "Classroom", "%1 was not laid out for the class writer installed here"),
                          Shown(f));
    }
    return {};
}

std::optional<gid_t> RecordTeachers(int top)
{
    const UniqueFd record(::openat(top, ClassRecordName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    return record ? TeachersOf(record.get()) : std::nullopt;
}

} // namespace zorbik
