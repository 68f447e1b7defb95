// Where a game is played from. The game keeps its writable files beside its
// programs (the name file in the suite folder, the high-score table beside
// the game, the quiz's verdict beside the quiz), so an installed suite that
// the player cannot write is first copied into a playing folder of the
// player's own. A classroom shares one high-score table through a shared
// playing folder.
#pragma once

#include <string>

namespace zorbik {

// The folder of the running launcher, with a final "/".
std::string LauncherFolder();

// The suite the launcher belongs to, with a final "/": its own folder when
// that holds Maze/Game1 (the build folder), else the installed suite,
// "../lib/zorbik/" from the launcher's folder.
std::string OwnSuiteOf(const std::string& launcherFolder);

// True when the player can write every folder the game writes into: the
// suite folder, Maze/ and Quiz/.
bool SuiteWritable(const std::string& suite);

// The player's own playing folder, with a final "/": "zorbik" in
// $XDG_DATA_HOME, or in ~/.local/share when that is unset or not absolute.
// Empty when neither it nor HOME is known.
std::string PersonalPlayingFolder();

// What identifies the installed programs: the launcher's version and the
// times the game and the quiz program were last changed.
std::string InstalledStamp(const std::string& suite);

// Brings `playing` up to date with the installed `suite`: when its stamp
// file differs from `stamp` or a program is missing, the programs, pictures
// and sounds of Maze/ and Quiz/ are copied anew, each file written beside
// its name and renamed over it. Links are never followed on either side and
// the player's own files (the high-score table and its companions, the name
// file, the verdict file) are never touched. `sharedByGroup` makes the new
// folders group-writable, for a classroom. False with `error` set when the
// folder cannot be laid out.
bool UpdatePlayingFolder(const std::string& suite, const std::string& playing, const std::string& stamp,
                         bool sharedByGroup, std::string& error);

// How the launcher starts a game.
struct GamePlan {
    std::string program;   // the executable started
    std::string argument0; // the game's argument 0: its suite folder follows from it
    std::string suite;     // where the name file is written and the game runs
};

// Decides where to play. A classroom folder (empty: none) holds the shared
// game with its table; the name file and the quiz stay in the player's own
// folder, which the game learns from its argument 0. Without one, the
// launcher's suite is played in place when the player can write it, else
// the player's own folder. False with `error` set when no folder can be used.
bool PlanGame(const std::string& launcherFolder, const std::string& classroomFolder, GamePlan& plan,
              std::string& error);

} // namespace zorbik
