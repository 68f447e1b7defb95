// A classroom's shared playing folder: the game with its pictures and sounds,
// laid out by the folder's owner (the teacher) or root, and the class's one
// high-score table in Maze/. Pupils add their table files to Maze/, whose
// sticky bit keeps them from replacing or removing files they do not own, so
// a pupil's launcher runs the shared game only when nobody but the teacher
// or root can have put it there.
#pragma once

#include <string>

namespace zorbik {

// True when this user may lay out the classroom folder `shared`: its owner
// or root.
bool MaySetUpClassroom(const std::string& shared);

// Lays out the existing classroom folder `shared` (with a final "/") from the
// installed `suite`: Maze/ 03775 (group-writable and sticky), Quiz/ and the
// folders of pictures and sounds 02755, all with the group of `shared`;
// programs 0755, pictures and sounds 0644, all this user's. Nothing is done
// unless `always`, the folder's stamp differs from `stamp` or the shared game
// is not to be trusted. False with `error` set when the folder is missing,
// is not this user's to set up or cannot be laid out.
bool SetUpClassroom(const std::string& suite, const std::string& shared, const std::string& stamp,
                    bool always, std::string& error);

// True when a pupil may run the shared game: Maze/Game1 a regular file, not a
// link, and Maze/ with Maze/Images and Maze/Sounds folders, all owned by root
// or the classroom folder's owner; Maze/Game1 and the picture and sound
// folders writable by nobody else, Maze/ only with the sticky bit. Otherwise
// false with `error` saying so for the pupil, with the folder and the
// teacher's set-up command.
bool ClassroomGameTrusted(const std::string& shared, std::string& error);

} // namespace zorbik
