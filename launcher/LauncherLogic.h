// What the launcher hands to the game: the name file in the suite folder and
// the four command-line arguments.
#pragma once

#include <string>
#include <vector>

namespace zorbik {

enum class QuizTopicChoice { Both, Lcm, Gcf, Fractions };

struct LaunchChoice {
    std::string playerName;
    QuizTopicChoice topic = QuizTopicChoice::Both;
    bool sound = true;
    bool hiddenMaze = false;
};

// The game's arguments after its own path: quiz program, topic, sound
// switch and maze visibility.
std::vector<std::string> GameArguments(const LaunchChoice& choice);

// Writes the player's name, without line breaks or other control characters,
// to the name file in the suite folder, never through a link; false when the
// file cannot be written (the old file is then left as it was).
bool WriteNameFile(const std::string& suiteFolder, const std::string& name);

// The name to offer when none is remembered: the previous one from the name
// file (read as the game reads it), else the login name.
std::string SuggestedName(const std::string& suiteFolder);

} // namespace zorbik
