// A class sharing one high-score table, played with real accounts through
// the installed launcher, with classmates who try every trick they can: no
// pupil may act as, read from or erase the work of another.
#include "InstalledSuite.h"

#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbik::testing {
namespace {

using Classroom = InstalledSuite;

const std::vector<std::string> RootPath{"PATH=/usr/sbin:/usr/bin:/bin"};

gid_t GroupId(const std::string& name)
{
    const group* g = ::getgrnam(name.c_str());
    return g ? g->gr_gid : static_cast<gid_t>(-1);
}

struct stat StatusOf(const fs::path& path)
{
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

// A folder of root's with the class's group, in a place no pupil may write.
fs::path ClassFolder(const std::string& name, mode_t mode = 02750)
{
    const fs::path folder =
        InstalledSuite::root_ / ::testing::UnitTest::GetInstance()->current_test_info()->name() / name;
    fs::create_directories(folder);
    fs::permissions(folder.parent_path(), fs::perms(0755));
    EXPECT_EQ(::chown(folder.c_str(), 0, GroupId(InstalledSuite::group_)), 0);
    EXPECT_EQ(::chmod(folder.c_str(), mode), 0);
    return folder;
}

std::vector<std::string> SetUpCommand(const fs::path& folder, const std::string& teachers = "")
{
    std::vector<std::string> command{InstalledSuite::root_ / "dest" / "usr" / "bin" / "zorbik",
                                     "--shared-folder", folder.string(), "--set-up"};
    if (!teachers.empty())
        command.insert(command.end(), {"--teacher", teachers});
    return command;
}

// The package's step after an install or upgrade, with the system's own
// steps on the writer (its group and set-group-ID bit) left to stand-ins.
int RunPostinst(const fs::path& settings, std::string& said)
{
    const fs::path stubs = settings / "stubs";
    for (const char* stub : {"groupadd", "dpkg-statoverride", "getent"}) {
        Put(stubs / stub, "#!/bin/sh\nexit 0\n");
        fs::permissions(stubs / stub, fs::perms(0755));
    }
    return InstalledSuite::Run({"/bin/sh", ZORBIK_SOURCE_DIR "/packaging/postinst", "configure"},
                               {"PATH=" + stubs.string() + ":" +
                                    (InstalledSuite::root_ / "dest" / "usr" / "bin").string() +
                                    ":/usr/bin:/bin",
                                "XDG_CONFIG_DIRS=" + settings.string()},
                               &said);
}

// The class files: what only the class writer may write.
std::vector<fs::path> ClassFiles(const fs::path& shared)
{
    return {shared / "Maze" / "Game1.hrs", shared / "Maze" / "Game1.hrs.bak",
            shared / "Maze" / "Game1.hrs.lock", shared / "Class.record"};
}

// Each shell command of `tries` that succeeded when the pupil ran it.
std::string Succeeded(const Pupil& p, const std::vector<std::string>& tries)
{
    std::string script;
    for (const std::string& t : tries)
        script += "if (" + t + ") >/dev/null 2>&1; then echo 'did: " + t + "' >&2; fi\n";
    std::string said;
    InstalledSuite::Run(InstalledSuite::As(p, {"/bin/sh", "-c", script}), RootPath, &said);
    return said;
}

std::vector<std::string> RecordLogins(const fs::path& shared)
{
    std::vector<std::string> logins;
    std::ifstream record(shared / "Class.record");
    for (std::string line; std::getline(record, line);)
        logins.push_back(line.substr(25, line.find('\t', 25) - 25));
    return logins;
}

// Root playing, as a pupil does, from a home folder of its own.
Pupil RootPlayer()
{
    Pupil p{"root", "Root", 0, InstalledSuite::root_ / "roothome"};
    fs::create_directories(p.home);
    return p;
}

TEST_F(Classroom, ClassmatesShareOneTableAndCanPlantNothingForEachOther)
{
    const fs::path shared = ClassFolder("class");
    std::string said;
    ASSERT_EQ(Run(SetUpCommand(shared, teacherGroup_), RootPath, &said), 0) << said;
    const fs::path maze = shared / "Maze";
    const std::vector<std::string> classroom{"--shared-folder", shared.string()};
    const Pupil ann = Account("Ann"), bo = Account("Bo");
    const std::string marker = "BO-PRIVATE-" + std::to_string(::getpid());
    Put(bo.home / "private", marker);
    ASSERT_EQ(::chown((bo.home / "private").c_str(), bo.uid, static_cast<gid_t>(-1)), 0);
    fs::permissions(bo.home / "private", fs::perms(0600));

    FirstStart(ann, classroom);
    FirstStart(bo, classroom);
    EXPECT_EQ(PlayAGame(ann, classroom), 0);
    EXPECT_EQ(PlayAGame(bo, classroom), 0);
    std::string text = Slurp(maze / "Game1.hrs");
    EXPECT_NE(text.find("Ann "), std::string::npos) << text;
    EXPECT_NE(text.find("Bo "), std::string::npos) << text;
    // Names and answers stay with each pupil.
    EXPECT_FALSE(fs::exists(shared / "Gamer.nam"));
    EXPECT_EQ(Slurp(ann.playing() / "Gamer.nam"), "Ann");
    EXPECT_EQ(Slurp(bo.playing() / "Gamer.nam"), "Bo");
    for (const Pupil* p : {&ann, &bo})
        EXPECT_EQ(Slurp(p->home / "quiz.log").rfind((p->playing() / "Quiz").string(), 0), 0u);

    // Ann plants links (to Bo's private file, to a device), hard links,
    // FIFOs and set-user-ID files at every name a game uses, and tries to
    // take the table over: none of it lands. Writing junk into the table is
    // all she can do.
    const auto before = [&] {
        std::set<std::string> names;
        for (const auto& e : fs::recursive_directory_iterator(maze))
            names.insert(e.path().string());
        return names;
    }();
    std::string tries = "cd " + maze.string() + " || exit 9\n";
    for (const char* name : {"Game1.hrs", "Game1.hrs.bak", "Game1.hrs.lock", "Game1.hrs.tmp-AAAAAA", "Game1",
                             "Images/Road.bmp", "Gamer.nam"})
        tries += std::string("ln -sf ") + (bo.home / "private").string() + " " + name + "; ln -f " +
                 (bo.home / "private").string() + " " + name + "; mkfifo " + name + ".p; cp /bin/sh " + name +
                 ".x; chmod 4777 " + name + "; mv -f " + name + " " + name + ".moved; rm -f " + name + "\n";
    ASSERT_GE(Run(As(ann, {"/bin/sh", "-c", tries}), RootPath), 0);
    const std::set<std::string> after = [&] {
        std::set<std::string> names;
        for (const auto& e : fs::recursive_directory_iterator(maze))
            names.insert(e.path().string());
        return names;
    }();
    EXPECT_EQ(after, before);

    // Nor can she write, empty, link or lock any class file, read the
    // record, or run the writer for a folder that is not her class's.
    std::vector<std::string> attempts;
    for (const fs::path& f : ClassFiles(shared))
        for (const std::string& t : {"printf x >> " + f.string(), "truncate -s 0 " + f.string(),
                                     "ln " + f.string() + " " + (ann.home / "link").string(),
                                     "flock -n -x " + f.string() + " true", "chmod 666 " + f.string()})
            if (f.extension() == ".lock" || f.extension() == ".record" || t.rfind("flock", 0) != 0)
                // the table and its copy may be read, and so opened
                attempts.push_back(t);
    attempts.push_back("cat " + (shared / "Class.record").string());
    EXPECT_EQ(Succeeded(ann, attempts), "");
    const Pupil stranger = Account("Cy", teacherGroup_);
    Put(Here() / "finished",
        text.substr(0, 44) + "2026-12-08T10:02:03+0100\t-\tCy\t1\t0\t0/0/0\t0/0/0\t0/0/0\t-\r\n");
    fs::permissions(Here() / "finished", fs::perms(0644));
    const std::string writes =
        ClassWriter().string() + " " + shared.string() + " < " + (Here() / "finished").string();
    EXPECT_EQ(Run(As(stranger, {"/bin/sh", "-c", writes}), RootPath, &said), 2) << said;

    EXPECT_EQ(Slurp(maze / "Game1.hrs"), text);

    // The teacher writes junk into the table: Bo's next game starts it anew,
    // keeps the junk in the copy and tells him; then root plays too.
    Put(maze / "Game1.hrs", "junk\r\n");
    {
        StandardErrorTo told(bo.home / "said");
        EXPECT_EQ(PlayAGame(bo, classroom), 4);
    }
    EXPECT_NE(Slurp(bo.home / "said").find("could not be read"), std::string::npos)
        << Slurp(bo.home / "said");
    EXPECT_EQ(Slurp(maze / "Game1.hrs.bak"), "junk\r\n");
    const Pupil root = RootPlayer();
    FirstStart(root, classroom);
    EXPECT_EQ(PlayAGame(root, classroom), 0);
    text = Slurp(maze / "Game1.hrs");
    EXPECT_NE(text.find("Bo "), std::string::npos) << text;
    EXPECT_NE(text.find("Root "), std::string::npos) << text;

    // Nothing in the class folder is a pupil's, carries a set-ID bit on a
    // file, or holds a byte of Bo's private file; the table is the teacher's.
    for (const auto& e : fs::recursive_directory_iterator(shared)) {
        const struct stat st = StatusOf(e.path());
        EXPECT_EQ(st.st_uid, 0u) << e.path();
        EXPECT_EQ(S_ISDIR(st.st_mode) ? 0 : st.st_mode & (S_ISUID | S_ISGID), 0u) << e.path();
        EXPECT_EQ(S_ISREG(st.st_mode) ? Slurp(e.path()).find(marker) : std::string::npos, std::string::npos)
            << e.path();
    }
    EXPECT_EQ(StatusOf(maze / "Game1.hrs").st_mode & 07777, 0664u);
    EXPECT_EQ(StatusOf(maze / "Game1.hrs.lock").st_mode & 07777, 0660u);
    EXPECT_EQ(StatusOf(shared / "Class.record").st_mode & 07777, 0660u);
    for (const fs::path& f : ClassFiles(shared))
        EXPECT_EQ(StatusOf(f).st_gid, GroupId(writerGroup_)) << f;

    // The record: a line per game, by login, each with the right answer of
    // its door; the teachers' group reads it.
    EXPECT_EQ(RecordLogins(shared), (std::vector<std::string>{ann.name, bo.name, bo.name, "root"}));
    EXPECT_NE(Slurp(shared / "Class.record").find("\tAnn\t1\t"), std::string::npos);
    EXPECT_EQ(Succeeded(stranger, {"cat " + (shared / "Class.record").string()}),
              "did: cat " + (shared / "Class.record").string() + "\n");

    // The teacher's view counts each pupil's games and right answers by
    // login; a pupil is refused it.
    const std::string report = Launcher() + " --class-report " + shared.string() + " --csv >&2";
    EXPECT_EQ(Run(As(stranger, {"/bin/sh", "-c", report}), RootPath, &said), 0) << said;
    for (const std::string& row : std::vector<std::string>{
             "\"" + ann.name + "\",\"Ann\",1,", "\"" + bo.name + "\",\"Bo\",2,", "\"root\",\"Root\",1,"})
        EXPECT_NE(said.find(row), std::string::npos) << row << " in\n" << said;
    // Bo's two games, a door answered right in each: LCM 2 right of 2 asked.
    const std::size_t bos = said.find("\"Bo\",2,");
    ASSERT_NE(bos, std::string::npos) << said;
    EXPECT_EQ(said.substr(said.find(',', bos + 7) + 1, 4), "2,2,") << said;
    EXPECT_EQ(Run(As(ann, {"/bin/sh", "-c", report}), RootPath, &said), 1);
    EXPECT_NE(said.find("only by the class's teachers"), std::string::npos) << said;
}

TEST_F(Classroom, SetUpAndUpgradesKeepEveryLineOfAFolderOfTheLastVersion)
{
    // The last version's layout: the table and its copy the class's to
    // write, which let a pupil give them a second name in her home.
    const fs::path shared = ClassFolder("class");
    ASSERT_EQ(Run(SetUpCommand(shared), RootPath), 0);
    const Pupil ann = Account("Ann");
    const fs::path maze = shared / "Maze";
    const std::string lines = "Ann                    3   2   1 1     900\r\nBo                     "
                              "1   0   1 1     400\r\n";
    for (const char* name : {"Game1.hrs", "Game1.hrs.bak"}) {
        Put(maze / name, lines);
        ASSERT_EQ(::chown((maze / name).c_str(), 0, GroupId(group_)), 0);
        fs::permissions(maze / name, fs::perms(0660));
    }
    fs::remove(shared / "Class.record");
    ASSERT_EQ(
        Run(As(ann, {"/bin/ln", (maze / "Game1.hrs").string(), (ann.home / "mine").string()}), RootPath), 0);
    std::string said;
    EXPECT_EQ(Run(Play(ann, {"--shared-folder", shared.string()}), Environment(ann), &said), 1);
    EXPECT_NE(said.find("Maze/Game1.hrs"), std::string::npos) << said;

    // Set-up copies every line into a table of its own, whose old name in
    // Ann's home leads nowhere now; so does the package's step after an
    // upgrade (with the system's own steps on the writer left out).
    ASSERT_EQ(Run(SetUpCommand(shared, teacherGroup_), RootPath, &said), 0) << said;
    EXPECT_EQ(Slurp(maze / "Game1.hrs"), lines);
    EXPECT_EQ(StatusOf(maze / "Game1.hrs").st_nlink, 1u);
    const fs::path settings = Here() / "xdg";
    Put(settings / "zorbik" / "zorbik.conf", "[General]\nsharedFolder=" + shared.string() + "\n");
    ASSERT_EQ(
        Run(As(ann, {"/bin/ln", (shared / "Class.record").string(), (ann.home / "rec").string()}), RootPath),
        1); // the record is no pupil's to link
    Put(shared / "Class.record", "a line of an earlier game\r\n");
    ASSERT_EQ(::link((shared / "Class.record").c_str(), (Here() / "second-name").c_str()), 0);
    EXPECT_EQ(RunPostinst(settings, said), 0) << said;
    EXPECT_EQ(said, "");
    EXPECT_EQ(Slurp(maze / "Game1.hrs"), lines);
    EXPECT_EQ(Slurp(maze / "Game1.hrs.bak"), lines);
    EXPECT_EQ(Slurp(shared / "Class.record"), "a line of an earlier game\r\n");
    EXPECT_EQ(StatusOf(shared / "Class.record").st_nlink, 1u);
    // The teachers named at the first set-up still read the record.
    const Pupil teacher = Account("Tess", teacherGroup_);
    EXPECT_NE(Succeeded(teacher, {"cat " + (shared / "Class.record").string()}), "");

    // A link where the table was is refused with its name, the table's
    // lines never replaced by an empty table.
    fs::rename(maze / "Game1.hrs", Here() / "kept");
    fs::create_symlink(Here() / "kept", maze / "Game1.hrs");
    EXPECT_EQ(Run(SetUpCommand(shared), RootPath, &said), 1);
    EXPECT_NE(said.find("Maze/Game1.hrs is not a file but a link"), std::string::npos) << said;
    EXPECT_EQ(Slurp(Here() / "kept"), lines);
}

TEST_F(Classroom, PupilsEndingAtOnceKeepEveryLineAndABusyTableIsTold)
{
    const fs::path shared = ClassFolder("class");
    ASSERT_EQ(Run(SetUpCommand(shared), RootPath), 0);
    const std::vector<std::string> classroom{"--shared-folder", shared.string()};
    std::vector<Pupil> pupils{Account("Ann"), Account("Bo"), Account("Cy")};
    // A name with a bidirectional override and a C1 control.
    pupils[2].shown = "Cy\u202Ex\u009B";
    for (const Pupil& p : pupils)
        FirstStart(p, classroom);
    for (int round = 2; round <= 3; ++round) {
        std::vector<DrivenProgram> games(static_cast<std::size_t>(round));
        for (int i = 0; i < round; ++i) {
            DrivenProgram& g = games[static_cast<std::size_t>(i)];
            StartAGame(g, pupils[static_cast<std::size_t>(i)], classroom);
            ASSERT_TRUE(OpenTheDoor(g, g.dump()));
        }
        for (DrivenProgram& g : games)
            g.send("answer yes"), g.send("finish");
        for (DrivenProgram& g : games)
            g.send("close");
        for (DrivenProgram& g : games)
            EXPECT_EQ(g.wait(30000), 0);
    }
    const std::string table = Slurp(shared / "Maze" / "Game1.hrs");
    for (const char* name : {"Ann ", "Bo ", "Cyx "})
        EXPECT_NE(table.find(name), std::string::npos) << name << " in\n" << table;
    // Each game's one question, right, is in its record line.
    EXPECT_EQ(RecordLogins(shared).size(), 5u);
    const std::string record = Slurp(shared / "Class.record");
    EXPECT_EQ(record.find("\t0/0/0\t0/0/0\t0/0/0\t"), std::string::npos) << record;
    EXPECT_NE(record.find("\tCyx\t"), std::string::npos) << record;
    EXPECT_EQ(record.find("\u202E"), std::string::npos);
    EXPECT_EQ(record.find("\u009B"), std::string::npos);

    // A writer that holds the lock (stopped, say) keeps the table busy: the
    // game waits its bound, then says the line was not saved.
    const int lock = ::open((shared / "Maze" / "Game1.hrs.lock").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    {
        StandardErrorTo told(pupils[0].home / "said");
        EXPECT_EQ(PlayAGame(pupils[0], classroom), 6);
    }
    const std::string said = Slurp(pupils[0].home / "said");
    EXPECT_NE(said.find("stayed busy with another game"), std::string::npos) << said;
    EXPECT_EQ(Slurp(shared / "Maze" / "Game1.hrs"), table);
    ::close(lock);
}

TEST_F(Classroom, SetUpRefusesAFolderThatAPupilCouldChangeOrNoClassShares)
{
    const Pupil ann = Account("Ann");
    const Pupil teacher = Account("Teacher", "nogroup");
    const fs::path victim = Here() / "victim";
    Put(victim, "root's own");
    fs::permissions(victim, fs::perms(0600));

    const fs::path open = ClassFolder("open", 01777);
    ASSERT_EQ(Run(As(ann, {"/bin/ln", "-s", Here().string(), (open / "Maze").string()}), RootPath), 0);
    const fs::path lonely = ClassFolder("lonely");
    ASSERT_EQ(::chown(lonely.c_str(), teacher.uid, GroupId(group_)), 0);
    const fs::path groupless = ClassFolder("groupless");
    ASSERT_EQ(::chown(groupless.c_str(), 0, 0), 0);
    const fs::path file = Here() / "file";
    Put(file, "");
    const struct {
        fs::path folder;
        const char* says;
    } refused[] = {{open, "may be changed by other users"},
                   {lonely, "is not in its group"},
                   {groupless, "not a class's group"},
                   {file, "is not a folder"}};
    for (const auto& r : refused) {
        std::string said;
        EXPECT_EQ(Run(SetUpCommand(r.folder), RootPath, &said), 1) << r.folder;
        EXPECT_NE(said.find(r.says), std::string::npos) << said;
    }
    EXPECT_EQ(StatusOf(victim).st_mode & 07777, 0600u);
    EXPECT_TRUE(fs::is_symlink(open / "Maze"));
    EXPECT_FALSE(fs::exists(lonely / "Maze"));
}

TEST_F(Classroom, APupilRunsOnlyTheTeachersGameOfThisInstall)
{
    const Pupil ann = Account("Ann"), bo = Account("Bo");
    // Ann's own "class folder" where anyone may make one, with a game of hers.
    const fs::path planted = fs::path("/tmp") / ("zorbik-class-" + std::to_string(::getpid()));
    const fs::path ran = fs::path("/tmp") / ("zorbik-ran-" + std::to_string(::getpid()));
    const std::string plant = "mkdir -p " + planted.string() + "/Maze/Images " + planted.string() +
                              "/Maze/Sounds && printf '#!/bin/sh\\ntouch " + ran.string() + "\\n' > " +
                              planted.string() + "/Maze/Game1 && chmod 755 " + planted.string() +
                              "/Maze/Game1";
    ASSERT_EQ(Run(As(ann, {"/bin/sh", "-c", plant}), RootPath), 0);
    const fs::path settings = Here() / "xdg";
    Put(settings / "zorbik" / "zorbik.conf", "[General]\nsharedFolder=" + planted.string() + "\n");
    for (const auto& extra : {std::vector<std::string>{"--shared-folder", planted.string()}, {}}) {
        std::vector<std::string> env = Environment(bo);
        env.push_back("XDG_CONFIG_DIRS=" + settings.string());
        std::string said;
        EXPECT_EQ(Run(Play(bo, extra), env, &said), 1);
        EXPECT_NE(said.find("/tmp may be changed by other users"), std::string::npos) << said;
        EXPECT_NE(said.find("--set-up"), std::string::npos) << said;
    }
    EXPECT_FALSE(fs::exists(ran)) << "a classmate's game ran";
    fs::remove_all(planted);

    // A newer install: the class folder named on the command line waits for
    // the teacher; the one the system settings name is laid out anew by the
    // package's own step after installing.
    const fs::path shared = ClassFolder("class");
    ASSERT_EQ(Run(SetUpCommand(shared), RootPath), 0);
    const std::vector<std::string> classroom{"--shared-folder", shared.string()};
    ASSERT_EQ(Run(Play(bo, classroom), Environment(bo)), 0);
    const fs::path game = Installed() / "Maze" / "Game1";
    fs::last_write_time(game, fs::last_write_time(game) + std::chrono::hours(1));
    std::string said;
    EXPECT_EQ(Run(Play(bo, classroom), Environment(bo), &said), 1);
    EXPECT_NE(said.find("another version of Zorbik"), std::string::npos) << said;
    Put(settings / "zorbik" / "zorbik.conf", "[General]\nsharedFolder=" + shared.string() + "\n");
    EXPECT_EQ(RunPostinst(settings, said), 0) << said;
    EXPECT_EQ(Run(Play(bo, classroom), Environment(bo), &said), 0) << said;
    EXPECT_EQ(Slurp(shared / "Installed.stamp"), Slurp(bo.playing() / "Installed.stamp"));

    // Root starting a launcher of another copy (the build folder) plays
    // nothing there and lays out nothing.
    const std::string stamp = Slurp(shared / "Installed.stamp");
    const Pupil root = RootPlayer();
    std::vector<std::string> env = Environment(root);
    EXPECT_EQ(
        Run({ZORBIK_SUITE_DIR "/zorbik", "--play", "--name", "Root", "--shared-folder", shared.string()}, env,
            &said),
        1);
    EXPECT_EQ(Slurp(shared / "Installed.stamp"), stamp);
}

TEST_F(Classroom, NoScoreIsLostWithoutAWordAndAPupilPlaysOneGameAtATime)
{
    const fs::path shared = ClassFolder("class");
    ASSERT_EQ(Run(SetUpCommand(shared), RootPath), 0);
    const std::vector<std::string> classroom{"--shared-folder", shared.string()};
    const Pupil bo = Account("Bo");
    FirstStart(bo, classroom);

    DrivenProgram game;
    {
        StandardErrorTo told(bo.home / "said");
        StartAGame(game, bo, classroom);
    }
    // A second start while the game runs is refused and leaves its name alone.
    Pupil eve = bo;
    eve.shown = "Eve";
    std::string said;
    EXPECT_EQ(Run(Play(eve, classroom), Environment(eve), &said), 1);
    EXPECT_NE(said.find("already running"), std::string::npos) << said;
    EXPECT_EQ(Slurp(bo.playing() / "Gamer.nam"), "Bo");

    // The teacher closes the table while Bo plays: the line is not saved, and
    // Bo and the launcher's exit status say so.
    fs::permissions(shared / "Maze" / "Game1.hrs", fs::perms(0644));
    EndAGame(game);
    game.send("close");
    EXPECT_EQ(game.wait(30000), 5);
    EXPECT_NE(Slurp(bo.home / "said").find("could not be saved"), std::string::npos)
        << Slurp(bo.home / "said");
    // Before the next game he is told at once.
    EXPECT_EQ(Run(Play(bo, classroom), Environment(bo), &said), 1);
    EXPECT_NE(said.find("was not laid out for the class writer"), std::string::npos) << said;
}

} // namespace
} // namespace zorbik::testing
