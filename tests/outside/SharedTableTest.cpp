// A class's shared table: the teacher makes the table, its copy and its lock
// in a folder the pupils cannot write; pupils of the class, each with a
// private umask, rewrite the table in place under the lock.
#include "outside/HighScoreFile.h"
#include "tests/support/RunBounded.h"
#include "tests/support/TempFolder.h"
#include "common/SafeFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbik {
namespace {

using testing::Put;
using testing::RunBounded;
using testing::TempFolder;

constexpr gid_t ClassGroup = 4300;

// Saves one finished game as a pupil of the class: "saved", "reset" or "kept".
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
        switch (SaveFinishedGame(table, finished, shown)) {
        case TableSave::Saved:
            return std::string("saved");
        case TableSave::SavedAfterReset:
            return std::string("reset");
        default:
            return std::string("kept");
        }
    });
}

TEST(SharedTable, EveryPupilOfTheClassKeepsTheirLineInTheTeachersTable)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "pupils' accounts need the superuser";
    TempFolder t;
    ASSERT_EQ(::chown(t.dir.c_str(), 0, ClassGroup), 0);
    ASSERT_EQ(::chmod(t.dir.c_str(), 02755), 0);
    const std::string table = t.at("Game1.hrs");
    for (const auto& [name, mode] :
         {std::pair{"Game1.hrs", 0660}, {"Game1.hrs.bak", 0660}, {"Game1.hrs.lock", 0640}}) {
        Put(t.at(name), "");
        ASSERT_EQ(::chown(t.at(name).c_str(), 0, ClassGroup), 0);
        ASSERT_EQ(::chmod(t.at(name).c_str(), mode), 0);
    }
    const auto unchanged = [&](const char* name, mode_t mode) {
        struct stat st {};
        ASSERT_EQ(::lstat(t.at(name).c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 0u) << name;
        EXPECT_EQ(st.st_mode & 07777, mode) << name;
    };

    EXPECT_EQ(SaveAsPupil(table, 4301, "Ann", 900), "saved");
    EXPECT_EQ(SaveAsPupil(table, 4302, "Bob", 800), "saved");
    EXPECT_EQ(SaveAsPupil(table, 4303, "Cid", 700), "saved");
    const std::string text = ReadRegularFile(table).value_or("");
    for (const char* name : {"Ann", "Bob", "Cid"})
        EXPECT_NE(text.find(NameField(name)), std::string::npos) << name;
    unchanged("Game1.hrs", 0660);
    unchanged("Game1.hrs.lock", 0640);
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(t.dir), std::filesystem::directory_iterator()), 3);

    // A table a classmate damaged is copied into the teacher's .bak and started
    // anew, and the pupil is told; one nobody may write is never lost silently.
    Put(table, "junk\r\n");
    EXPECT_EQ(SaveAsPupil(table, 4304, "Dee", 600), "reset");
    EXPECT_EQ(ReadRegularFile(t.at("Game1.hrs.bak")).value_or(""), "junk\r\n");
    EXPECT_NE(ReadRegularFile(table).value_or("").find(NameField("Dee")), std::string::npos);
    unchanged("Game1.hrs.bak", 0660);
    ASSERT_EQ(::chmod(table.c_str(), 0640), 0);
    const std::string before = ReadRegularFile(table).value_or("");
    EXPECT_EQ(SaveAsPupil(table, 4305, "Eve", 5000), "kept");
    EXPECT_EQ(ReadRegularFile(table).value_or(""), before);
}

} // namespace
} // namespace zorbik
