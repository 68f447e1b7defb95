// A classroom's shared playing folder: the game with its pictures and sounds
// and the class's one high-score table, laid out in Maze/ by the folder's
// owner (the teacher) or root. The pupils, members of the folder's group,
// write only into the table (rewritten in place under its lock); nothing in
// the folder is theirs to add, replace or remove, so a pupil's launcher can
// run the shared game knowing that no classmate can have changed it.
#pragma once

#include "GamePlan.h"

#include <string>

namespace zorbik {

// The file in a laid-out folder that names the install it was laid out from.
constexpr const char* StampFileName = "Installed.stamp";

// Lays out the existing classroom folder `shared` from the installed
// `suite`, which `stamp` identifies: Maze/ and its folders of pictures and
// sounds 02755, the game 0755, pictures and sounds 0644, all this user's
// with the folder's group, and the class files with the class writer's
// group (ClassFiles.h), the record readable by the group `teachers` when
// one is named; whatever a pupil left in Maze/ is removed and every line of
// the table and the record is kept. Only for root, or the folder's owner
// when they are in the writer's group, on a folder that no one else may
// write, whose every folder above no one but root or its owner may change,
// and whose group is a class that its owner belongs to. Works from opened
// folders only, never through a link. False with `error` set otherwise.
bool SetUpClassroom(const std::string& suite, const std::string& shared, const std::string& stamp,
                    std::string& error, const std::string& teachers = "");

// True when a pupil may run the shared game: the folder and every folder
// above it changeable by root or the folder's owner alone; Maze/ with the
// game, pictures and sounds theirs and writable by no one else; the table
// files plain files of theirs that this player may read and write; and the
// folder laid out from the install `stamp` names. Otherwise false with
// `error` saying why for the pupil, with the folder and the teacher's
// set-up command. The plan's program is then the game's full path, free
// of links, and its class writer the writer installed with `suite`.
bool ClassroomGameTrusted(const std::string& suite, const std::string& shared, const std::string& stamp,
                          GamePlan& plan, std::string& error);

} // namespace zorbik
