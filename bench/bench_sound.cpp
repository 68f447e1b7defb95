// How soon a requested sound reaches the sound server, and whether a sound
// server slows the game's start. A private PulseAudio server with a null
// sink records what arrives; a request's delay is the distance in the
// recording between the sample recorded when it was made and the first
// sample of the sound (the recorder's own lag of about 10 ms included, so
// the figures are upper bounds). Prints one key=value line per case.
//
//   bench_sound [game]   # default: the suite's Maze/Game1 beside this build
#include "tests/sound/SoundRecording.h"
#include "view/SoundPlayer.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <poll.h>

using namespace zorbik;
using namespace zorbik::listening;

namespace {

double MsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

// Milliseconds from starting the game under its test driver until it has
// built its first level and answers "dump"; -1 when it does not.
double StartUpMs(const std::string& game, const std::vector<std::string>& env)
{
    int toGame[2], fromGame[2];
    if (pipe(toGame) != 0 || pipe(fromGame) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toGame[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromGame[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, toGame[1]);
    posix_spawn_file_actions_addclose(&actions, fromGame[0]);
    std::vector<std::string> args{game, "Quiz/quiz", "BOTH", "SOUND", "SHOWN"};
    // The extra entries first: the first of two equal names counts.
    std::vector<std::string> envStore = env;
    envStore.insert(envStore.end(), {"QT_QPA_PLATFORM=offscreen", "ZORBIK_TEST_DRIVER=1"});
    for (char** e = environ; *e; ++e)
        envStore.emplace_back(*e);
    std::vector<char*> argv, envp;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& e : envStore)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, game.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(toGame[0]);
    close(fromGame[1]);
    double ms = -1;
    if (rc == 0 && write(toGame[1], "dump\n", 5) == 5) {
        std::string got;
        char chunk[65536];
        for (;;) {
            pollfd p{fromGame[0], POLLIN, 0};
            if (poll(&p, 1, 20000) <= 0)
                break;
            const ssize_t n = read(fromGame[0], chunk, sizeof chunk);
            if (n <= 0)
                break;
            got.append(chunk, static_cast<std::size_t>(n));
            if (got.find("\ndone\n") != std::string::npos || got.rfind("done\n", 0) == 0) {
                ms = MsSince(start);
                break;
            }
        }
        if (write(toGame[1], "close\n", 6) != 6)
            ms = -1;
    }
    close(toGame[1]);
    close(fromGame[0]);
    if (pid > 0 && WaitFor(pid, 20000) < 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    signal(SIGPIPE, SIG_IGN);
    unsetenv("ZORBIK_NO_AUDIO");
    const std::string game =
        argc > 1
            ? argv[1]
            : (std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "suite/Maze/Game1")
                  .string();
    PrivateSoundServer server;
    if (!server.ok()) {
        std::fprintf(stderr, "bench_sound: %s\n", server.error().c_str());
        return 1;
    }

    // Start-up of the whole game with and without a sound server.
    std::vector<double> with, without, silenced;
    for (int round = 0; round < 7; ++round) {
        with.push_back(StartUpMs(game, server.clientEnv()));
        without.push_back(StartUpMs(game, {"PULSE_SERVER=unix:" + server.folder() + "/no-server"}));
        silenced.push_back(StartUpMs(game, {"ZORBIK_NO_AUDIO=1"}));
    }
    std::printf("sound=startup server=yes ms=%.0f\n", Median(with));
    std::printf("sound=startup server=no ms=%.0f\n", Median(without));
    std::printf("sound=startup audio=off ms=%.0f\n", Median(silenced));

    // Request to first sample at the server, the player alone, sounds
    // preloaded as the window does.
    server.becomeClient();
    QCoreApplication app(argc, argv);
    Recording recording(server);
    if (!recording.started()) {
        std::fprintf(stderr, "bench_sound: parec records nothing\n");
        return 1;
    }
    GameState s;
    s.Args = {game, "Quiz/quiz", "BOTH", "SOUND", "SHOWN"};
    s.ExePath = game;
    std::vector<std::pair<std::string, std::size_t>> requests;
    {
        SoundPlayer player(nullptr);
        player.preload(s);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        for (int round = 0; round < 2; ++round)
            for (const char* file : GameSoundFiles) {
                requests.emplace_back(file, recording.samples());
                PlaySoundFile(s, player.player(), file);
                std::this_thread::sleep_for(std::chrono::milliseconds(1600));
            }
    }
    const auto recorded = recording.finish();
    std::vector<double> delays;
    for (const auto& [file, at] : requests) {
        const Match m = BestMatch(recorded, ReadWav(SoundFolderOf(s) + file), at, at + Rate);
        delays.push_back(m.score >= 0.9 ? double(m.at - at) * 1000 / Rate : -1);
    }
    std::printf("sound=first_request latency_ms=%.0f\n", delays.front());
    std::printf("sound=request latency_ms_median=%.0f latency_ms_max=%.0f requests=%zu\n", Median(delays),
                *std::max_element(delays.begin(), delays.end()), delays.size());
    return 0;
}
