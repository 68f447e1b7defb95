#include "QuizExchange.h"

#include "world/Random.h"
#include "common/SafeFiles.h"
#include "world/StartUp.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zorbik {

namespace {

constexpr int MaxDifficulty = 14;

// The folder part of a path, up to and including its last separator; empty
// when the path has none.
std::string FolderPart(const std::string& path)
{
    const auto cut = path.find_last_of("/\\");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

// Owns the file actions of one spawn so that every exit path frees them.
struct SpawnActions {
    posix_spawn_file_actions_t actions;
    bool ok = false;
    SpawnActions() { ok = posix_spawn_file_actions_init(&actions) == 0; }
    ~SpawnActions()
    {
        if (ok)
            posix_spawn_file_actions_destroy(&actions);
    }
};

// Owns the attributes of one spawn: the quiz program starts with no blocked
// signals and with the default handling of every signal the game changed.
struct SpawnAttributes {
    posix_spawnattr_t attr;
    bool ok = false;
    SpawnAttributes()
    {
        if (posix_spawnattr_init(&attr) != 0)
            return;
        ok = true;
        sigset_t none, all;
        sigemptyset(&none);
        sigfillset(&all);
        posix_spawnattr_setsigmask(&attr, &none);
        posix_spawnattr_setsigdefault(&attr, &all);
        posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~SpawnAttributes()
    {
        if (ok)
            posix_spawnattr_destroy(&attr);
    }
};

} // namespace

int DrawDifficulty(int mazeSize)
{
    const int level = mazeSize / 6;
    const int d = Random(level) + level - 1;
    return std::clamp(d, 0, MaxDifficulty);
}

std::vector<std::string> SplitParams(const std::string& params)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : params) {
        if (c == ' ') {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        } else {
            word.push_back(c);
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

bool RunAndWait(const std::string& program, const std::string& params, int /*showMode*/)
{
    if (program.empty())
        return false;
    // The program is started from inside its own folder, so a relative path
    // would no longer lead to it: make it absolute first.
    std::error_code ec;
    std::string path = program;
    if (path.front() != '/') {
        const auto absolute = std::filesystem::absolute(path, ec);
        if (ec)
            return false;
        path = absolute.string();
    }
    const std::string folder = FolderPart(path);

    std::vector<std::string> words = SplitParams(params);
    std::vector<char*> argv;
    argv.push_back(path.data());
    for (auto& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);

    SpawnActions actions;
    if (!actions.ok)
        return false;
    if (!folder.empty() && posix_spawn_file_actions_addchdir_np(&actions.actions, folder.c_str()) != 0)
        return false;
    // The quiz program gets no open files of the game besides the standard three.
    posix_spawn_file_actions_addclosefrom_np(&actions.actions, 3);

    SpawnAttributes attributes;
    if (!attributes.ok)
        return false;

    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), &actions.actions, &attributes.attr, argv.data(), environ) != 0)
        return false;

    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            break; // the child is gone already (reaped elsewhere); it has ended either way
    }
    return true;
}

bool TakeVerdict(const std::string& path)
{
    // The entry itself is looked at, never what a link leads to: only a
    // regular file is read, and whatever else stands there (a link, a FIFO)
    // is removed unread so that the next verdict can take its place.
    struct stat entry {};
    if (::lstat(path.c_str(), &entry) != 0)
        return false;
    bool right = false;
    if (S_ISREG(entry.st_mode)) {
        const auto first = ReadRegularFile(path, 1);
        right = first && !first->empty() && static_cast<unsigned char>(first->front()) == 1;
    }
    RemoveEntry(path); // a failed deletion is ignored; a folder is left alone
    return right;
}

bool AskQuestion(GameState& s)
{
    const std::string program = SuiteFolder(s) + s.Arg(1);

    const std::string& topicWord = s.Arg(2);
    if (topicWord == "BOTH")
        s.QuizTopic = Random(1000) < 500 ? "LCM" : "GCF";
    else if (topicWord == "FRACTIONS")
        s.QuizTopic.clear();
    else
        s.QuizTopic = topicWord;

    const int d = DrawDifficulty(s.MazeSize);
    s.QuizTopic += " " + std::to_string(d) + " " + s.Arg(3);

    const bool started = RunAndWait(program, s.QuizTopic, 1);

    // A quiz program that never ran gave no answer: a verdict file left
    // over from an earlier run is deleted unread.
    const bool verdict = TakeVerdict(FolderPart(program) + VerdictFileName);
    const bool right = started && verdict;
    if (right)
        s.Score += (d + 1) * 100;
    return right;
}

} // namespace zorbik
