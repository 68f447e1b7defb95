#include "common/SafeFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace zorbik {
namespace {

namespace fs = std::filesystem;

using testing::Put;
using testing::TempFolder;

std::string Slurp(const std::string& path)
{
    return ReadRegularFile(path).value_or("<absent>");
}

TEST(SafeFiles, ReadsOnlyRegularFilesAndABoundedAmount)
{
    TempFolder t;
    Put(t.at("plain"), "Ann");
    fs::create_directory(t.at("folder"));
    ASSERT_EQ(::mkfifo(t.at("fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", t.at("zero"));
    fs::create_symlink(t.at("plain"), t.at("link"));

    EXPECT_EQ(Slurp(t.at("plain")), "Ann");
    for (const char* absent : {"missing", "link", "folder", "fifo", "zero"})
        EXPECT_FALSE(ReadRegularFile(t.at(absent))) << absent;
    Put(t.at("big"), std::string(5000, 'x'));
    EXPECT_EQ(ReadRegularFile(t.at("big"), 100)->size(), 100u);
}

TEST(SafeFiles, ReplacingNeverWritesThroughWhatStandsInTheWay)
{
    TempFolder t;
    Put(t.at("victim"), "precious");
    fs::create_symlink(t.at("victim"), t.at("link"));
    ASSERT_EQ(::mkfifo(t.at("fifo").c_str(), 0600), 0);
    fs::create_directory(t.at("folder"));
    Put(t.at("shared"), "old");
    ::chmod(t.at("shared").c_str(), 0664);

    for (const char* name : {"link", "fifo", "shared", "new"}) {
        ASSERT_TRUE(ReplaceFile(t.at(name), "1")) << name;
        EXPECT_EQ(Slurp(t.at(name)), "1") << name;
    }
    EXPECT_EQ(Slurp(t.at("victim")), "precious");
    EXPECT_FALSE(fs::is_symlink(t.at("link")));
    EXPECT_EQ(fs::status(t.at("shared")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::group_write | fs::perms::others_read);

    // This user's file with set-ID and execute bits passes on only its read
    // and write permissions.
    Put(t.at("planted"), "old");
    ::chmod(t.at("planted").c_str(), 06777);
    ASSERT_TRUE(ReplaceFile(t.at("planted"), "1"));
    EXPECT_EQ(fs::status(t.at("planted")).permissions(), fs::perms(0666));

    EXPECT_FALSE(ReplaceFile(t.at("folder"), "1"));
    EXPECT_FALSE(ReplaceFile(t.at("nowhere/file"), "1"));
    EXPECT_TRUE(RemoveEntry(t.at("link")));
    EXPECT_TRUE(RemoveEntry(t.at("missing")));
    EXPECT_FALSE(RemoveEntry(t.at("folder")));
    // Only the files written and the folder remain: no temporary left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(t.dir), fs::directory_iterator()), 6);
}

TEST(SafeFiles, AnotherUsersFileIsRewrittenInPlaceUnlessItHasASecondName)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "another user's files need the superuser";
    TempFolder t;
    Put(t.at("table"), "teacher's");
    Put(t.at("private"), "secret");
    fs::create_hard_link(t.at("private"), t.at("linked"));
    for (const char* name : {"table", "private"}) {
        ASSERT_EQ(::chown(t.at(name).c_str(), 4242, 4242), 0);
        ::chmod(t.at(name).c_str(), 0660);
    }
    ASSERT_TRUE(ReplaceFile(t.at("table"), "1"));
    ASSERT_TRUE(ReplaceFile(t.at("linked"), "1"));
    struct stat st {};
    ASSERT_EQ(::stat(t.at("table").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 4242u);
    EXPECT_EQ(st.st_mode & 07777, 0660u);
    EXPECT_EQ(Slurp(t.at("table")), "1");
    EXPECT_EQ(Slurp(t.at("private")), "secret");
}

TEST(SafeFiles, CopyingTakesOnlyARegularFileAndNeverWritesThroughALink)
{
    TempFolder t;
    const std::string game(200000, 'g'); // more than one read
    Put(t.at("game"), game);
    Put(t.at("victim"), "precious");
    fs::create_symlink(t.at("victim"), t.at("link"));
    fs::create_symlink(t.at("game"), t.at("game-link"));
    ASSERT_EQ(::mkfifo(t.at("fifo").c_str(), 0600), 0);
    fs::create_directory(t.at("folder"));

    ASSERT_TRUE(CopyRegularFile(t.at("game"), t.at("link"), 0755));
    EXPECT_EQ(Slurp(t.at("link")), game);
    EXPECT_EQ(Slurp(t.at("victim")), "precious");
    EXPECT_EQ(fs::symlink_status(t.at("link")).permissions(), fs::perms(0755));
    const struct {
        const char* from;
        const char* to;
    } refused[] = {{"game-link", "copy"}, {"fifo", "copy"}, {"missing", "copy"}, {"game", "folder"}};
    for (const auto& r : refused)
        EXPECT_FALSE(CopyRegularFile(t.at(r.from), t.at(r.to), 0644)) << r.from << " to " << r.to;
    EXPECT_FALSE(fs::exists(t.at("copy")));
    EXPECT_EQ(std::distance(fs::directory_iterator(t.dir), fs::directory_iterator()), 6);
}

// Files are written while the sound thread opens files of its own: a number
// closed twice would close the other thread's file, seen here as EBADF.
TEST(SafeFiles, WritingNeverClosesADescriptorAnotherThreadOpened)
{
    TempFolder t;
    const UniqueFd folder = OpenFolderAt(AT_FDCWD, t.dir);
    ASSERT_TRUE(folder);
    std::atomic<bool> writing = true;
    std::atomic<int> lost = 0;
    std::thread other([&] {
        while (writing) {
            const int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
            std::this_thread::yield();
            if (fd >= 0 && ::close(fd) != 0)
                ++lost;
        }
    });
    for (int i = 0; i < 400 && lost == 0; ++i)
        ASSERT_TRUE(WriteFileAt(folder.get(), "Gamer.nam", 0600, -1, "Ann"));
    writing = false;
    other.join();
    EXPECT_EQ(lost, 0);

    UniqueFd once(::open("/dev/null", O_RDONLY | O_CLOEXEC));
    EXPECT_EQ(once.close(), 0);
    EXPECT_FALSE(once);
    EXPECT_EQ(once.close(), 0); // nothing left to close
}

} // namespace
} // namespace zorbik
