// Where a game is played from. The game keeps its writable files beside its
// programs (the name file in the suite folder, the high-score table beside
// the game, the quiz's verdict beside the quiz), so an installed suite that
// the player cannot write is first copied into a playing folder of the
// player's own. A classroom shares one high-score table through a shared
// playing folder (ClassroomFolder.h).
#pragma once

#include "GamePlan.h"

#include <string>
#include <sys/types.h>

namespace zorbik {

// The folder of the running launcher, with a final "/".
std::string LauncherFolder();

// The suite the launcher belongs to, with a final "/": its own folder when
// that holds Maze/Game1 (the build folder), else the installed suite,
// "../lib/zorbik/" from the launcher's folder.
std::string OwnSuiteOf(const std::string& launcherFolder);

// True when the suite folder belongs to the player and the player can write
// every folder the game writes into: the suite folder, Maze/ and Quiz/.
bool SuiteWritable(const std::string& suite);

// The player's own playing folder, with a final "/": "zorbik" in
// $XDG_DATA_HOME, else ".local/share/zorbik" in $HOME, else in the home
// folder of the real user's entry in the user list. The environment counts
// only when absolute and no other user than the real one (or root) can
// change any folder on its way. Empty when there is no such folder.
std::string PersonalPlayingFolder();

// What identifies the installed programs: the launcher's version and the
// times the game and the quiz program were last changed.
std::string InstalledStamp(const std::string& suite);

// True when the stamp file of the playing folder `playing` says `stamp`.
bool StampMatches(const std::string& playing, const std::string& stamp);

// Brings the player's own playing folder `playing` up to date with the
// installed `suite`. The folder (and the folders above it) is made private
// where needed; everything in it must be this user's and closed to others'
// writes (else it is refused with the reason) and is made the user's alone:
// folders and programs 0700, files 0600. When its stamp file differs from
// `stamp` or a program is missing, it is laid out anew. The playing folder
// itself is never a link.
bool UpdatePlayingFolder(const std::string& suite, const std::string& playing, const std::string& stamp,
                         std::string& error);

// Decides where to play. A classroom folder (empty: none) holds the shared
// game with its table; the name file and the quiz stay in the player's own
// folder, which the game learns from its argument 0. Without one, the
// launcher's suite is played in place when it is the player's own and they
// can write it (never an installed suite by root), else the player's own
// folder. False with `error` set when no folder can be used.
bool PlanGame(const std::string& launcherFolder, const std::string& classroomFolder, GamePlan& plan,
              std::string& error);

} // namespace zorbik
