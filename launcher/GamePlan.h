// How the launcher starts a game: what the playing folder and the classroom
// folder decide together.
#pragma once

#include <string>

namespace zorbik {

// How the launcher starts a game.
struct GamePlan {
    std::string program;     // the executable started
    std::string argument0;   // the game's argument 0: its suite folder follows from it
    std::string suite;       // where the name file is written and the game runs
    std::string classWriter; // in a classroom folder: the writer of its table
    // The game plays in the player's own folder: what it and the quiz make
    // there is made private whatever the umask.
    bool privateFolder = false;
};

} // namespace zorbik
