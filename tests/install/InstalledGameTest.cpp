// The installed suite played by a pupil alone: the launcher lays out a
// playing folder of their own, the pictures show, a right answer from a
// stand-in quiz counts, game over writes the table into that folder and the
// next game finds it there.
#include "InstalledSuite.h"

#include <fstream>
#include <sys/stat.h>

namespace zorbik::testing {
namespace {

using InstalledGame = InstalledSuite;

uid_t OwnerOf(const fs::path& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_uid : static_cast<uid_t>(-1);
}

TEST_F(InstalledGame, PlayedByAPupilWhoCannotWriteTheInstall)
{
    const Pupil ann = Account("Ann");
    FirstStart(ann);
    ASSERT_TRUE(fs::is_regular_file(ann.playing() / "Maze" / "Images" / "Road.bmp"));
    EXPECT_EQ(Slurp(ann.playing() / "Gamer.nam"), "Ann");
    // A direct start leaves the choices remembered for the window alone.
    EXPECT_FALSE(fs::exists(ann.home / ".config" / "zorbik" / "zorbik.conf"));

    EXPECT_EQ(PlayAGame(ann), 0);
    const fs::path table = ann.playing() / "Maze" / "Game1.hrs";
    EXPECT_NE(Slurp(table).find("Ann "), std::string::npos) << Slurp(table);
    EXPECT_EQ(OwnerOf(table), ann.uid);

    // The next game finds that table and adds to it.
    std::ofstream(ann.playing() / "Gamer.nam") << "stale";
    EXPECT_EQ(PlayAGame(ann), 0);
    const std::string text = Slurp(table);
    EXPECT_EQ(text.find("stale"), std::string::npos) << "the launcher did not write the name";
    const std::string line = "Ann                    0   0   1 1     100\r\n";
    ASSERT_NE(text.find(line), std::string::npos) << text;
    EXPECT_NE(text.find(line, text.find(line) + 1), std::string::npos)
        << "the second game lost the first one's line:\n"
        << text;
    for (const auto& entry : fs::recursive_directory_iterator(root_ / "dest"))
        EXPECT_NE(entry.path().filename(), "Game1.hrs") << "a table written into the install";
}

} // namespace
} // namespace zorbik::testing
