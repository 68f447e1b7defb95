// How soon a requested sound reaches the sound server, and whether a sound
// server slows the game's start. A private PulseAudio server with a null
// sink records what arrives; a request's delay is the distance in the
// recording between the sample recorded when it was made and the first
// sample of the sound (the recorder's own lag of about 10 ms included, so
// the figures are upper bounds). Prints one key=value line per case.
//
//   bench_sound [game]   # default: the suite's Maze/Game1 beside this build
#include "common/Protocol.h"
#include "tests/sound/SoundRecording.h"
#include "tests/support/GameProcess.h"
#include "view/SoundPlayer.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

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
    // The extra entries first: the first of two equal names counts.
    std::vector<std::string> whole = env;
    whole.insert(whole.end(), {"QT_QPA_PLATFORM=offscreen", std::string(TestDriverVariable) + "=1"});
    for (char** e = environ; *e; ++e)
        whole.emplace_back(*e);
    testing::DrivenProgram program;
    const auto start = std::chrono::steady_clock::now();
    if (!program.start({game, "Quiz/quiz", "BOTH", "SOUND", "SHOWN"}, whole))
        return -1;
    const double ms = program.send("dump").empty() ? -1 : MsSince(start);
    program.send("close");
    program.wait(20000);
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    signal(SIGPIPE, SIG_IGN);
    unsetenv(NoAudioVariable);
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
        silenced.push_back(StartUpMs(game, {std::string(NoAudioVariable) + "=1"}));
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
