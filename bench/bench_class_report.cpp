// The teacher's view of a class over a school year: a class record of 30
// pupils x 6,000 lines is made in memory and in a temporary folder, then
// read, parsed, counted, printed as text and CSV, and laid out as the
// class's window (its table and charts, never shown). Prints one line:
//   pupils=30 lines=180000 bytes=.. read_ms=.. parse_ms=.. tally_ms=..
//   text_ms=.. csv_ms=.. window_ms=.. total_ms=..
// (total_ms: from reading the file to the window's model, without making
// the record).
#include "launcher/ClassRecordFile.h"
#include "launcher/ClassReport.h"
#include "launcher/ClassWindow.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

using namespace zorbik;

namespace {

constexpr int Pupils = 30;
constexpr int LinesPerPupil = 6000;
constexpr std::time_t YearStart = 1788220800; // 2026-09-01 00:00 UTC

std::string MakeRecord()
{
    std::mt19937 random(7);
    std::string bytes;
    bytes.reserve(std::size_t(Pupils) * LinesPerPupil * 200);
    // Games in order through the year, each of a random pupil with a fair
    // share of lines each.
    for (int i = 0; i < Pupils * LinesPerPupil; ++i) {
        ClassRecordLine line;
        const std::time_t at = YearStart + std::time_t(i) * (300 * 86400 / (Pupils * LinesPerPupil));
        struct tm local {};
        ::gmtime_r(&at, &local);
        char time[32];
        std::strftime(time, sizeof time, "%Y-%m-%dT%H:%M:%S+0100", &local);
        line.time = time;
        const int pupil = i % Pupils;
        line.login = "pupil" + std::to_string(pupil);
        line.name = "Пётр Иванович " + std::to_string(pupil) + " Zoé-Marie";
        line.level = 1 + int(random() % 9);
        line.score = random() % 100000;
        for (TopicTally& t : line.topics) {
            t.asked = int(random() % 12);
            t.right = t.asked ? int(random() % (t.asked + 1)) : 0;
            t.hints = t.asked - t.right ? int(random() % (t.asked - t.right + 1)) : 0;
        }
        for (int m = int(random() % 4); m > 0; --m)
            line.mistakes.emplace_back(MistakeWords[random() % MistakeWords.size()]);
        bytes += RecordLine(line);
    }
    return bytes;
}

double Since(std::chrono::steady_clock::time_point& from)
{
    const auto now = std::chrono::steady_clock::now();
    const double ms = std::chrono::duration<double, std::milli>(now - from).count();
    from = now;
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string record = MakeRecord();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("zorbik-bench-class-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / ClassRecordName, std::ios::binary) << record;

    auto clock = std::chrono::steady_clock::now();
    const auto start = clock;
    const ClassRecordBytes read = ReadClassRecordIn(folder.string());
    const double readMs = Since(clock);
    std::size_t unread = 0;
    const auto lines = ParseRecord(read.bytes, &unread);
    const double parseMs = Since(clock);
    ClassTally tally = TallyClass(lines, unread, YearStart + 300 * 86400);
    const double tallyMs = Since(clock);
    const std::string text = ClassReportText(tally, folder.string());
    const double textMs = Since(clock);
    const std::string csv = ClassReportCsv(tally);
    const double csvMs = Since(clock);
    ClassWindow window(std::move(tally), folder.string());
    const double windowMs = Since(clock);
    const double totalMs = std::chrono::duration<double, std::milli>(clock - start).count();
    std::filesystem::remove_all(folder);

    std::printf("pupils=%d lines=%zu bytes=%zu unread=%zu read_ms=%.1f parse_ms=%.1f tally_ms=%.1f "
                "text_ms=%.1f csv_ms=%.1f window_ms=%.1f total_ms=%.1f\n",
                Pupils, lines.size(), record.size(), unread, readMs, parseMs, tallyMs, textMs, csvMs,
                windowMs, totalMs);
    return read.reading == RecordReading::Read && lines.size() == std::size_t(Pupils) * LinesPerPupil &&
                   text.size() > 0 && csv.size() > 0
               ? 0
               : 1;
}
