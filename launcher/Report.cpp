#include "Report.h"

#include "desktop/FilledText.h"

#include <QCoreApplication>

#include "GameStart.h"
#include "LauncherOptions.h"
#include "PlayingFolder.h"
#include "Summary.h"

#include "common/Protocol.h"
#include "settings/Settings.h"

#include <cstdio>
#include <cstdlib>

namespace zorbik {

namespace {

std::string Journal(const LauncherOptions& options)
{
    return PlayersJournal(LauncherFolder(), !ClassroomFolder(options).empty());
}

} // namespace

void HandCeilingToQuiz(const LauncherOptions& options, bool window)
{
    std::string ceiling = options.questions.value_or("");
    if (window) {
        Settings player(SettingsScope::Player);
        if (options.questions)
            player.setLauncherCeiling(QString::fromStdString(ceiling));
        else
            ceiling = player.launcherCeiling().toStdString();
    }
    if (ceiling.empty())
        ::unsetenv(QuestionCeilingVariable);
    else
        ::setenv(QuestionCeilingVariable, ceiling.c_str(), 1);
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
    const auto entries = ReadJournal(journal, 0, &skipped);
    const std::string text = options.csv ? ReportCsv(entries) : ReportText(entries, journal, skipped);
    std::fputs(text.c_str(), stdout);
    return 0;
}

} // namespace zorbik
