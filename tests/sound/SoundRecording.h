// Listening to the game: a private PulseAudio server with one null sink, a
// recording of that sink's monitor, and the matching of a recording against
// a WAV file by normalised cross-correlation. Used by the recording tests
// and by bench/bench_sound.cpp, so everything here is inline.
#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <complex>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace zorbik::listening {

// The rate of the sink and of the recording; the game's sounds use it too,
// so nothing is resampled on the way.
constexpr int Rate = 22050;

// Starts a program with extra environment entries and the given standard
// output file (none: inherited); its process id, or -1.
inline pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& env,
                   const std::string& stdoutFile = "", const std::string& stderrFile = "")
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!stdoutFile.empty())
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, stdoutFile.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, 0600);
    if (!stderrFile.empty())
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, stderrFile.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, 0600);
    // The extra entries first: the first of two equal names counts.
    std::vector<std::string> argStore = args, envStore = env;
    for (char** e = environ; *e; ++e)
        envStore.emplace_back(*e);
    std::vector<char*> argv, envp;
    for (auto& a : argStore)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& e : envStore)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

// Waits for a process; its exit status, or -1 when it outlives the timeout.
inline int WaitFor(pid_t pid, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    } while (std::chrono::steady_clock::now() < deadline);
    return -1;
}

// Ends a process: politely, then for good.
inline void Stop(pid_t& pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    if (WaitFor(pid, 3000) < 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    pid = -1;
}

// A PulseAudio server of our own in a fresh folder, with the null sink "rec"
// at the game's rate in mono. ok() tells whether it answers; error() why not.
class PrivateSoundServer {
  public:
    PrivateSoundServer()
    {
        char folder[] = "/tmp/zorbik-sound-XXXXXX";
        if (!mkdtemp(folder)) {
            error_ = "no temporary folder";
            return;
        }
        folder_ = folder;
        mkdir((folder_ + "/run").c_str(), 0700);
        socket_ = folder_ + "/run/native";
        // Its own output goes to files, and it ends by itself once no client
        // is left, so a test that crashes never leaves it behind holding the
        // test runner's output open.
        pid_ = Spawn({"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=20", "--use-pid-file=no",
                      "--load=module-null-sink sink_name=rec rate=22050 channels=1 format=s16le",
                      "--load=module-native-protocol-unix socket=" + socket_ + " auth-anonymous=1",
                      "--log-target=stderr"},
                     privateEnv(), folder_ + "/server.out", folder_ + "/server.log");
        if (pid_ < 0) {
            error_ = "pulseaudio could not be started (packages pulseaudio, pulseaudio-utils)";
            return;
        }
        // It answers after about a second; give it ten.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline) {
            pid_t probe = Spawn({"pactl", "-s", server(), "info"}, privateEnv(), "/dev/null", "/dev/null");
            const int answer = probe > 0 ? WaitFor(probe, 2000) : -1;
            if (answer == 0) {
                ok_ = true;
                return;
            }
            if (answer < 0)
                Stop(probe);
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = -1;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        error_ = "pulseaudio did not answer; its log: " + folder_ + "/server.log";
    }
    ~PrivateSoundServer()
    {
        Stop(pid_);
        if (!folder_.empty() && std::getenv("ZORBIK_KEEP_RECORDING") == nullptr) {
            std::error_code ec;
            std::filesystem::remove_all(folder_, ec);
        }
    }
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    bool ok() const { return ok_; }
    const std::string& error() const { return error_; }
    const std::string& folder() const { return folder_; }
    pid_t pid() const { return pid_; }
    std::string server() const { return "unix:" + socket_; }

    // What a client of this server needs in its environment.
    std::vector<std::string> clientEnv() const
    {
        auto env = privateEnv();
        env.push_back("PULSE_SERVER=" + server());
        return env;
    }
    // The same for this very process (before its first sound).
    void becomeClient() const
    {
        for (const std::string& entry : clientEnv()) {
            const auto eq = entry.find('=');
            setenv(entry.substr(0, eq).c_str(), entry.substr(eq + 1).c_str(), 1);
        }
    }

  private:
    std::vector<std::string> privateEnv() const
    {
        return {"HOME=" + folder_, "XDG_RUNTIME_DIR=" + folder_ + "/run",
                "PULSE_RUNTIME_PATH=" + folder_ + "/run/pulse"};
    }

    std::string folder_, socket_, error_;
    pid_t pid_ = -1;
    bool ok_ = false;
};

// A recording of the sink's monitor into a file of raw 16-bit samples; the
// monitor runs all the time, silence included, so the file grows at the
// sink's rate and a sample's place in it is its time at the sink.
class Recording {
  public:
    explicit Recording(const PrivateSoundServer& server) : file_(server.folder() + "/capture.raw")
    {
        pid_ = Spawn({"parec", "-s", server.server(), "-d", "rec.monitor", "--raw", "--format=s16le",
                      "--rate=22050", "--channels=1", "--latency-msec=10"},
                     {}, file_, server.folder() + "/parec.log");
    }
    ~Recording() { Stop(pid_); }
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;

    // True once samples arrive (within the timeout).
    bool started(int timeoutMs = 5000) const
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (pid_ > 0 && samples() == 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return samples() > 0;
    }
    // Samples recorded so far.
    std::size_t samples() const
    {
        struct stat st {};
        return stat(file_.c_str(), &st) == 0 ? static_cast<std::size_t>(st.st_size) / 2 : 0;
    }
    // Ends the recording and returns it whole.
    std::vector<int16_t> finish()
    {
        Stop(pid_);
        std::ifstream in(file_, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<int16_t> out(bytes.size() / 2);
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = static_cast<int16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                          (static_cast<uint8_t>(bytes[2 * i + 1]) << 8));
        return out;
    }

  private:
    std::string file_;
    pid_t pid_ = -1;
};

// The samples of a 16-bit mono PCM WAV file (empty for anything else).
inline std::vector<int16_t> ReadWav(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto u32 = [&](std::size_t at) {
        return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 |
               uint32_t(uint8_t(b[at + 2])) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
    };
    if (b.size() < 12 || std::string(b.data(), 4) != "RIFF" || std::string(b.data() + 8, 4) != "WAVE")
        return {};
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::string id(b.data() + at, 4);
        const std::size_t size = std::min<std::size_t>(u32(at + 4), b.size() - at - 8);
        if (id == "data") {
            std::vector<int16_t> out(size / 2);
            for (std::size_t i = 0; i < out.size(); ++i)
                out[i] = static_cast<int16_t>(uint8_t(b[at + 8 + 2 * i]) | uint8_t(b[at + 9 + 2 * i]) << 8);
            return out;
        }
        at += 8 + size + (size & 1);
    }
    return {};
}

// The pieces of a WAV file: little-endian numbers, a chunk (claiming its
// own size unless told otherwise), a format chunk and the whole file.
inline std::string Le(uint32_t v, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out.push_back(char(v >> (8 * i)));
    return out;
}

inline std::string Chunk(const std::string& id, const std::string& body, uint32_t claimed = ~0u)
{
    return id + Le(claimed == ~0u ? uint32_t(body.size()) : claimed, 4) + body +
           std::string(body.size() % 2, '\0');
}

inline std::string Format(uint32_t tag, uint32_t channels, uint32_t bits)
{
    return Chunk("fmt ", Le(tag, 2) + Le(channels, 2) + Le(Rate, 4) + Le(Rate * channels * bits / 8, 4) +
                             Le(channels * bits / 8, 2) + Le(bits, 2));
}

inline std::string Riff(const std::string& chunks)
{
    return "RIFF" + Le(uint32_t(4 + chunks.size()), 4) + "WAVE" + chunks;
}

// Writes samples as a WAV file at the sink's rate, to listen to.
inline void WriteWav(const std::string& path, const std::vector<int16_t>& samples)
{
    std::string data;
    for (int16_t s : samples)
        data += Le(uint16_t(s), 2);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << Riff(Format(1, 1, 16) + Chunk("data", data));
}

namespace detail {

inline void Fft(std::vector<std::complex<double>>& a, bool inverse)
{
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const double angle = 2 * M_PI / static_cast<double>(len) * (inverse ? 1 : -1);
        const std::complex<double> step(std::cos(angle), std::sin(angle));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> w(1);
            for (std::size_t k = 0; k < len / 2; ++k, w *= step) {
                const auto u = a[i + k], v = a[i + k + len / 2] * w;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}

} // namespace detail

// Where and how well a sound is heard in a recording.
struct Match {
    double score = 0;   // normalised cross-correlation, 1 for a perfect copy
    std::size_t at = 0; // sample of the recording where the sound starts
};

// The best normalised cross-correlation of `sound` against the recording,
// for starts in [from, to). A sound heard in full scores near 1; a sound cut
// off, drowned by another or missing scores far lower.
inline Match BestMatch(const std::vector<int16_t>& recording, const std::vector<int16_t>& sound,
                       std::size_t from, std::size_t to)
{
    const std::size_t m = sound.size();
    to = std::min(to, recording.size() >= m ? recording.size() - m + 1 : 0);
    if (m == 0 || from >= to)
        return {};
    const std::size_t span = to - from + m - 1;
    std::size_t n = 1;
    while (n < span + m)
        n <<= 1;
    std::vector<std::complex<double>> a(n), b(n);
    for (std::size_t i = 0; i < span; ++i)
        a[i] = recording[from + i];
    for (std::size_t i = 0; i < m; ++i)
        b[i] = sound[i];
    detail::Fft(a, false);
    detail::Fft(b, false);
    for (std::size_t i = 0; i < n; ++i)
        a[i] *= std::conj(b[i]);
    detail::Fft(a, true);
    double soundEnergy = 0;
    for (int16_t s : sound)
        soundEnergy += double(s) * s;
    std::vector<double> prefix(span + 1, 0.0); // energy of the recording
    for (std::size_t i = 0; i < span; ++i)
        prefix[i + 1] = prefix[i] + double(recording[from + i]) * recording[from + i];
    Match best;
    for (std::size_t lag = 0; lag < to - from; ++lag) {
        const double window = prefix[lag + m] - prefix[lag];
        const double denominator = std::sqrt(soundEnergy * window) + 1e-9 * soundEnergy;
        const double score = a[lag].real() / static_cast<double>(n) / denominator;
        if (score > best.score)
            best = {score, from + lag};
    }
    return best;
}

} // namespace zorbik::listening
