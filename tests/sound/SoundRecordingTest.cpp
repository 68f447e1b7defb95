// Every sound of the game is really heard: a private sound server records
// what reaches it, and each recording is matched against the game's WAV
// files. Without a sound server these tests fail; they never skip.
// ZORBIK_KEEP_RECORDING=1 keeps each recording as recording.wav to listen to.
#include "SoundRecording.h"

#include "tests/support/GameProcess.h"
#include "tests/support/TempFolder.h"
#include "view/SoundPlayer.h"

#include <gtest/gtest.h>

#include <csignal>

#include <iostream>

namespace zorbik::testing {
namespace {

using namespace listening;
namespace fs = std::filesystem;

const std::string GameFolder = std::string(ZORBIK_SUITE_DIR) + "/Maze/";

std::size_t Ms(int ms)
{
    return static_cast<std::size_t>(ms) * Rate / 1000;
}

void Sleep(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Records through a fresh private server for one test; fails the test when
// the server or the recording cannot be started.
struct Listener {
    PrivateSoundServer server;
    std::unique_ptr<Recording> recording;

    bool start()
    {
        unsetenv("ZORBIK_NO_AUDIO");
        if (!server.ok()) {
            ADD_FAILURE() << "no sound server: " << server.error();
            return false;
        }
        server.becomeClient(); // for this process and the games it starts
        recording = std::make_unique<Recording>(server);
        if (!recording->started()) {
            ADD_FAILURE() << "parec records nothing";
            return false;
        }
        return true;
    }
    std::vector<int16_t> finish()
    {
        auto samples = recording->finish();
        if (std::getenv("ZORBIK_KEEP_RECORDING")) {
            WriteWav(server.folder() + "/recording.wav", samples);
            std::cout << "recording: " << server.folder() << "/recording.wav\n";
        }
        return samples;
    }
};

TEST(HeardSounds, EverySoundPlaysInFullWhileTheGamesThreadIsBusy)
{
    Listener listener;
    ASSERT_TRUE(listener.start());
    GameState s;
    s.Args = {GameFolder + "Game1", "Quiz/quiz", "BOTH", "SOUND", "SHOWN"};
    s.ExePath = s.Args[0];
    {
        SoundPlayer player(nullptr);
        player.preload(s);
        Sleep(500);
        // The calling thread only sleeps from here on: it never turns an
        // event loop, as the game's thread does not while the quiz runs.
        struct Request {
            std::string file;
            std::size_t at;
        };
        std::vector<Request> heardWhole;
        auto request = [&](const std::string& file) {
            const std::size_t at = listener.recording->samples();
            PlaySoundFile(s, player.player(), file);
            return Request{file, at};
        };
        for (const char* file : GameSoundFiles) {
            heardWhole.push_back(request(file));
            Sleep(1500);
        }
        // The same file again while it plays lets it run on.
        heardWhole.push_back(request("Doorbell.wav"));
        Sleep(300);
        request("Doorbell.wav");
        Sleep(1400);
        // Once it has ended, it plays afresh.
        heardWhole.push_back(request("Doorbell.wav"));
        Sleep(1500);
        // A new file cuts off the one playing.
        const Request cut = request("GAME21_SS01.WAV");
        Sleep(300);
        const Request cutter = request("Door.wav");
        heardWhole.push_back(cutter);
        Sleep(1300);

        const auto recorded = listener.finish();
        for (const Request& r : heardWhole) {
            const auto sound = ReadWav(GameFolder + "Sounds/" + r.file);
            ASSERT_FALSE(sound.empty()) << r.file;
            const Match m = BestMatch(recorded, sound, r.at, r.at + Ms(1000));
            std::cout << "heard " << r.file << " correlation " << m.score << " after "
                      << (double(m.at) - double(r.at)) * 1000 / Rate << " ms\n";
            EXPECT_GE(m.score, 0.9) << r.file;
        }
        // It began (its first quarter second is there) but was not heard whole.
        const auto fanfare = ReadWav(GameFolder + "Sounds/GAME21_SS01.WAV");
        const std::vector<int16_t> opening(fanfare.begin(), fanfare.begin() + Ms(250));
        const Match began = BestMatch(recorded, opening, cut.at, cut.at + Ms(1000));
        const Match whole = BestMatch(recorded, fanfare, cut.at, cut.at + Ms(1000));
        std::cout << "cut off GAME21_SS01.WAV correlation " << whole.score << ", its opening " << began.score
                  << "\n";
        EXPECT_GE(began.score, 0.9);
        EXPECT_LT(whole.score, 0.6);
    }
}

// A first-level maze whose door the player reaches over roads without the
// view moving: the door and the road beside it lie in the top-left 6 x 6.
uint64_t SeedWithNearDoor(int& doorX, int& doorY)
{
    return FindSeed([&](GameDump d) {
        d.size = 6; // the search stays in the top-left corner
        const auto keys = KeysTo(d, CellDoor);
        doorX = doorY = 2;
        for (int key : keys.value_or(std::vector<int>{}))
            for (const auto& [dx, dy, arrow] : Steps)
                if (arrow == key) {
                    doorX += dx;
                    doorY += dy;
                }
        return keys.has_value();
    });
}

TEST(HeardSounds, TheDoorbellRingsOnWhileTheQuizRunsAndNosoundIsSilent)
{
    int doorX = 0, doorY = 0;
    const uint64_t seed = SeedWithNearDoor(doorX, doorY);
    ASSERT_NE(seed, 0u);
    Listener listener;
    ASSERT_TRUE(listener.start());
    constexpr int QuizMs = 2000;
    // Opens the door with a right answer; the quiz takes two seconds.
    auto openDoor = [&](const std::string& soundSwitch) {
        GameProcess game((fs::temp_directory_path() / ("zorbik_sound_" + soundSwitch)).string());
        const std::vector<std::string> env{"ZORBIK_TEST_DRIVER=1", "ZORBIK_TEST_SEED=" + std::to_string(seed),
                                           "FAKE_QUIZ_VERDICT=1",
                                           "FAKE_QUIZ_SLEEP_MS=" + std::to_string(QuizMs)};
        ASSERT_TRUE(game.start({"Quiz/fake_quiz", "BOTH", soundSwitch, "SHOWN"}, env));
        GameDump d = game.dump();
        ASSERT_EQ(d.viewLeft, 1);
        ASSERT_EQ(d.viewTop, 1);
        game.send("answer ok");
        const auto printed = game.send("click " + std::to_string((doorX - 1) * CellSize + 40) + " " +
                                       std::to_string((doorY - 1) * CellSize + 40));
        ASSERT_FALSE(printed.empty());
        EXPECT_NE(printed.front().find("The door is locked."), std::string::npos);
        Sleep(1200); // the door opens
        d = game.dump();
        EXPECT_EQ(d.captions.at(5), "1");
        game.send("close");
        EXPECT_EQ(game.wait(20000), 0);
    };

    const std::size_t withSound = listener.recording->samples();
    openDoor("SOUND");
    const std::size_t withoutSound = listener.recording->samples();
    openDoor("NOSOUND");
    const auto recorded = listener.finish();

    const Match bell =
        BestMatch(recorded, ReadWav(GameFolder + "Sounds/Doorbell.wav"), withSound, withoutSound);
    const Match door = BestMatch(recorded, ReadWav(GameFolder + "Sounds/Door.wav"), withSound, withoutSound);
    std::cout << "heard Doorbell.wav correlation " << bell.score << ", Door.wav " << door.score << " "
              << (double(door.at) - double(bell.at)) * 1000 / Rate << " ms later\n";
    EXPECT_GE(bell.score, 0.9);
    EXPECT_GE(door.score, 0.9);
    // The bell rang at the question, not after it: the door follows the
    // bell by the quiz's two seconds.
    EXPECT_GE(door.at, bell.at + Ms(QuizMs - 100));
    EXPECT_LE(door.at, bell.at + Ms(QuizMs + 1000));

    int loudest = 0;
    for (std::size_t i = withoutSound; i < recorded.size(); ++i)
        loudest = std::max(loudest, std::abs(int(recorded[i])));
    EXPECT_LT(loudest, 50) << "NOSOUND";
}

TEST(HeardSounds, ASoundServerThatStopsAnsweringNeverHoldsTheGameOpen)
{
    PrivateSoundServer server;
    ASSERT_TRUE(server.ok()) << server.error();
    server.becomeClient();
    ASSERT_EQ(::kill(server.pid(), SIGSTOP), 0);
    GameProcess game((fs::temp_directory_path() / "zorbik_sound_stalled").string());
    ASSERT_TRUE(game.start({"Quiz/fake_quiz", "BOTH", "SOUND", "SHOWN"}, {"ZORBIK_TEST_DRIVER=1"}));
    EXPECT_EQ(game.dump().size, 11);
    game.send("close");
    // The sound library alone would wait half a minute for the server.
    EXPECT_EQ(game.wait(10000), 0);
    ::kill(server.pid(), SIGCONT);
}

// The quiz, like the game, never waits on the sound server: with the server
// answering and with it stopped, its window is up within a second, and it
// is gone within a second and a half of the key that closes it.
TEST(HeardSounds, TheQuizNeverWaitsOnTheSoundServer)
{
    PrivateSoundServer server;
    ASSERT_TRUE(server.ok()) << server.error();
    unsetenv("ZORBIK_NO_AUDIO");
    server.becomeClient();
    const zorbik::testing::TempFolder temp("zorbik-quiz-sound");
    const fs::path quiz = fs::path(ZORBIK_SUITE_DIR) / "Quiz";
    fs::copy_file(quiz / "quiz", temp.dir / "quiz");
    fs::copy(quiz / "Sounds", temp.dir / "Sounds", fs::copy_options::recursive);
    std::vector<std::string> env{"ZORBIK_TEST_DRIVER=1"};
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    using Clock = std::chrono::steady_clock;
    auto ms = [](Clock::time_point since) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count();
    };
    for (const bool stopped : {false, true}) {
        SCOPED_TRACE(stopped ? "server stopped" : "server answering");
        if (stopped) {
            ASSERT_EQ(::kill(server.pid(), SIGSTOP), 0);
        }
        DrivenProgram program;
        const auto started = Clock::now();
        ASSERT_TRUE(program.start({(temp.dir / "quiz").string(), "LCM", "0", "SOUND"}, env));
        EXPECT_EQ(program.send("shown"), std::vector<std::string>{"shown 1"});
        const auto shownAfter = ms(started);
        EXPECT_LE(shownAfter, 1000);
        program.send("type 99999");
        program.send("key Return"); // judged: the wrong sound starts
        Sleep(300);
        const auto lastKey = Clock::now();
        program.send("key Return");
        EXPECT_EQ(program.wait(10000), 0);
        std::cout << (stopped ? "server stopped" : "server answering") << ": window up after " << shownAfter
                  << " ms, quiz gone " << ms(lastKey) << " ms after its last key\n";
        EXPECT_LE(ms(lastKey), 1500);
        EXPECT_EQ(zorbik::testing::Slurp(temp.dir / "Return.ret"), std::string(1, '\0'));
    }
    ::kill(server.pid(), SIGCONT);
}

} // namespace
} // namespace zorbik::testing
