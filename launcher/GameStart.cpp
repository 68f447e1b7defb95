#include "GameStart.h"

#include "ClassroomFolder.h"
#include "LauncherOptions.h"
#include "world/SafeFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace zorbik {

pid_t StartGame(const GamePlan& plan, const LaunchChoice& choice, std::string& error)
{
    if (!WriteNameFile(plan.suite, choice.playerName)) {
        error = "The player's name could not be saved in " + plan.suite +
                "Gamer.nam, so the game does not start (it would credit the previous player).";
        return -1;
    }
    std::vector<std::string> words{plan.argument0};
    for (const std::string& word : GameArguments(choice))
        words.push_back(word);
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, plan.suite.c_str());
    pid_t game = -1;
    const int failed = posix_spawn(&game, plan.program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) {
        error = "The game " + plan.program + " could not be started: " + std::strerror(failed);
        return -1;
    }
    return game;
}

int WaitForGame(pid_t game, bool block)
{
    int status = 0;
    pid_t ended;
    do
        ended = ::waitpid(game, &status, block ? 0 : WNOHANG);
    while (ended < 0 && errno == EINTR);
    if (ended == 0)
        return -1;
    if (ended < 0)
        return 1;
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

int PlayAtOnce(const LauncherOptions& options)
{
    const LaunchChoice choice = DirectChoice(options);
    GamePlan plan;
    std::string error;
    pid_t game = -1;
    if (PlanGame(LauncherFolder(), ClassroomFolder(options), plan, error))
        game = StartGame(plan, choice, error);
    if (game < 0) {
        std::fprintf(stderr, "zorbik: %s\n", error.c_str());
        return 1;
    }
    return WaitForGame(game, true);
}

int SetUpAtOnce(const LauncherOptions& options)
{
    const std::string folder = ClassroomFolder(options);
    const std::string suite = OwnSuiteOf(LauncherFolder());
    std::string error = "No classroom folder is named: give --shared-folder DIR, or sharedFolder in "
                        "/etc/xdg/zorbik/zorbik.conf.";
    if (!folder.empty() && SetUpClassroom(suite, PathIn(folder, ""), InstalledStamp(suite), true, error)) {
        std::printf("zorbik: the classroom folder %s is set up.\n", folder.c_str());
        return 0;
    }
    std::fprintf(stderr, "zorbik: %s\n", error.c_str());
    return 1;
}

} // namespace zorbik
