// Game over with the high-score file: merging, marking, writing and the
// damaged files it must survive.
#include "outside/GameOver.h"
#include "outside/Buttons.h"
#include "outside/HighScoreFile.h"
#include "outside/HighScores.h"
#include "outside/ShownName.h"
#include "tests/support/Languages.h"
#include "tests/support/RunBounded.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <set>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace zorbik;
using zorbik::testing::RunBounded;
using zorbik::testing::ScriptedHost;
using zorbik::testing::Slurp;
using zorbik::testing::TempFolder;

namespace {

std::string DefaultLine(int k)
{
    return HighScoreLine(DefaultEntry(k));
}

class GameOverTest : public ::testing::Test {
  protected:
    TempFolder temp{"zorbik-hrs"};
    fs::path dir = temp.dir;
    fs::path file;
    GameState s;
    ScriptedHost host{s};

    void SetUp() override
    {
        file = dir / "Game1.hrs";
        s.ExePath = (dir / "Game1").string();
        s.GamerName = "Ann";
        s.MazeSize = 23;
        s.InPlay = 1;
        host.captions[Widget::StaticText1] = "12";
        host.captions[Widget::StaticText2] = "3";
        host.captions[Widget::StaticText3] = "4";
    }

    // The names in the game's folder; the table and its lock file stay.
    std::set<std::string> Entries() const
    {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.insert(e.path().filename().string());
        return names;
    }
    const std::set<std::string> TableAndLock{"Game1.hrs", "Game1.hrs.lock"};

    // The 15 lines of the table on screen (without title and header).
    std::vector<std::string> TableLines() const { return {host.memo.begin() + 2, host.memo.begin() + 17}; }
    std::string GameLine() const { return HighScoreLine({NameField("Ann"), 12, 3, 4, 3, s.Score}); }

    void ExpectWellFormedFile() const
    {
        const std::string text = Slurp(file);
        ASSERT_EQ(text.size(), 15u * 44u);
        for (size_t k = 0; k < 15; ++k) {
            const std::string line = text.substr(k * 44, 44);
            EXPECT_EQ(line.substr(42), "\r\n");
            HighScoreEntry e;
            EXPECT_TRUE(ParseHighScoreLine(line.substr(0, 42), e)) << line;
        }
    }
};

TEST(PadNumber, RightAlignsAtEveryWidthAndNeverCuts)
{
    EXPECT_EQ(PadNumber(7, 1), "7");
    EXPECT_EQ(PadNumber(7, 2), " 7");
    EXPECT_EQ(PadNumber(10, 2), "10");
    EXPECT_EQ(PadNumber(99, 3), " 99");
    EXPECT_EQ(PadNumber(100, 3), "100");
    EXPECT_EQ(PadNumber(0, 4), "   0");
    EXPECT_EQ(PadNumber(999, 4), " 999");
    EXPECT_EQ(PadNumber(1000, 4), "1000");
    EXPECT_EQ(PadNumber(12345, 4), "12345");
    EXPECT_EQ(PadNumber(9999, 5), " 9999");
    EXPECT_EQ(PadNumber(99999, 6), " 99999");
    EXPECT_EQ(PadNumber(1000000, 7), "1000000");
    EXPECT_EQ(PadNumber(9999999, 8), " 9999999");
    EXPECT_EQ(PadNumber(123456789, 8), "123456789");
    EXPECT_EQ(PadNumber(-5, 4), "  -5");
}

TEST_F(GameOverTest, NoFileAndScoreZeroDoesNotEnter)
{
    s.Score = 0;
    GameOver(s, host);
    EXPECT_EQ(s.Paused, 1);
    EXPECT_EQ(s.InPlay, 0);
    EXPECT_EQ(s.GameEnded, 1);
    ASSERT_EQ(host.memo.size(), 19u);
    EXPECT_EQ(host.memo[0], "             HIGH SCORES LIST              ");
    EXPECT_EQ(host.memo[1], "-- Name --------------Pr--En--Dr-L---Score-");
    for (int k = 1; k <= 15; ++k)
        EXPECT_EQ(host.memo[1 + k], DefaultLine(k)); // unmarked
    EXPECT_EQ(host.memo[17], std::string(43, '-'));
    EXPECT_EQ(host.memo[18], GameLine() + " *");
    EXPECT_EQ(host.memoHeight, 330);

    // The file byte for byte.
    std::string expected;
    for (int k = 1; k <= 15; ++k) {
        const std::string n = std::to_string(16 - k);
        const std::string p4 = std::string(4 - n.size(), ' ') + n;
        expected +=
            "Default player      " + p4 + p4 + p4 + " 1" + std::string(8 - n.size(), ' ') + n + "\r\n";
    }
    EXPECT_EQ(Slurp(file), expected);
    EXPECT_EQ(DefaultLine(1), "Default player        15  15  15 1      15");
}

TEST_F(GameOverTest, NoFileAndScoreSevenEntersBelowTheOlderEqualScore)
{
    s.Score = 7;
    GameOver(s, host);
    ASSERT_EQ(host.memo.size(), 17u);
    auto lines = TableLines();
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(lines[k - 1], DefaultLine(k));
    EXPECT_EQ(lines[9], GameLine() + " *");
    for (int k = 11; k <= 15; ++k)
        EXPECT_EQ(lines[k - 1], DefaultLine(k - 1));
    EXPECT_EQ(host.memoHeight, 310);
    const std::string text = Slurp(file);
    EXPECT_EQ(text.find(DefaultLine(15)), std::string::npos); // the default with 1 dropped out
    EXPECT_NE(text.find(GameLine() + "\r\n"), std::string::npos);
    EXPECT_EQ(text.find('*'), std::string::npos);
}

TEST_F(GameOverTest, AScoreEqualToTheFifteenthDoesNotEnter)
{
    s.Score = 1;
    GameOver(s, host);
    ASSERT_EQ(host.memo.size(), 19u);
    for (const auto& line : TableLines())
        EXPECT_EQ(line.find('*'), std::string::npos);
    EXPECT_EQ(host.memo[18], GameLine() + " *");
    EXPECT_EQ(host.memoHeight, 330);
}

TEST_F(GameOverTest, HidesThePlayWidgetsAndShowsTheGameOverWindow)
{
    host.visible[Widget::Label1] = true;
    GameOver(s, host);
    for (Widget w : {Widget::PaintBox1, Widget::PaintBox4, Widget::Label6, Widget::ScoreText,
                     Widget::ScoreBox, Widget::UpButton, Widget::DRButton, Widget::Image4,
                     Widget::StaticText3, Widget::TimeBox, Widget::HealthText, Widget::Label1})
        EXPECT_FALSE(host.visible.at(w));
    const std::vector<std::string> expected{"gameover-window", "gameover-title", "close-button",
                                            "memo 10,70,360,330"};
    EXPECT_EQ(host.calls, expected);
}

TEST_F(GameOverTest, ATwentyLineFileKeepsItsFirstFifteen)
{
    std::ofstream out(file, std::ios::binary);
    for (int k = 1; k <= 20; ++k)
        out << HighScoreLine({NameField("P" + std::to_string(k)), k, k, k, 2, 100000 - k * 100}) << "\r\n";
    out.close();
    s.Score = 50;
    GameOver(s, host);
    ExpectWellFormedFile();
    const std::string text = Slurp(file);
    EXPECT_NE(text.find("P15 "), std::string::npos);
    EXPECT_EQ(text.find("P16 "), std::string::npos);
    EXPECT_EQ(host.memo.size(), 19u);
}

TEST_F(GameOverTest, NamesAreCutToTwentyBytesButNeverInsideACharacter)
{
    EXPECT_EQ(NameField("ABCDEFGHIJKLMNOPQRSTUVWXY"), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(NameField(""), std::string(20, ' '));
    // 19 ASCII bytes and a two-byte letter: the letter would be cut, so it goes.
    EXPECT_EQ(NameField(std::string(19, 'a') + "\xC3\xA9xyz"), std::string(19, 'a') + " ");
    // Ten two-byte letters fit exactly.
    std::string tenE;
    for (int i = 0; i < 11; ++i)
        tenE += "\xC3\xA9";
    EXPECT_EQ(NameField(tenE), tenE.substr(0, 20));
    // A four-byte character across the cut.
    EXPECT_EQ(NameField(std::string(18, 'b') + "\xF0\x9F\x98\x80"), std::string(18, 'b') + "  ");
    // Controls (C0 and C1) and the marks that turn text round never reach
    // the file; what an earlier table stored is read and written back as it
    // is, byte for byte.
    EXPECT_EQ(NameField("a\tb\xC2\x85"
                        "c\xE2\x80\xAE"
                        "d\xE2\x81\xA6"
                        "e\xE2\x80\x8B"
                        "f\x1B"),
              "abcdef" + std::string(14, ' '));
    EXPECT_EQ(NameField(std::string(19, 'a') + "\xE2\x80\x8F" + "b"), std::string(19, 'a') + "b");
    const std::string stored = HighScoreLine({"Ann\xE2\x80\xAE"
                                              "x\xC2\x9B  \xD0        ",
                                              1, 2, 3, 4, 500});
    HighScoreEntry read;
    ASSERT_TRUE(ParseHighScoreLine(stored, read));
    EXPECT_EQ(HighScoreLine(read), stored);
    // A new table's default name is in the player's language.
    EXPECT_EQ(DefaultEntry(1).Name, "Default player      ");
    {
        const zorbik::testing::ScopedLanguage russian("ru");
        ASSERT_TRUE(russian.installed());
        EXPECT_EQ(DefaultEntry(1, StartingName()).Name,
                  NameField("\u041d\u043e\u0432\u0438\u0447\u043e\u043a"));
    }

    s.GamerName = "ABCDEFGHIJKLMNOPQRSTUVWXY";
    s.Score = 1000;
    GameOver(s, host);
    EXPECT_EQ(TableLines()[0].substr(0, 20), "ABCDEFGHIJKLMNOPQRST");
}

TEST_F(GameOverTest, CountersAreReadSafelyFromTheSidePanel)
{
    host.captions[Widget::StaticText1] = "abc";
    host.captions[Widget::StaticText2] = "";
    s.Score = 1000;
    GameOver(s, host);
    EXPECT_EQ(TableLines()[0], HighScoreLine({NameField("Ann"), 0, 0, 4, 3, 1000}) + " *");
}

TEST_F(GameOverTest, DamagedLinesAreDroppedAndTheGoodOnesMoveUp)
{
    const std::string good1 = HighScoreLine({NameField("Good one"), 1, 2, 3, 4, 9000});
    const std::string good2 = HighScoreLine({NameField("Good two"), 5, 6, 7, 8, 8000});
    const std::string good3 = HighScoreLine({NameField("Good three"), 0, 0, 0, 1, -3});
    std::string text;
    text += good1 + "\r\n";
    text += good1.substr(0, 30) + "\r\n";                       // too short
    text += good1.substr(0, 34) + "  x12345\r\n";               // score not a number
    text += good1.substr(0, 20) + "   1   2   3 4   +9000\r\n"; // a plus sign
    text += good1.substr(0, 20) + "   1   2   3 4        \r\n"; // blank score
    text += good1.substr(0, 20) + "   1  -   3 4    9000\r\n";  // a lone minus
    text += good1.substr(0, 20) + "   1 2 2   3 4    9000\r\n"; // a blank inside a number
    text += "Bad\x01name" + good1.substr(8) + "\r\n";           // a control byte in the name
    text += good1 + "xx\r\n";                                   // over-long
    text += std::string(100000, 'z') + "\n";                    // far over-long
    text += "\r\n\n";                                           // empty lines
    text += good2 + "\n";                                       // LF alone
    text += good3;                                              // no line end at all
    std::ofstream(file, std::ios::binary) << text;

    HighScoreTable table;
    FillDefaults(table);
    EXPECT_TRUE(ReadHighScores(text, table));
    EXPECT_EQ(HighScoreLine(table[1]), good1);
    EXPECT_EQ(HighScoreLine(table[2]), good2);
    EXPECT_EQ(HighScoreLine(table[3]), good3);
    for (int k = 4; k <= 16; ++k)
        EXPECT_EQ(table[k], DefaultEntry(k));

    s.Score = 8500;
    GameOver(s, host);
    ExpectWellFormedFile();
    EXPECT_EQ(TableLines()[1], GameLine() + " *");
}

TEST_F(GameOverTest, RandomBytesNeverBreakTheTable)
{
    std::mt19937 rng(12345);
    const std::string good = HighScoreLine({NameField("Zed"), 1, 2, 3, 4, 5000});
    const std::string alphabet = " -0123456789\r\n\x01\xC3\xA9zZ";
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        const int len = std::uniform_int_distribution<int>(0, 800)(rng);
        while (static_cast<int>(bytes.size()) < len) {
            switch (rng() % 4) {
            case 0: // a whole good line, sometimes cut or bent
                bytes += good.substr(0, rng() % 43) + (rng() % 2 ? "\r\n" : "\n");
                break;
            case 1:
                bytes += static_cast<char>(rng() & 0xFF);
                break;
            default:
                bytes += alphabet[rng() % alphabet.size()];
            }
        }
        HighScoreTable table;
        FillDefaults(table);
        ReadHighScores(bytes, table);
        for (int k = 1; k <= 16; ++k) {
            const std::string line = HighScoreLine(table[k]);
            HighScoreEntry back;
            ASSERT_TRUE(ParseHighScoreLine(line, back)) << "round " << round << " entry " << k;
            ASSERT_EQ(back, table[k]);
        }
        if (round % 100 == 0) { // the whole game over, writing included, now and then
            std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
            ScriptedHost h(s);
            GameOver(s, h);
            ExpectWellFormedFile();
            ASSERT_TRUE(h.memo.size() == 17u || h.memo.size() == 19u);
        }
    }
}

TEST_F(GameOverTest, WideValuesStillGiveWholeLines)
{
    const std::string line = HighScoreLine({NameField("Big"), 123456, -77777, 0, 100, 2000000000});
    EXPECT_EQ(line.size(), 42u);
    HighScoreEntry e;
    ASSERT_TRUE(ParseHighScoreLine(line, e));
    EXPECT_EQ(e.Pr, 9999);
    EXPECT_EQ(e.En, -999);
    EXPECT_EQ(e.L, 99);
    EXPECT_EQ(e.Score, 99999999);
}

TEST_F(GameOverTest, AnUnwritableTableIsStillShownAndNothingIsLeftBehind)
{
    // A folder where the file should be: it can be neither read nor replaced.
    fs::create_directories(file / "keep");
    s.Score = 7;
    GameOver(s, host);
    EXPECT_EQ(host.memo.size(), 17u);
    EXPECT_TRUE(fs::is_directory(file / "keep"));
    EXPECT_EQ(Entries(), TableAndLock);

    // A game folder that is gone.
    ScriptedHost h(s);
    s.ExePath = (dir / "gone" / "Game1").string();
    GameOver(s, h);
    EXPECT_EQ(h.memo.size(), 17u);
}

TEST_F(GameOverTest, AReadOnlyFolderKeepsTheOldFileWhole)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    std::ofstream(file, std::ios::binary) << DefaultLine(1) << "\r\n";
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    s.Score = 7;
    GameOver(s, host);
    fs::permissions(dir, fs::perms::owner_all);
    EXPECT_EQ(Slurp(file), DefaultLine(1) + "\r\n");
    EXPECT_EQ(host.memo.size(), 17u);
}

TEST_F(GameOverTest, AWriteCutShortByAFileSizeLimitKeepsTheOldFileAndShowsTheTable)
{
    // Files may grow to 100 bytes only: the new table breaks off part-way, as
    // on a full disk, and the limit's signal would end a careless game there.
    const std::string old = DefaultLine(3) + "\r\n";
    std::ofstream(file, std::ios::binary) << old;
    s.Score = 7;
    const auto shown = RunBounded([&] {
        signal(SIGXFSZ, SIG_DFL);
        const rlimit small{100, 100};
        setrlimit(RLIMIT_FSIZE, &small);
        GameOver(s, host);
        const bool restored = signal(SIGXFSZ, SIG_DFL) == SIG_DFL;
        return std::to_string(host.memo.size()) + (restored ? " lines" : " lines, signal left ignored");
    });
    EXPECT_EQ(shown.value_or("killed"), "17 lines");
    EXPECT_EQ(Slurp(file), old);
    EXPECT_EQ(Entries(), TableAndLock);
}

TEST_F(GameOverTest, TheFileIsReplacedKeepingItsPermissions)
{
    std::ofstream(file, std::ios::binary) << DefaultLine(1) << "\r\n";
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    GameOver(s, host);
    ExpectWellFormedFile();
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Entries(), TableAndLock);
}

TEST_F(GameOverTest, ExitAsksAndEndsTheGameOnlyOnce)
{
    // No: play goes on untouched.
    host.messageBoxAnswers = {IdNo};
    FinishButtonClick(s, host);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"box Confirm exit|Are You sure You want to exit?|" +
                                                    std::to_string(MbYesNo | MbIconQuestion)}));
    EXPECT_EQ(s.GameEnded, 0);
    EXPECT_FALSE(fs::exists(file));

    host.messageBoxAnswers = {IdYes};
    FinishButtonClick(s, host);
    EXPECT_EQ(s.GameEnded, 1);
    EXPECT_FALSE(host.enabled.at(Widget::FinishButton));
    EXPECT_EQ(host.count("gameover-window"), 1);

    // Already over: no second question, no second entry.
    host.messageBoxAnswers = {IdYes};
    FinishButtonClick(s, host);
    EXPECT_EQ(host.count("box"), 2);
    EXPECT_EQ(host.count("gameover-window"), 1);
}

TEST_F(GameOverTest, AGameThatEndsWhileTheExitQuestionIsOpenIsNotEnteredTwice)
{
    struct ClockEndsGame : ScriptedHost {
        using ScriptedHost::ScriptedHost;
        GameState* st = nullptr;
        int messageBox(const std::string& t, const std::string& c, int f) override
        {
            GameOver(*st, *this); // health ran out on a clock tick meanwhile
            ScriptedHost::messageBox(t, c, f);
            return IdYes;
        }
    } h(s);
    h.st = &s;
    h.captions = host.captions;
    s.Score = 5000;
    FinishButtonClick(s, h);
    EXPECT_EQ(h.count("gameover-window"), 1);
    EXPECT_EQ(Slurp(file).find(GameLine()), 0u);
    EXPECT_EQ(Slurp(file).find(GameLine(), 1), std::string::npos);
}

TEST_F(GameOverTest, ATableThatIsNoRegularFileGivesTheDefaultsAndNeverHangs)
{
    const std::string good = HighScoreLine({NameField("Kept"), 1, 1, 1, 1, 500});
    struct Case {
        const char* what;
        std::function<void()> plant;
        std::string firstLine;
    };
    const Case cases[] = {
        {"fifo without a writer", [&] { ASSERT_EQ(mkfifo(file.c_str(), 0644), 0); }, DefaultLine(1)},
        {"link to /dev/zero", [&] { fs::create_symlink("/dev/zero", file); }, DefaultLine(1)},
        // A regular file whose read fails part-way, even for the superuser.
        {"read error", [&] { fs::create_symlink("/proc/self/mem", file); }, DefaultLine(1)},
        {"huge file",
         [&] { std::ofstream(file, std::ios::binary) << good << "\r\n"
                                                     << std::string(3 << 20, 'z'); }, good},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(dir);
        fs::create_directory(dir);
        c.plant();
        s.Score = 0;
        const auto first = RunBounded([&] {
            GameOver(s, host);
            return host.memo.size() == 19u ? host.memo[2] : "table not shown";
        });
        EXPECT_EQ(first.value_or("hung or died"), c.firstLine);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file)));
        ExpectWellFormedFile();
    }
}

TEST_F(GameOverTest, TemporariesLeftByKilledGamesGoButNeverOneStillBeingWritten)
{
    const auto plant = [&](const std::string& name, std::chrono::seconds age) {
        std::ofstream(dir / name) << "part";
        fs::last_write_time(dir / name, fs::file_time_type::clock::now() - age);
    };
    using std::chrono::hours, std::chrono::seconds;
    plant("Game1.hrs.tmp-Ab12Cd", hours(1));
    plant("Game1.hrs.bak.tmp-Zz9Yy8", hours(1));
    plant("Game1.hrs.tmp-Mn56Op", seconds(90));
    plant("Game1.hrs.tmp-Qw34Er", seconds(0));
    plant("Game1.hrs.notes", hours(1));  // not a temporary name
    plant("Game1.hrs.backup", hours(1)); // the player's own copy
    plant("Game1.hrs.tmp-Ab12C!", hours(1));
    const HighScoreEntry game{NameField("Ann"), 1, 1, 1, 1, 9000};
    HighScoreTable table;

    // Another game holds the lock far longer than any write takes: this one
    // saves without it, and a temporary written in the last minutes may be
    // that game's.
    const int other = open((dir / "Game1.hrs.lock").c_str(), O_RDONLY | O_CREAT, 0666);
    ASSERT_EQ(flock(other, LOCK_EX), 0);
    EXPECT_EQ(SaveFinishedGame(file.string(), game, table, std::chrono::milliseconds(50)), TableSave::Saved);
    close(other);
    EXPECT_EQ(Entries(), (std::set<std::string>{"Game1.hrs", "Game1.hrs.lock", "Game1.hrs.tmp-Mn56Op",
                                                "Game1.hrs.tmp-Qw34Er", "Game1.hrs.notes", "Game1.hrs.backup",
                                                "Game1.hrs.tmp-Ab12C!"}));
    EXPECT_EQ(Slurp(file).find(HighScoreLine(game)), 0u);

    // Under the lock no other game is writing: only the one just made is spared.
    EXPECT_EQ(SaveFinishedGame(file.string(), game, table), TableSave::Saved);
    EXPECT_EQ(Entries(),
              (std::set<std::string>{"Game1.hrs", "Game1.hrs.lock", "Game1.hrs.tmp-Qw34Er", "Game1.hrs.notes",
                                     "Game1.hrs.backup", "Game1.hrs.tmp-Ab12C!"}));
}

TEST_F(GameOverTest, CrOnlyLinesAreReadAndADamagedTableIsCopiedBesideBeforeItIsReplaced)
{
    const fs::path bak = dir / "Game1.hrs.bak";
    std::vector<std::string> lines;
    for (int k = 1; k <= 15; ++k)
        lines.push_back(HighScoreLine({NameField("P" + std::to_string(k)), k, k, k, 2, 10000 - k * 100}));
    const auto save = [&] {
        HighScoreTable table;
        return SaveFinishedGame(file.string(), {NameField("Ann"), 0, 0, 0, 1, 0}, table);
    };
    const auto expectKept = [&](const std::vector<std::string>& kept) {
        const std::string text = Slurp(file);
        for (size_t k = 0; k < kept.size(); ++k)
            EXPECT_EQ(text.substr(k * 44, 44), kept[k] + "\r\n") << k;
    };

    // Old Mac line ends: all fifteen records stand, nothing was damaged.
    std::string crOnly;
    for (const auto& line : lines)
        crOnly += line + "\r";
    std::ofstream(file, std::ios::binary) << crOnly;
    EXPECT_EQ(save(), TableSave::Saved);
    expectKept(lines);
    EXPECT_FALSE(fs::exists(bak));

    // A damaged line: the file as it was goes to the copy, the sound lines stay.
    const std::string damaged = lines[0] + "\r\n" + "Bob   9  9  9 9 999999\r\n" + lines[1] + "\n";
    std::ofstream(file, std::ios::binary) << damaged;
    EXPECT_EQ(save(), TableSave::SavedAfterReset);
    EXPECT_EQ(Slurp(bak), damaged);
    expectKept({lines[0], lines[1], DefaultLine(3)});

    // The next damaged table replaces the copy.
    const std::string damagedAgain = lines[2] + "\r\nx\r\n";
    std::ofstream(file, std::ios::binary) << damagedAgain;
    EXPECT_EQ(save(), TableSave::SavedAfterReset);
    EXPECT_EQ(Slurp(bak), damagedAgain);

    // No copy can be made: the damaged table stays as it is.
    fs::remove(bak);
    fs::create_directory(bak);
    std::ofstream(file, std::ios::binary) << damaged;
    EXPECT_EQ(save(), TableSave::NotSaved);
    EXPECT_EQ(Slurp(file), damaged);
}

TEST_F(GameOverTest, GamesEndingAtOnceIntoOneFolderAllKeepTheirLines)
{
    constexpr int Rounds = 20;
    constexpr int Games = 4;
    for (int round = 0; round < Rounds; ++round) {
        int start[2];
        ASSERT_EQ(pipe(start), 0);
        std::vector<pid_t> children;
        for (int g = 0; g < Games; ++g) {
            const pid_t pid = fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                alarm(20);
                close(start[1]);
                char byte;
                while (read(start[0], &byte, 1) > 0) {
                } // every game ends the moment the pipe closes
                s.GamerName = "R" + std::to_string(round) + "G" + std::to_string(g);
                s.Score = 100000 + round * 10 + g; // each beats every earlier round
                ScriptedHost h(s);
                GameOver(s, h);
                _exit(h.memo.size() == 17u ? 0 : 1);
            }
            children.push_back(pid);
        }
        close(start[0]);
        close(start[1]);
        for (pid_t pid : children) {
            int status = 0;
            waitpid(pid, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
        }
        const std::string text = Slurp(file);
        for (int g = 0; g < Games; ++g)
            EXPECT_NE(text.find(NameField("R" + std::to_string(round) + "G" + std::to_string(g))),
                      std::string::npos)
                << "round " << round << " game " << g;
        ASSERT_FALSE(HasFailure());
    }
}

} // namespace
