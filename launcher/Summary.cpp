#include "Summary.h"

#include "PlayingFolder.h"
#include "common/Programs.h"
#include "common/SafeFiles.h"
#include "common/Utf8Text.h"
#include "desktop/FilledText.h"

#include <QCoreApplication>

#include <array>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbik {

namespace {

constexpr std::array<Topic, 3> Topics = {Topic::Lcm, Topic::Gcf, Topic::Fractions};
constexpr std::size_t GamesShown = 10;

std::string TopicName(Topic t)
{
    return Filled(t == Topic::Lcm   ? QCoreApplication::translate("Launcher", "LCM")
                  : t == Topic::Gcf ? QCoreApplication::translate("Launcher", "GCF")
                                    : QCoreApplication::translate("Launcher", "Fractions"));
}

struct Tally {
    std::array<int, 3> asked{}, right{};
    int total() const { return asked[0] + asked[1] + asked[2]; }
    int totalRight() const { return right[0] + right[1] + right[2]; }
    void add(const JournalEntry& e)
    {
        ++asked[int(e.topic)];
        right[int(e.topic)] += e.counts();
    }
};

Tally TallyOf(const std::vector<JournalEntry>& entries)
{
    Tally t;
    for (const JournalEntry& e : entries)
        t.add(e);
    return t;
}

// "LCM 3 of 4 right" for every topic asked.
std::string PerTopic(const Tally& t, const std::string& separator)
{
    std::string out;
    for (Topic topic : Topics) {
        const int i = int(topic);
        if (t.asked[i] > 0)
            out += (out.empty() ? "" : separator) +
                   Filled(QCoreApplication::translate("Launcher", "%1: %2 of %3 right"), TopicName(topic),
                          t.right[i], t.asked[i]);
    }
    return out;
}

std::string Encouragement(const Tally& t)
{
    const int right = t.totalRight(), total = t.total();
    if (right == total)
        return Filled(QCoreApplication::translate("Launcher", "Perfect - every question right!"));
    if (right * 10 >= total * 7)
        return Filled(QCoreApplication::translate("Launcher", "Great work - keep it up!"));
    if (right * 10 >= total * 4)
        return Filled(
            QCoreApplication::translate("Launcher", "Good effort - every question makes you stronger."));
    return Filled(QCoreApplication::translate(
        "Launcher", "Keep practising - the working above shows the way, and you will get them next time!"));
}

// The journal's entries in games: a run of entries asked by one game.
std::vector<std::vector<JournalEntry>> Games(const std::vector<JournalEntry>& entries)
{
    std::vector<std::vector<JournalEntry>> games;
    for (const JournalEntry& e : entries) {
        if (games.empty() || games.back().back().game != e.game)
            games.emplace_back();
        games.back().push_back(e);
    }
    return games;
}

// "2026-12-08 10:02" of the journal's time.
std::string When(const std::string& time)
{
    std::string when = time.substr(0, 16);
    if (when.size() > 10 && when[10] == 'T')
        when[10] = ' ';
    return when;
}

} // namespace

std::string PlayersJournal(const std::string& launcherFolder, bool classroom)
{
    const std::string suite = OwnSuiteOf(launcherFolder);
    const bool installed = suite != PathIn(launcherFolder, "");
    const std::string folder = !classroom && SuiteWritable(suite) && !(installed && ::geteuid() == 0)
                                   ? suite
                                   : PersonalPlayingFolder();
    return folder.empty() ? std::string() : folder + "Quiz/" + JournalFileName;
}

JournalMark MarkJournal(const std::string& path)
{
    struct stat st {};
    const bool plain = !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    return {path, plain ? static_cast<std::size_t>(st.st_size) : 0};
}

std::vector<JournalEntry> EntriesSince(const JournalMark& mark)
{
    if (mark.path.empty())
        return {};
    // A journal cut back to its newer half meanwhile is read whole; its
    // last game is the one just played.
    const JournalMark now = MarkJournal(mark.path);
    auto entries = ReadJournal(mark.path, now.size >= mark.size ? mark.size : 0);
    if (now.size < mark.size && !entries.empty()) {
        const long game = entries.back().game;
        std::erase_if(entries, [&](const JournalEntry& e) { return e.game != game; });
    }
    return entries;
}

std::string SummaryText(const std::vector<JournalEntry>& entries, const std::string& typedName)
{
    const std::string name = WithoutInvisibleControls(typedName);
    if (entries.empty())
        return {};
    const Tally t = TallyOf(entries);
    // English picks its form here; each translation has all its plural forms.
    const QString questions =
        t.total() == 1 ? QCoreApplication::translate("Launcher", "%n question", nullptr, t.total())
                       : QCoreApplication::translate("Launcher", "%n questions", nullptr, t.total());
    std::string out =
        (name.empty() ? Filled(QCoreApplication::translate("Launcher", "Your game: %1, %2 right."), questions,
                               t.totalRight())
                      : Filled(QCoreApplication::translate("Launcher", "The game of %1: %2, %3 right."), name,
                               questions, t.totalRight())) +
        "\n" + PerTopic(t, "\n") + "\n\n" + Encouragement(t) + "\n";
    std::string missed;
    for (const JournalEntry& e : entries) {
        if (e.counts())
            continue;
        const std::string how =
            e.verdict == JournalNotAnswered ? Filled(QCoreApplication::translate("Launcher", "not answered"))
            : e.verdict == JournalRight
                ? Filled(QCoreApplication::translate("Launcher", "right with the hint"))
                : Filled(QCoreApplication::translate("Launcher", "you typed %1"), e.typed);
        missed += "\n" +
                  Filled(QCoreApplication::translate("Launcher", "%1 (%2; the answer is %3)"), e.question,
                         how, e.answer) +
                  "\n   " + e.working + "\n";
    }
    if (!missed.empty())
        out += "\n" + Filled(QCoreApplication::translate("Launcher", "To look at again:")) + "\n" + missed;
    return out;
}

std::string ReportText(const std::vector<JournalEntry>& entries, const std::string& journalPath,
                       std::size_t skipped)
{
    // The path comes from the environment: it is shown without controls too.
    const std::string journal = WithoutInvisibleControls(journalPath);
    const int unreadLines = static_cast<int>(skipped);
    const std::string unread =
        skipped == 0
            ? std::string()
            : Filled(skipped == 1
                         ? QCoreApplication::translate(
                               "Launcher", "%n line of the journal could not be read and is left out.",
                               nullptr, 1)
                         : QCoreApplication::translate(
                               "Launcher", "%n lines of the journal could not be read and are left out.",
                               nullptr, unreadLines)) +
                  "\n";
    if (entries.empty())
        return Filled(QCoreApplication::translate("Launcher", "No questions in the journal yet (%1)."),
                      journal) +
               "\n" + unread;
    const auto games = Games(entries);
    std::string out = Filled(QCoreApplication::translate("Launcher", "Zorbik report (%1)"), journal) +
                      "\n\n" + Filled(QCoreApplication::translate("Launcher", "The last games:")) + "\n";
    for (std::size_t i = games.size() > GamesShown ? games.size() - GamesShown : 0; i < games.size(); ++i) {
        const Tally t = TallyOf(games[i]);
        out += "  " + When(games[i].front().time) + "  " +
               Filled(QCoreApplication::translate("Launcher", "%1 of %2 right  (%3)"), t.totalRight(),
                      t.total(), PerTopic(t, ", ")) +
               "\n";
    }
    const Tally all = TallyOf(entries);
    out += "\n" +
           Filled(games.size() == 1
                      ? QCoreApplication::translate("Launcher", "All %n game: %1 of %2 right", nullptr, 1)
                      : QCoreApplication::translate("Launcher", "All %n games: %1 of %2 right", nullptr,
                                                    int(games.size())),
                  all.totalRight(), all.total()) +
           "\n  " + PerTopic(all, "\n  ") + "\n";
    return out + (unread.empty() ? "" : "\n" + unread);
}

std::string ReportCsv(const std::vector<JournalEntry>& entries)
{
    // Every text cell quoted and kept from being read as a formula.
    std::string out;
    for (const char* name : {"start", "questions", "right", "lcm_asked", "lcm_right", "gcf_asked",
                             "gcf_right", "fractions_asked", "fractions_right"})
        out += (out.empty() ? "" : ",") + SpreadsheetCell(name);
    out += "\r\n";
    for (const auto& game : Games(entries)) {
        const Tally t = TallyOf(game);
        out += SpreadsheetCell(When(game.front().time)) + "," + std::to_string(t.total()) + "," +
               std::to_string(t.totalRight());
        for (Topic topic : Topics)
            out += "," + std::to_string(t.asked[int(topic)]) + "," + std::to_string(t.right[int(topic)]);
        out += "\r\n";
    }
    return out;
}

} // namespace zorbik
