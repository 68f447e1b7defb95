// Whoever starts the installed launcher with a pupil's environment (root
// after "su" without "-", or a teacher's account) plays in a folder of their
// own: nothing of the pupil's runs, and nothing of the pupil's is written.
#include "InstalledSuite.h"

#include <pwd.h>
#include <sys/stat.h>

namespace zorbik::testing {
namespace {

using PlayingFolder = InstalledSuite;

TEST_F(PlayingFolder, NobodyElseRunsOrWritesAPupilsFolderWithThePupilsEnvironment)
{
    const Pupil ann = Account("Ann");
    const Pupil teacher = Account("Teacher");
    FirstStart(ann);
    // Ann's own game, as Ann may make it: it tells who ran it.
    const fs::path marks = Here() / "marks";
    fs::create_directory(marks);
    fs::permissions(marks, fs::perms::all | fs::perms::sticky_bit);
    const fs::path game = ann.playing() / "Maze" / "Game1";
    fs::remove(game);
    Put(game, "#!/bin/sh\nid -u >> " + (marks / "ran").string() + "\n");
    fs::permissions(game, fs::perms(0700));
    ASSERT_EQ(::chown(game.c_str(), ann.uid, static_cast<gid_t>(-1)), 0);
    const std::string annsName = Slurp(ann.playing() / "Gamer.nam");

    std::vector<std::string> env = Environment(ann);
    env.push_back("XDG_DATA_HOME=" + (ann.home / ".local" / "share").string());
    const std::vector<std::string> play{Launcher(), "--play", "--name",    "Other",
                                        "--topic",  "lcm",    "--no-sound"};

    // The teacher plays in the folder of their own account's home.
    std::string said;
    Run(As(teacher, play), env, &said);
    EXPECT_TRUE(fs::is_regular_file(teacher.playing() / "Maze" / "Game1")) << said;
    EXPECT_EQ(Slurp(teacher.playing() / "Gamer.nam"), "Other") << said;

    // Root plays in root's own folder (laid out for this test and removed).
    const fs::path rootsFolder = fs::path(::getpwuid(0)->pw_dir) / ".local" / "share" / "zorbik";
    const bool rootHadOne = fs::exists(rootsFolder);
    Run(play, env, &said);
    EXPECT_EQ(Slurp(rootsFolder / "Gamer.nam"), "Other") << said;
    if (!rootHadOne)
        fs::remove_all(rootsFolder);

    EXPECT_FALSE(fs::exists(marks / "ran")) << "run by uid " << Slurp(marks / "ran");
    EXPECT_EQ(Slurp(ann.playing() / "Gamer.nam"), annsName);
    for (const auto& entry : fs::recursive_directory_iterator(ann.home)) {
        struct stat st {};
        ASSERT_EQ(::lstat(entry.path().c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, ann.uid) << entry.path();
    }
}

} // namespace
} // namespace zorbik::testing
