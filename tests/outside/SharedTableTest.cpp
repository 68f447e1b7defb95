// A class's shared table: pupils of one group, each with a private umask,
// save into one folder that the group may write, with and without the
// sticky bit that keeps each pupil's own files from the others.
#include "outside/HighScoreFile.h"
#include "tests/support/RunBounded.h"
#include "tests/support/TempFolder.h"
#include "world/SafeFiles.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbik {
namespace {

using testing::RunBounded;
using testing::TempFolder;

constexpr gid_t ClassGroup = 4300;

// Saves one finished game as a pupil of the class; "saved" or "kept".
std::optional<std::string> SaveAsPupil(const std::string& table, uid_t pupil, const std::string& name,
                                       int score)
{
    return RunBounded([&] {
        if (::setgroups(1, &ClassGroup) != 0 || ::setgid(ClassGroup) != 0 || ::setuid(pupil) != 0)
            return std::string("no pupil");
        ::umask(077);
        HighScoreEntry finished;
        finished.Name = NameField(name);
        finished.L = 1;
        finished.Score = score;
        HighScoreTable shown;
        return std::string(SaveFinishedGame(table, finished, shown) ? "saved" : "kept");
    });
}

TEST(SharedTable, EveryPupilOfTheClassKeepsTheirLine)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "pupils' accounts need the superuser";
    for (const mode_t folderMode : {02775, 03775}) {
        TempFolder t;
        ASSERT_EQ(::chown(t.dir.c_str(), 0, ClassGroup), 0);
        ASSERT_EQ(::chmod(t.dir.c_str(), folderMode), 0);
        const std::string table = t.at("Game1.hrs");

        EXPECT_EQ(SaveAsPupil(table, 4301, "Ann", 900), "saved");
        EXPECT_EQ(SaveAsPupil(table, 4302, "Bob", 800), "saved");
        EXPECT_EQ(SaveAsPupil(table, 4303, "Cid", 700), "saved");
        const std::string text = ReadRegularFile(table).value_or("");
        for (const char* name : {"Ann", "Bob", "Cid"})
            EXPECT_NE(text.find(NameField(name)), std::string::npos)
                << name << " in folder " << std::oct << folderMode;
        struct stat st {};
        ASSERT_EQ(::stat(table.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0660, 0660u) << "the class can read and update the table";
        ASSERT_EQ(::stat((table + ".lock").c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0444, 0444u) << "every pupil can take the lock";

        // A table a pupil may not read is never written over.
        ASSERT_EQ(::chmod(table.c_str(), 0600), 0);
        EXPECT_EQ(SaveAsPupil(table, 4309, "Eve", 5000), "kept");
        EXPECT_EQ(ReadRegularFile(table).value_or(""), text);
    }
}

} // namespace
} // namespace zorbik
