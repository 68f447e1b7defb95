#include "Report.h"

#include "desktop/FilledText.h"

#include <QCoreApplication>

#include "GameStart.h"
#include "LauncherOptions.h"
#include "PlayingFolder.h"
#include "Summary.h"

#include <QSettings>

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace zorbik {

namespace {

constexpr const char* CeilingKey = "game/questions";

std::string Journal(const LauncherOptions& options)
{
    return PlayersJournal(LauncherFolder(), !ClassroomFolder(options).empty());
}

// The player's settings file, when it is a plain file or not there yet: a
// FIFO or device in its place is never opened.
bool SettingsReadable(const QSettings& settings)
{
    struct stat st {};
    const QByteArray path = settings.fileName().toLocal8Bit();
    return ::stat(path.constData(), &st) != 0 || S_ISREG(st.st_mode);
}

} // namespace

void HandCeilingToQuiz(const LauncherOptions& options, bool window)
{
    std::string ceiling = options.questions.value_or("");
    if (window) {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "zorbik", "zorbik");
        if (SettingsReadable(settings)) {
            if (options.questions)
                settings.setValue(CeilingKey, QString::fromStdString(ceiling));
            else
                ceiling = settings.value(CeilingKey).toString().toStdString();
        }
    }
    if (ceiling.empty())
        ::unsetenv("ZORBIK_QUESTIONS");
    else
        ::setenv("ZORBIK_QUESTIONS", ceiling.c_str(), 1);
}

int PlayWithSummary(const LauncherOptions& options)
{
    const JournalMark mark = MarkJournal(Journal(options));
    const int status = PlayAtOnce(options);
    const std::string summary = SummaryText(EntriesSince(mark), options.name.value_or(""));
    std::fputs(summary.empty() ? Filled(QCoreApplication::translate(
                                            "Launcher", "No questions were asked in this game.\n"))
                                     .c_str()
                               : summary.c_str(),
               stdout);
    return status;
}

int ReportAtOnce(const LauncherOptions& options)
{
    const std::string journal = Journal(options);
    std::size_t skipped = 0;
    const auto entries = quiz::ReadJournal(journal, 0, &skipped);
    const std::string text = options.csv ? ReportCsv(entries) : ReportText(entries, journal, skipped);
    std::fputs(text.c_str(), stdout);
    return 0;
}

} // namespace zorbik
