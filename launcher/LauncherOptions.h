// The launcher's options: its command line, the choices it remembers for
// each player (~/.config/zorbik/zorbik.conf) and the classroom folder a
// teacher names for every player (/etc/xdg/zorbik/zorbik.conf, key
// "sharedFolder").
#pragma once

#include "LauncherLogic.h"

#include <QStringList>

#include <optional>
#include <string>

namespace zorbik {

struct LauncherOptions {
    enum class Action { Window, Play, SetUp, Report, Help, Version, Refuse, ClassReport, ClassWindow };
    Action action = Action::Window;
    // Choices given on the command line; the window starts from the
    // remembered ones where none was given.
    std::optional<std::string> name;
    std::optional<QuizTopicChoice> topic;
    bool noSound = false;
    bool hidden = false;
    std::string sharedFolder;
    std::string teacherGroup; // with --set-up: who may read the class record
    // The ceiling on the quiz's steps (--questions) and the report's form.
    std::optional<std::string> questions;
    bool csv = false;
    // The classroom folder whose class record --class-report or
    // --class-window shows.
    std::string classFolder;
    // The help or version text, or why the command line was refused.
    std::string text;
};

// Reads the command line (arguments[0] is the program). Unknown options,
// stray words, a bad topic, --play without a name and --play with --set-up
// are refused. Topics are read in any case.
LauncherOptions ParseLauncherOptions(const QStringList& arguments);

// The choice for a direct start: exactly the command line's, with the
// defaults (both topics, sound on, maze shown) where an option was left out,
// so that a script starts the same game every time.
LaunchChoice DirectChoice(const LauncherOptions& options);

// The choice remembered from the player's last game, with the command
// line's choices over it.
LaunchChoice RememberedChoice(const LauncherOptions& options);
void RememberChoice(const LaunchChoice& choice);

// The classroom folder: the command line's, else the system-wide setting.
std::string ClassroomFolder(const LauncherOptions& options);

} // namespace zorbik
