// The teacher's view of the class: the counts per pupil from the class
// record, the text and CSV reports, a hostile record, the refusals of what
// may not be read, the options and the window's table and charts.
#include "launcher/ClassReport.h"
#include "launcher/ClassRecordFile.h"
#include "launcher/ClassTableModel.h"
#include "launcher/ClassWindow.h"
#include "launcher/LauncherOptions.h"
#include "launcher/LauncherWindow.h"
#include "tests/support/TempFolder.h"

#include <QChart>
#include <QComboBox>
#include <QLineSeries>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zorbik;

namespace {

// 2026-12-08 12:00 UTC; the last four weeks begin on 2026-11-10 12:00 UTC.
constexpr std::time_t Now = 1796731200;

std::string Game(const std::string& time, const std::string& login, const std::string& name,
                 std::array<TopicTally, 3> topics, std::vector<std::string> mistakes = {})
{
    ClassRecordLine line;
    line.time = time;
    line.login = login;
    line.name = name;
    line.level = 3;
    line.score = 4200;
    line.topics = topics;
    line.mistakes = std::move(mistakes);
    return RecordLine(line);
}

// Ann: two games before the last four weeks and two within; Bob: one within;
// Cem: one before only. Ann's last game is the one latest in time, not in
// the file.
std::string CraftedRecord()
{
    return Game("2026-10-01T09:00:00+0200", "ann", "Ann", {{{4, 2, 1}, {0, 0, 0}, {0, 0, 0}}}, {"product"}) +
           Game("2026-11-10T12:59:59+0100", "ann", "Ann", {{{2, 1, 0}, {3, 3, 0}, {0, 0, 0}}},
                {"product", "common-factor"}) +
           Game("2026-12-08T10:00:00+0100", "ann", "Annie", {{{5, 4, 0}, {0, 0, 0}, {0, 0, 0}}},
                {"product", "common-multiple", "common-factor", "not-lowest"}) +
           Game("2026-11-20T10:00:00+0100", "bob", "Bob", {{{0, 0, 0}, {0, 0, 0}, {6, 5, 1}}},
                {"bottoms-added"}) +
           Game("2026-12-01T08:00:00+0100", "ann", "Ann B.", {{{1, 0, 0}, {2, 1, 1}, {0, 0, 0}}},
                {"common-factor"}) +
           Game("2026-09-15T08:00:00+0200", "cem", "Cem", {{{3, 3, 0}, {3, 2, 0}, {3, 1, 0}}});
}

ClassTally TallyOf(const std::string& bytes)
{
    std::size_t unread = 0;
    const auto lines = ParseRecord(bytes, &unread);
    return TallyClass(lines, unread, Now);
}

TEST(ClassReport, CountsEachPupilsGamesRightAnswersAndMistakes)
{
    const ClassTally tally = TallyOf(CraftedRecord());
    ASSERT_EQ(tally.pupils.size(), 3u);
    EXPECT_EQ(tally.games, 6u);
    EXPECT_EQ(tally.unread, 0u);
    const PupilTally& ann = tally.pupils[0];
    EXPECT_EQ(ann.login, "ann");
    EXPECT_EQ(ann.games, 4);
    EXPECT_EQ(ann.name, "Annie");
    EXPECT_EQ(ann.lastGame, "2026-12-08T10:00:00+0100");
    // 2026-11-10T12:59:59+0100 is 11:59:59 UTC: just before the four weeks.
    EXPECT_EQ(ann.recent[0].right, 4);
    EXPECT_EQ(ann.recent[0].asked, 6);
    EXPECT_EQ(ann.before[0].right, 3);
    EXPECT_EQ(ann.before[0].asked, 6);
    EXPECT_EQ(ann.recent[1].right, 1);
    EXPECT_EQ(ann.before[1].right, 3);
    ASSERT_EQ(ann.mistakes.size(), 3u);
    EXPECT_EQ(std::string(MistakeWords[ann.mistakes[0].word]), "product");
    EXPECT_EQ(ann.mistakes[0].times, 3);
    EXPECT_EQ(std::string(MistakeWords[ann.mistakes[1].word]), "common-factor");
    EXPECT_EQ(ann.mistakes[1].times, 3);
    EXPECT_EQ(tally.pupils[1].recent[2].right, 5);
    EXPECT_EQ(tally.pupils[2].before[2].asked, 3);
    EXPECT_TRUE(tally.pupils[2].mistakes.empty());
    // Weeks from Cem's (Monday 2026-09-14) to Ann's last (Monday 2026-12-07).
    ASSERT_EQ(tally.weeks.size(), 13u);
    EXPECT_EQ(tally.classWeeks.back()[0].right, 4);
    EXPECT_EQ(tally.pupils[0].weeks.back()[0].asked, 5);

    const std::string text = ClassReportText(tally, "/srv/zorbik");
    for (const char* part :
         {"The class in /srv/zorbik: 3 pupils, 6 games.", "(since 2026-11-", "Login",
          "Most frequent mistakes", "4/6 | 3/6", "1/2 | 3/3", "5/6 | -", "- | 3/3    - | 2/3",
          "the product for the LCM (3), a common factor, not the greatest (3)"})
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    const std::string csv = ClassReportCsv(tally);
    EXPECT_EQ(
        csv.substr(0, csv.find("\r\n")),
        "login,name,games,last_game,lcm_recent_right,lcm_recent_asked,lcm_before_right,lcm_before_asked,"
        "gcf_recent_right,gcf_recent_asked,gcf_before_right,gcf_before_asked,fractions_recent_right,"
        "fractions_recent_asked,fractions_before_right,fractions_before_asked,mistake_1,mistake_1_times,"
        "mistake_2,mistake_2_times,mistake_3,mistake_3_times");
    EXPECT_NE(
        csv.find("\r\n\"ann\",\"Annie\",4,2026-12-08 10:00,4,6,3,6,1,2,3,3,0,0,0,0,product,3,common-factor,3,"
                 "common-multiple,1\r\n"),
        std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\r\n\"cem\",\"Cem\",1,2026-09-15 08:00,0,0,3,3,0,0,2,3,0,0,1,3,,,,,,\r\n"),
              std::string::npos)
        << csv;
}

// Names that a spreadsheet would run, controls (which the writer never
// writes, so the line is not the writer's), a line of another shape, a date
// that is none, and a last line cut off: the good lines are shown, safely,
// and the others counted.
TEST(ClassReport, AHostileRecordIsShownSafelyAndItsBadLinesCounted)
{
    std::string record = Game("2026-12-01T08:00:00+0100", "eve", "=HYPERLINK(\"http://x\")", {}) +
                         Game("2026-12-01T09:00:00+0100", "mal", "+1-2@x", {}) +
                         "2026-12-01T10:00:00+0100\tzed\tZ\x1b[31mred\x9b\t1\t0\t0/0/0\t0/0/0\t0/0/0\t-\r\n" +
                         "2026-12-01T10:00:00+0100\tzed\tZed\t1\t0\t0/0/0\t0/0/0\t-\r\n" +
                         Game("0000-00-00T00:00:00+0000", "old", "Old", {}) + // the writer's stand-in date
                         Game("2026-12-02T08:00:00+0100", "eve", "Eve", {});
    record.resize(record.size() - 3); // cut off by a full disk
    const ClassTally tally = TallyOf(record);
    ASSERT_EQ(tally.pupils.size(), 2u);
    EXPECT_EQ(tally.unread, 4u);
    const std::string csv = ClassReportCsv(tally);
    EXPECT_NE(csv.find("\"eve\",\"'=HYPERLINK(\"\"http://x\"\")\""), std::string::npos) << csv;
    EXPECT_NE(csv.find("\"mal\",\"'+1-2@x\""), std::string::npos) << csv;
    const std::string text = ClassReportText(tally, "/srv/zorbik\x1b]0;x\x07");
    EXPECT_NE(text.find("4 lines of the record could not be read"), std::string::npos) << text;
    for (const unsigned char c : text)
        EXPECT_TRUE(c >= 0x20 || c == '\n') << int(c);
    EXPECT_EQ(text.find("\xc2\x9b"), std::string::npos);
}

// Only a regular file is read: a link, a FIFO (without blocking) and a
// record this user may not read are refused with their reasons.
TEST(ClassReport, ReadsOnlyAPlainRecordItMayRead)
{
    const zorbik::testing::TempFolder temp("zorbik-class-report");
    const std::string folder = temp.dir.string();
    const std::string record = temp.at(ClassRecordName);
    // The launcher offers the class's window to whoever may read the record.
    const auto classButton = [&] {
        LauncherOptions options;
        options.sharedFolder = folder;
        return LauncherWindow(options).findChild<QPushButton*>("class") != nullptr;
    };
    EXPECT_EQ(ReadClassRecordIn(folder).reading, RecordReading::Missing);
    EXPECT_NE(RecordRefusal(ReadClassRecordIn(folder), folder).find("--set-up --teacher GROUP"),
              std::string::npos);
    EXPECT_EQ(ReadClassRecordIn(temp.at("nothing")).reading, RecordReading::NoFolder);

    zorbik::testing::Put(temp.at("elsewhere"), CraftedRecord());
    ASSERT_EQ(::symlink(temp.at("elsewhere").c_str(), record.c_str()), 0);
    EXPECT_EQ(ReadClassRecordIn(folder).reading, RecordReading::NotPlain);
    EXPECT_FALSE(MayReadClassRecord(folder));
    ASSERT_EQ(::unlink(record.c_str()), 0);
    EXPECT_FALSE(classButton());
    ASSERT_EQ(::mkfifo(record.c_str(), 0600), 0);
    EXPECT_EQ(ReadClassRecordIn(folder).reading, RecordReading::NotPlain);
    ASSERT_EQ(::unlink(record.c_str()), 0);

    zorbik::testing::Put(record, CraftedRecord());
    const ClassRecordBytes read = ReadClassRecordIn(folder);
    EXPECT_EQ(read.reading, RecordReading::Read);
    EXPECT_EQ(read.bytes, CraftedRecord());
    EXPECT_TRUE(MayReadClassRecord(folder));
    EXPECT_TRUE(classButton());

    // Another user than the record's teacher (root reads everything, so the
    // check runs as "nobody" then). The child only looks; the parent tells.
    ::chmod(record.c_str(), 0600);
    ::chmod(folder.c_str(), 0755);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && ::setresuid(65534, 65534, 65534) != 0)
            ::_exit(99);
        ::_exit(int(ReadClassRecordIn(folder).reading) + (MayReadClassRecord(folder) ? 50 : 0));
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), int(RecordReading::NotAllowed));
    ClassRecordBytes refused;
    refused.reading = RecordReading::NotAllowed;
    EXPECT_NE(RecordRefusal(refused, folder).find("only by the class's teachers"), std::string::npos);
}

// The options, and the window's table and charts from the same counts.
TEST(ClassReport, OptionsAndTheWindowsTableAndCharts)
{
    using Action = LauncherOptions::Action;
    const auto parse = [](QStringList words) {
        words.prepend("zorbik");
        return ParseLauncherOptions(words);
    };
    const LauncherOptions report = parse({"--class-report", "/srv/zorbik", "--csv"});
    EXPECT_EQ(report.action, Action::ClassReport);
    EXPECT_EQ(report.classFolder, "/srv/zorbik");
    EXPECT_TRUE(report.csv);
    EXPECT_EQ(parse({"--class-window", "/srv/zorbik"}).action, Action::ClassWindow);
    for (const QStringList& refused : {QStringList{"--class-window", "/srv/zorbik", "--csv"},
                                       {"--class-report", "/a", "--play", "--name", "A"},
                                       {"--class-report", "/a", "--class-window", "/a"},
                                       {"--class-report", "/a", "--report"},
                                       {"--class-report", ""}})
        EXPECT_EQ(parse(refused).action, Action::Refuse) << refused.join(' ').toStdString();

    ClassWindow window(TallyOf(CraftedRecord()), "/srv/zorbik");
    QAbstractItemModel* table = window.table()->model();
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->index(0, ClassTableModel::Login).data().toString(), "ann");
    EXPECT_EQ(table->index(0, ClassTableModel::FirstTopic).data().toString(), "4/6");
    // Sorted by the share right of LCM in the last four weeks: Bob (none asked) first.
    table->sort(ClassTableModel::FirstTopic, Qt::AscendingOrder);
    EXPECT_EQ(table->index(2, ClassTableModel::Login).data().toString(), "ann");
    ASSERT_EQ(window.classChart()->series().size(), 3);
    const auto* classLcm = static_cast<QLineSeries*>(window.classChart()->series()[0]);
    EXPECT_EQ(classLcm->count(), 5); // the weeks in which LCM was asked
    EXPECT_DOUBLE_EQ(classLcm->at(classLcm->count() - 1).y(), 80.0);
    window.pupilBox()->setCurrentIndex(1);
    const auto* bobFractions = static_cast<QLineSeries*>(window.pupilChart()->series()[2]);
    ASSERT_EQ(bobFractions->count(), 1);
    EXPECT_NEAR(bobFractions->at(0).y(), 500.0 / 6, 1e-9);
    EXPECT_EQ(static_cast<QLineSeries*>(window.pupilChart()->series()[0])->count(), 0);
}

} // namespace
