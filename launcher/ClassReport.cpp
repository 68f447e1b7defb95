#include "ClassReport.h"

#include "ClassRecordFile.h"
#include "LauncherOptions.h"
#include "common/Utf8Text.h"
#include "desktop/FilledText.h"

#include <QCoreApplication>

#include <cstdio>
#include <string_view>

namespace zorbik {

namespace {

constexpr std::string_view ColumnGap = "  ";

// Letters as a terminal shows them: the UTF-8 lead bytes.
std::size_t Letters(std::string_view text)
{
    std::size_t letters = 0;
    for (const char c : text)
        letters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return letters;
}

std::string Shown(std::string_view text)
{
    return WithoutInvisibleControls(text);
}

std::string TopicCell(const PupilTally& pupil, std::size_t topic)
{
    return RightOfAskedText(pupil.recent[topic]) + " | " + RightOfAskedText(pupil.before[topic]);
}

std::string MistakesCell(const PupilTally& pupil)
{
    std::string cell;
    for (const NamedMistake& m : pupil.mistakes)
        cell += (cell.empty() ? "" : ", ") + Filled(QCoreApplication::translate("ClassReport", "%1 (%2)"),
                                                    MistakeInWords(m.word), m.times);
    return cell.empty() ? "-" : cell;
}

std::string Aligned(const std::vector<std::vector<std::string>>& rows)
{
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths.resize(std::max(widths.size(), row.size()));
            widths[c] = std::max(widths[c], Letters(row[c]));
        }
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size())
                line += std::string(widths[c] - Letters(row[c]), ' ') + std::string(ColumnGap);
        }
        out += line + "\n";
    }
    return out;
}

} // namespace

// English picks its form here; each translation has all its plural forms.
std::string PupilsText(std::size_t n)
{
    return Filled(n == 1 ? QCoreApplication::translate("ClassReport", "%n pupil", nullptr, 1)
                         : QCoreApplication::translate("ClassReport", "%n pupils", nullptr, int(n)));
}

std::string GamesText(std::size_t n)
{
    return Filled(n == 1 ? QCoreApplication::translate("ClassReport", "%n game", nullptr, 1)
                         : QCoreApplication::translate("ClassReport", "%n games", nullptr, int(n)));
}

std::string UnreadText(std::size_t n)
{
    return Filled(
        n == 1
            ? QCoreApplication::translate(
                  "ClassReport", "%n line of the record could not be read (cut off, or of a later version).",
                  nullptr, 1)
            : QCoreApplication::translate(
                  "ClassReport", "%n lines of the record could not be read (cut off, or of a later version).",
                  nullptr, int(n)));
}

bool LoadClassTally(const std::string& folder, std::time_t now, ClassTally& tally, std::string& refusal)
{
    ClassRecordBytes read = ReadClassRecordIn(folder);
    if (read.reading != RecordReading::Read) {
        refusal = RecordRefusal(read, folder);
        return false;
    }
    std::size_t unread = 0;
    const auto lines = ParseRecord(read.bytes, &unread);
    read.bytes = std::string(); // the lines hold what is needed
    tally = TallyClass(lines, unread, now);
    return true;
}

std::string MistakeInWords(std::size_t word)
{
    switch (word) {
    case 0:
        return Filled(QCoreApplication::translate("ClassReport", "the product for the LCM"));
    case 1:
        return Filled(QCoreApplication::translate("ClassReport", "a common multiple, not the least"));
    case 2:
        return Filled(QCoreApplication::translate("ClassReport", "the GCF for the LCM"));
    case 3:
        return Filled(QCoreApplication::translate("ClassReport", "a common factor, not the greatest"));
    case 4:
        return Filled(QCoreApplication::translate("ClassReport", "the LCM for the GCF"));
    case 5:
        return Filled(QCoreApplication::translate("ClassReport", "the bottom numbers added"));
    case 6:
        return Filled(QCoreApplication::translate("ClassReport", "top and bottom numbers added"));
    case 7:
        return Filled(QCoreApplication::translate("ClassReport", "the fractions multiplied"));
    case 8:
        return Filled(QCoreApplication::translate("ClassReport", "not in lowest terms"));
    }
    return word < MistakeWords.size() ? MistakeWords[word] : "-";
}

std::string RecordTopicName(std::size_t topic)
{
    return Filled(topic == 0   ? QCoreApplication::translate("ClassReport", "LCM")
                  : topic == 1 ? QCoreApplication::translate("ClassReport", "GCF")
                               : QCoreApplication::translate("ClassReport", "Fractions"));
}

std::string RightOfAskedText(const RightOfAsked& counts)
{
    return counts.asked == 0 ? "-" : std::to_string(counts.right) + "/" + std::to_string(counts.asked);
}

std::string GameDate(const std::string& time)
{
    std::string date = time.substr(0, 16);
    if (date.size() > 10 && date[10] == 'T')
        date[10] = ' ';
    return date;
}

std::string LocalDate(std::time_t moment)
{
    struct tm local {};
    char text[16] = "";
    if (::localtime_r(&moment, &local))
        std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

std::string ClassReportText(const ClassTally& tally, const std::string& folder)
{
    std::string out = Filled(QCoreApplication::translate("ClassReport", "The class in %1: %2, %3."),
                             Shown(folder), PupilsText(tally.pupils.size()), GamesText(tally.games)) +
                      "\n";
    if (tally.unread > 0)
        out += UnreadText(tally.unread) + "\n";
    if (tally.pupils.empty())
        return out + Filled(QCoreApplication::translate("ClassReport", "No game has been recorded yet.")) +
               "\n";
    out +=
        Filled(QCoreApplication::translate(
                   "ClassReport", "Per topic: right answers of those asked in the last 4 weeks (since %1) | "
                                  "in the weeks before."),
               LocalDate(tally.recentSince)) +
        "\n\n";
    std::vector<std::vector<std::string>> rows;
    rows.push_back({Filled(QCoreApplication::translate("ClassReport", "Login")),
                    Filled(QCoreApplication::translate("ClassReport", "Name")),
                    Filled(QCoreApplication::translate("ClassReport", "Games")),
                    Filled(QCoreApplication::translate("ClassReport", "Last game")), RecordTopicName(0),
                    RecordTopicName(1), RecordTopicName(2),
                    Filled(QCoreApplication::translate("ClassReport", "Most frequent mistakes"))});
    for (const PupilTally& p : tally.pupils)
        rows.push_back({Shown(p.login), Shown(p.name), std::to_string(p.games), GameDate(p.lastGame),
                        TopicCell(p, 0), TopicCell(p, 1), TopicCell(p, 2), MistakesCell(p)});
    return out + Aligned(rows);
}

std::string ClassReportCsv(const ClassTally& tally)
{
    std::string out = "login,name,games,last_game";
    for (const char* topic : {"lcm", "gcf", "fractions"})
        for (const char* part : {"_recent_right", "_recent_asked", "_before_right", "_before_asked"})
            out += std::string(",") + topic + part;
    out += ",mistake_1,mistake_1_times,mistake_2,mistake_2_times,mistake_3,mistake_3_times\r\n";
    for (const PupilTally& p : tally.pupils) {
        out += SpreadsheetCell(p.login) + "," + SpreadsheetCell(p.name) + "," + std::to_string(p.games) +
               "," + GameDate(p.lastGame);
        for (std::size_t t = 0; t < RecordTopics; ++t)
            for (const RightOfAsked& c : {p.recent[t], p.before[t]})
                out += "," + std::to_string(c.right) + "," + std::to_string(c.asked);
        for (std::size_t m = 0; m < MistakesShown; ++m)
            out += m < p.mistakes.size() ? std::string(",") + MistakeWords[p.mistakes[m].word] + "," +
                                               std::to_string(p.mistakes[m].times)
                                         : std::string(",,");
        out += "\r\n";
    }
    return out;
}

int ClassReportAtOnce(const LauncherOptions& options)
{
    ClassTally tally;
    std::string refusal;
    if (!LoadClassTally(options.classFolder, std::time(nullptr), tally, refusal)) {
        std::fprintf(stderr, "zorbik: %s\n", refusal.c_str());
        return 1;
    }
    if (options.csv) {
        std::fputs(ClassReportCsv(tally).c_str(), stdout);
        // The spreadsheet's rows stay rows: what could not be read is told aside.
        if (tally.unread > 0)
            std::fprintf(stderr, "zorbik: %s\n", UnreadText(tally.unread).c_str());
    } else {
        std::fputs(ClassReportText(tally, options.classFolder).c_str(), stdout);
    }
    return 0;
}

} // namespace zorbik
