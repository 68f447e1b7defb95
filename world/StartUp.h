// Start-up helpers that need no window: the suite folder, the folders beside
// the game, and the size of the maze surface.
#pragma once

#include "GameState.h"
#include "common/Translatable.h"

#include <string>

namespace zorbik {

// The folder that holds the game's own folder, with a final "/": the file
// name and the game's folder are cut from the executable's absolute path.
// Both "\" and "/" count as separators. A game in the root folder gives "/".
std::string SuiteFolderOf(const std::string& exePath);

// The full path the game was started under, from which its suite folder
// follows: argument 0 as given when it is absolute, taken from the working
// folder when it is relative, and the executable's own path when it is a
// bare name (found through PATH, it says nothing about the suite).
std::string ProgramPathOf(const std::string& argument0, const std::string& workingFolder,
                          const std::string& exePath);

// The suite folder of a running game: from ProgramPath, or from ExePath
// while that is unknown. The name file and the quiz program are found here;
// a launcher can start a shared game for a player with a suite of their own.
std::string SuiteFolder(const GameState& s);

// The folder of the executable, with a final "/" ("./" for a bare name).
std::string ExeFolderOf(const std::string& exePath);

// The command-line check of start-up: four arguments after the program path.
constexpr const char* RefusalText =
    QT_TRANSLATE_NOOP("Game", "This program is a part of the TALLIWAY software. It can not run by itself.");
constexpr const char* RefusalCaption = QT_TRANSLATE_NOOP("Game", "Program termination");
bool HasFullCommandLine(int argc);

// The side panel's laid-out width along the right edge of the main window.
constexpr int SidePanelWidth = 134;

// Sizes the maze surface for the current MazeSize in a window of the given
// width and client height: whole cells of 80 pixels, never more than the maze
// has nor more than 20, never fewer than 3, centred left of the side panel.
void FitMazeView(GameState& s, int windowWidth, int clientHeight);

} // namespace zorbik
