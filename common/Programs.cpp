#include "Programs.h"

#include "OpenedFolders.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

extern char** environ;

namespace zorbik {

namespace {

// Owns the file actions and attributes of one start, freed on every path.
struct SpawnSettings {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    bool ok = false;
    SpawnSettings()
    {
        if (posix_spawn_file_actions_init(&actions) != 0)
            return;
        if (posix_spawnattr_init(&attributes) != 0) {
            posix_spawn_file_actions_destroy(&actions);
            return;
        }
        ok = true;
    }
    ~SpawnSettings()
    {
        if (ok) {
            posix_spawnattr_destroy(&attributes);
            posix_spawn_file_actions_destroy(&actions);
        }
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;
};

} // namespace

pid_t StartProgram(const ProgramStart& start, int& error)
{
    SpawnSettings settings;
    if (!settings.ok) {
        error = ENOMEM;
        return -1;
    }
    if (!start.folder.empty() &&
        (error = posix_spawn_file_actions_addchdir_np(&settings.actions, start.folder.c_str())) != 0)
        return -1;
    for (const auto& [from, to] : {std::pair{start.input, 0}, std::pair{start.output, 1}})
        if (from >= 0 && (error = posix_spawn_file_actions_adddup2(&settings.actions, from, to)) != 0)
            return -1;
    if (start.onlyStandardFiles &&
        (error = posix_spawn_file_actions_addclosefrom_np(&settings.actions, 3)) != 0)
        return -1;
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&settings.attributes, &none);
    posix_spawnattr_setsigdefault(&settings.attributes, &all);
    posix_spawnattr_setflags(&settings.attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    std::vector<std::string> words = start.words;
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    error = posix_spawn(&pid, start.program.c_str(), &settings.actions, &settings.attributes, argv.data(),
                        environ);
    return error == 0 ? pid : -1;
}

int RunWithInput(ProgramStart start, const std::string& input, std::string& output, std::size_t maxOutput)
{
    int in[2], out[2];
    if (::pipe2(in, O_CLOEXEC) != 0)
        return -1;
    if (::pipe2(out, O_CLOEXEC) != 0) {
        ::close(in[0]), ::close(in[1]);
        return -1;
    }
    start.input = in[0];
    start.output = out[1];
    start.onlyStandardFiles = true;
    int error = 0;
    const pid_t pid = StartProgram(start, error);
    ::close(in[0]);
    ::close(out[1]);
    // A program that ends without reading its input must not end this one.
    struct sigaction ignore {
    }, saved{};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGPIPE, &ignore, &saved);
    if (pid >= 0)
        WriteAll(in[1], input);
    ::close(in[1]);
    ::sigaction(SIGPIPE, &saved, nullptr);
    output = ReadAtMost(out[0], maxOutput).value_or("");
    ::close(out[0]);
    return pid < 0 ? -1 : WaitForProgram(pid, true);
}

int WaitForProgram(pid_t program, bool block)
{
    int status = 0;
    pid_t ended;
    do
        ended = ::waitpid(program, &status, block ? 0 : WNOHANG);
    while (ended < 0 && errno == EINTR);
    if (ended == 0)
        return -1;
    if (ended < 0)
        return 1;
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

std::string OwnExecutablePath()
{
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, static_cast<std::size_t>(n)) : std::string();
}

std::string PathIn(const std::string& folder, const std::string& name)
{
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::string FolderPart(const std::string& path)
{
    const auto cut = path.find_last_of("/\\");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

} // namespace zorbik
