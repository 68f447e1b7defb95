// The files of a classroom folder that only the class writer writes: the
// table, its copy and its lock in Maze/, and the class record beside Maze/.
// They are root's (or the folder owner's) with the writer's group: pupils
// read the table and its copy, and can open neither the lock nor the record;
// the record's one more reader is the class's teacher group, through the
// file's access list (and the classroom folder's, to pass through it).
#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

namespace zorbik {

// The class writer installed beside the suite, and the group it runs with.
struct ClassWriter {
    std::string path;
    gid_t group = 0;
};

// The suite's class writer when it is installed as a class needs it: a plain
// file of root's, set-group-ID to a group of its own, which no one else may
// change. Otherwise nothing, with `error` saying why.
std::optional<ClassWriter> InstalledClassWriter(const std::string& suite, std::string& error);

// Makes the class files anew in the opened classroom folder `top` and its
// `maze` with the writer's group, keeping every byte the table, its copy and
// the record held, also when they were not plain files (a second name, a
// pupil's): those are copied into new files, never written through. A link
// or a special file in their place, or one too large to be a table, is
// refused with `error` naming it. The record is readable by `teachers` (a
// group), else by the group that could read it before, else by root alone.
bool LayOutClassFiles(int top, int maze, gid_t writerGroup, std::optional<gid_t> teachers,
                      std::string& error);

// Why the class files would not let the writer save a game, or empty.
std::string ClassFilesProblem(int top, int maze, uid_t owner, gid_t writerGroup);

// The teacher group that may read the record, if any.
std::optional<gid_t> RecordTeachers(int top);

} // namespace zorbik
