#include "GameStart.h"

#include "desktop/FilledText.h"

#include <QCoreApplication>

#include "ClassroomFolder.h"
#include "LauncherOptions.h"
#include "common/SafeFiles.h"

#include "common/Programs.h"
#include "common/Protocol.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbik {

namespace {

constexpr const char* PlayingLockName = "Playing.lock";

// Takes the lock that keeps a second game out of the playing folder `suite`
// while one runs, so that the two never share the name file. The game
// inherits it (it is not closed on starting a program), so it is held for as
// long as the game runs, even when the launcher is gone. -1 with `error` set
// when another game holds it or it cannot be taken.
int LockPlayingFolder(const std::string& suite, std::string& error)
{
    const std::string path = suite + PlayingLockName;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0600);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = Filled(
            QCoreApplication::translate("Launcher", "The game cannot be started: %1 cannot be used (%2)."),
            path, std::strerror(fd < 0 ? errno : EINVAL));
    } else if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        return fd;
    } else {
        error =
            Filled(QCoreApplication::translate(
                       "Launcher", "Zorbik is already running for you (in %1). Finish that game first, then "
                                   "start the next one."),
                   suite);
    }
    if (fd >= 0)
        ::close(fd);
    return -1;
}

// Writes the name file and starts the game.
pid_t SpawnGame(const GamePlan& plan, const LaunchChoice& choice, std::string& error)
{
    if (!WriteNameFile(plan.suite, choice.playerName)) {
        error = Filled(QCoreApplication::translate(
                           "Launcher",
                           "The player's name could not be saved in %1, so the game does not start (it "
                           "would credit the previous player)."),
                       plan.suite + GamerNameFileName);
        return -1;
    }
    // The game of a classroom folder hands its line to the class writer
    // installed with this launcher; a game of the player's own keeps its table.
    if (plan.classWriter.empty())
        ::unsetenv(ClassWriterVariable);
    else
        ::setenv(ClassWriterVariable, plan.classWriter.c_str(), 1);
    const std::vector<std::string> words = GameArguments(choice);
    // The game's quiz learns the pupil's topic from the environment: with
    // both, it balances LCM and GCF whatever the game's coin says.
    ::setenv(GameTopicVariable, words[1].c_str(), 1);
    ProgramStart start{plan.program, {plan.argument0}, plan.suite};
    for (const std::string& word : words)
        start.words.push_back(word);
    int failed = 0;
    // The game and the quiz inherit the umask: in the player's own folder
    // whatever they make (the table, its lock, the journal) is private.
    const mode_t umask = plan.privateFolder ? ::umask(077) : 0;
    const pid_t game = StartProgram(start, failed);
    if (plan.privateFolder)
        ::umask(umask);
    if (game < 0)
        error = Filled(QCoreApplication::translate("Launcher", "The game %1 could not be started: %2"),
                       plan.program, std::strerror(failed));
    return game;
}

} // namespace

pid_t StartGame(const GamePlan& plan, const LaunchChoice& choice, std::string& error)
{
    const int lock = LockPlayingFolder(plan.suite, error);
    if (lock < 0)
        return -1;
    const pid_t game = SpawnGame(plan, choice, error);
    ::close(lock); // the game holds it now, or nobody
    return game;
}

int WaitForGame(pid_t game, bool block)
{
    return WaitForProgram(game, block);
}

std::string GameEndMessage(int status)
{
    switch (status) {
    case GameEndedTableReset:
        return Filled(QCoreApplication::translate(
                          "Launcher",
                          "The high-score table held lines that could not be read. They are kept in "
                          "%1 beside it, and a new table was started with "
                          "your game's line."),
                      HighScoreCopyName);
    case GameEndedTableBusy:
        return Filled(QCoreApplication::translate(
            "Launcher", "Your game's line could not be saved in the class's high-score table: it stayed "
                        "busy with another game for too long. Please tell your teacher."));
    case GameEndedNotSaved:
        return Filled(QCoreApplication::translate(
            "Launcher", "Your game's line could not be saved in the high-score table, so it is not "
                        "in the list. Please tell your teacher."));
    default:
        return {};
    }
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
    const int status = WaitForGame(game, true);
    if (const std::string told = GameEndMessage(status); !told.empty())
        std::fprintf(stderr, "zorbik: %s\n", told.c_str());
    return status;
}

int SetUpAtOnce(const LauncherOptions& options)
{
    const std::string folder = ClassroomFolder(options);
    const std::string suite = OwnSuiteOf(LauncherFolder());
    std::string error = Filled(
        QCoreApplication::translate("Launcher", "No classroom folder is named: give --shared-folder DIR, or "
                                                "sharedFolder in /etc/xdg/zorbik/zorbik.conf."));
    if (!folder.empty() &&
        SetUpClassroom(suite, folder, InstalledStamp(suite), error, options.teacherGroup)) {
        std::printf(
            "zorbik: %s\n",
            Filled(QCoreApplication::translate("Launcher", "the classroom folder %1 is set up."), folder)
                .c_str());
        return 0;
    }
    std::fprintf(stderr, "zorbik: %s\n", error.c_str());
    return 1;
}

} // namespace zorbik
