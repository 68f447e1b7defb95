// The launcher's summary after a game and its report, read from the pupil's
// journal, and the options that ask for them.
#include "launcher/Summary.h"
#include "launcher/LauncherOptions.h"
#include "launcher/Report.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace zorbik;

namespace {

JournalEntry Asked(long game, Topic topic, const std::string& verdict, const std::string& typed,
                   bool hint = false)
{
    JournalEntry e;
    e.time = game == 100 ? "2026-12-07T09:15:00+0100" : "2026-12-08T10:02:03+0100";
    e.game = game;
    e.topic = topic;
    e.step = 2;
    e.sent = 2;
    e.verdict = verdict;
    e.hint = hint;
    e.question = "Question " + std::to_string(game) + " " + typed;
    e.typed = typed;
    e.answer = "36";
    e.working = "Working of " + typed;
    return e;
}

// Two games in the journal: the summary tells only the second, the one
// that started after the mark; the report tells both.
TEST(GameSummary, TellsTheGameAndTheHistoryFromTheJournal)
{
    const zorbik::testing::TempFolder temp("zorbik-summary");
    const std::string journal = temp.at("Journal.txt");
    for (const JournalEntry& e : {Asked(100, Topic::Lcm, "right", "12"), Asked(100, Topic::Gcf, "right", "6"),
                                  Asked(100, Topic::Gcf, "wrong", "3")})
        ASSERT_TRUE(AppendToJournal(journal, e));
    const JournalMark mark = MarkJournal(journal);
    for (const JournalEntry& e :
         {Asked(200, Topic::Lcm, "right", "36"), Asked(200, Topic::Lcm, "wrong", "216"),
          Asked(200, Topic::Gcf, "right", "12", true), Asked(200, Topic::Gcf, "not-answered", "")})
        ASSERT_TRUE(AppendToJournal(journal, e));

    const std::string summary = SummaryText(EntriesSince(mark), "Ann");
    for (const char* part : {"The game of Ann: 4 questions, 1 right.", "LCM: 1 of 2 right",
                             "GCF: 0 of 2 right", "Question 200 216 (you typed 216; the answer is 36)",
                             "Working of 216", "(right with the hint;", "(not answered;", "Keep practising"})
        EXPECT_NE(summary.find(part), std::string::npos) << part << "\n" << summary;
    EXPECT_EQ(summary.find("Question 100"), std::string::npos) << summary;
    EXPECT_EQ(summary.find("Question 200 36 "), std::string::npos) << "a right answer is not listed";
    EXPECT_EQ(SummaryText({}, "Ann"), "");
    EXPECT_NE(SummaryText({Asked(1, Topic::Lcm, "right", "36")}, "").find("Perfect"), std::string::npos);

    const auto all = ReadJournal(journal);
    const std::string report = ReportText(all, journal);
    for (const char* part :
         {"2026-12-07 09:15  2 of 3 right  (LCM: 1 of 1 right, GCF: 1 of 2 right)",
          "2026-12-08 10:02  1 of 4 right", "All 2 games: 3 of 7 right", "GCF: 1 of 4 right"})
        EXPECT_NE(report.find(part), std::string::npos) << part << "\n" << report;
    EXPECT_EQ(ReportCsv(all),
              "\"start\",\"questions\",\"right\",\"lcm_asked\",\"lcm_right\",\"gcf_asked\",\"gcf_right\","
              "\"fractions_asked\",\"fractions_right\"\r\n"
              "\"2026-12-07 09:15\",3,2,1,1,2,1,0,0\r\n"
              "\"2026-12-08 10:02\",4,1,2,1,2,0,0,0\r\n");
}

// A classmate's journal meant to take over the teacher's spreadsheet or
// terminal: lines that do not parse are skipped and counted, the CSV holds
// nothing a spreadsheet runs and exactly nine cells a row, the texts no
// control character at all.
TEST(GameSummary, AHostileJournalReachesNeitherSpreadsheetNorTerminal)
{
    const zorbik::testing::TempFolder temp("zorbik-hostile");
    const std::string journal = temp.at("Journal.txt");
    const std::string rest = "\t7\tLCM\t1\t1\tright\tno-hint\tq\t1\t1\tw\r\n";
    std::string bytes;
    for (const char* time : {"=HYPERLINK(\"http://x\",\"y\")", "+cmd|' /C calc'!A0", "@SUM(A1:A9)",
                             "-2+3,4,5,6", "2026-12-08T10:02:03+0100\x1B]0;owned\x07", "\t", ""})
        bytes += time + rest;
    bytes += JournalLine(Asked(7, Topic::Lcm, "right", "12"));
    zorbik::testing::Put(journal, bytes + "2026-12-08T10:02:03+0100\t8\tGCF\t1\t1\twrong\tno-hint\t"
                                          "Q\x1B[31m\t\x1B]52;c;x\x07\xE2\x80\xAE"
                                          "6\t6\tw\x9B\r\n");
    std::size_t skipped = 0;
    const auto entries = ReadJournal(journal, 0, &skipped);
    EXPECT_EQ(entries.size(), 2u);
    EXPECT_EQ(skipped, 7u);

    const std::string csv = ReportCsv(entries);
    std::size_t rows = 0;
    for (std::size_t at = 0, end; (end = csv.find("\r\n", at)) != std::string::npos; at = end + 2, ++rows) {
        const std::string row = csv.substr(at, end - at);
        EXPECT_EQ(std::count(row.begin(), row.end(), ','), 8) << row;
        EXPECT_EQ(row.front(), '"') << row;
        EXPECT_EQ(std::string("=+-@\t\r").find(row[1]), std::string::npos) << row;
    }
    EXPECT_EQ(rows, 3u);
    const std::string texts =
        ReportText(entries, journal + "\x1B[0m", skipped) + SummaryText(entries, "Bo\x07");
    EXPECT_NE(texts.find("7 lines of the journal could not be read"), std::string::npos) << texts;
    EXPECT_NE(texts.find("Q[31m (you typed ]52;c;x6;"), std::string::npos) << texts;
    for (unsigned char c : texts)
        EXPECT_TRUE(c == '\n' || (c >= 0x20 && c != 0x7F)) << int(c);
    EXPECT_EQ(texts.find("\xE2\x80\xAE"), std::string::npos);
    EXPECT_EQ(texts.find("\xC2\x9B"), std::string::npos);
}

// --questions is checked and handed to the quiz through the environment;
// --report and --csv start nothing.
TEST(GameSummary, OptionsForTheCeilingAndTheReport)
{
    using Action = LauncherOptions::Action;
    const auto parse = [](QStringList words) {
        words.prepend("zorbik");
        return ParseLauncherOptions(words);
    };
    const struct {
        QStringList words;
        Action action;
        const char* says; // part of the refusal
    } cases[] = {
        {{"--play", "--name", "Ann", "--questions", "gentle"}, Action::Play, ""},
        {{"--play", "--name", "Ann", "--questions", "7"}, Action::Play, ""},
        {{"--play", "--name", "Ann", "--questions", "15"}, Action::Refuse, "unknown question level '15'"},
        {{"--questions", "hard"}, Action::Refuse, "gentle, standard, challenging"},
        {{"--report"}, Action::Report, ""},
        {{"--report", "--csv"}, Action::Report, ""},
        {{"--csv"}, Action::Refuse, "--csv goes with --report"},
        {{"--report", "--play", "--name", "Ann"}, Action::Refuse, "starts nothing"},
    };
    for (const auto& c : cases) {
        const LauncherOptions o = parse(c.words);
        EXPECT_EQ(o.action, c.action) << c.words.join(' ').toStdString();
        EXPECT_NE(o.text.find(c.says), std::string::npos) << o.text;
    }
    EXPECT_TRUE(parse({"--report", "--csv"}).csv);

    HandCeilingToQuiz(parse({"--play", "--name", "Ann", "--questions", "standard"}), false);
    EXPECT_STREQ(std::getenv("ZORBIK_QUESTIONS"), "standard");
    HandCeilingToQuiz(parse({"--play", "--name", "Ann"}), false);
    EXPECT_EQ(std::getenv("ZORBIK_QUESTIONS"), nullptr);
}

} // namespace
