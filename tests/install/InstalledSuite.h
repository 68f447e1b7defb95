// The suite as a class meets it: installed by root into a temporary DESTDIR
// under /srv (a place only root may write, as a classroom folder needs), then
// played through the installed launcher's direct start by real temporary
// accounts, pupils of one class group. Needs root (to install, to make the
// accounts and to play as them); skipped otherwise.
#pragma once

#include "tests/support/GameProcess.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zorbik::testing {

namespace fs = std::filesystem;

// Standard error goes to `file` while this lives, also for the programs
// started meanwhile, which keep it.
class StandardErrorTo {
  public:
    explicit StandardErrorTo(const fs::path& file);
    ~StandardErrorTo();
    StandardErrorTo(const StandardErrorTo&) = delete;
    StandardErrorTo& operator=(const StandardErrorTo&) = delete;

  private:
    int saved_;
};

// A temporary account: its name, user id and a home folder of its own.
struct Pupil {
    std::string name; // the account's; the player's name is `shown`
    std::string shown;
    uid_t uid = 0;
    fs::path home;
    fs::path playing() const { return home / ".local" / "share" / "zorbik"; }
};

class InstalledSuite : public ::testing::Test {
  public:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override; // the test's accounts go

    static std::string Launcher() { return (root_ / "dest" / "usr" / "bin" / "zorbik").string(); }
    static fs::path Installed() { return root_ / "dest" / "usr" / "lib" / "zorbik"; }
    static const std::string& ClassGroup() { return group_; }
    static fs::path ClassWriter() { return Installed() / "zorbik-class-writer"; }

    // A new account named after `shown`, in the class's group unless `group`
    // names another; its home folder under this test's folder.
    static Pupil Account(const std::string& shown, const std::string& group = "");

    // The command line that runs `argv` as the account, with its groups.
    static std::vector<std::string> As(const Pupil& p, const std::vector<std::string>& argv);
    // The installed launcher's direct start as this pupil.
    static std::vector<std::string> Play(const Pupil& p, const std::vector<std::string>& extra = {});
    static std::vector<std::string> Environment(const Pupil& p);

    // Runs a program to its end without driving it; its exit status, with
    // what it wrote on standard error in `said` when given.
    static int Run(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                   std::string* said = nullptr);

    // A first start lays out the pupil's playing folder; the quiz there is
    // then swapped for the stand-in, which always answers right.
    static void FirstStart(const Pupil& p, const std::vector<std::string>& extra = {});
    // One game: the pictures shown, a door answered right, then the exit
    // button confirmed and the window closed. The launcher's exit status.
    static int PlayAGame(const Pupil& p, const std::vector<std::string>& extra = {});
    // A game started and left waiting at its first maze.
    static void StartAGame(DrivenProgram& game, const Pupil& p, const std::vector<std::string>& extra = {});
    // Walks to the first maze's door and answers its question right.
    static bool OpenTheDoor(DrivenProgram& game, const GameDump& start);
    // Confirms the exit and closes the game-over window.
    static void EndAGame(DrivenProgram& game);

    static fs::path Here(); // this test's own folder
    static inline fs::path root_;
    static inline bool installed_ = false;
    static inline uint64_t seed_ = 0;
    static inline std::string group_;
    // The class writer's group, as the package's own would be, and a group
    // of the class's teachers.
    static inline std::string writerGroup_, teacherGroup_;
    static inline std::vector<std::string> accounts_;
};

} // namespace zorbik::testing
