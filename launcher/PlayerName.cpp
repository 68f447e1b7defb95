#include "PlayerName.h"

#include "desktop/FilledText.h"

#include <QCoreApplication>

#include "common/Utf8Text.h"
#include "outside/HighScores.h"
#include "outside/ShownName.h"

namespace zorbik {

namespace {

// The name as the name file keeps it: without controls and direction
// marks, and without the blanks around it.
std::string Cleaned(const std::string& name)
{
    const std::string clean = WithoutInvisibleControls(name);
    const size_t first = clean.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return clean.substr(first, clean.find_last_not_of(' ') - first + 1);
}

} // namespace

bool IsBlankName(const std::string& name)
{
    return Cleaned(name).empty();
}

std::string NameKeptInTable(const std::string& name)
{
    return WholeLettersWithin(Cleaned(name), NameWidth);
}

std::string NameNote(const std::string& name, bool& playable)
{
    playable = !IsBlankName(name);
    if (!playable)
        return Filled(QCoreApplication::translate("Launcher", "Type your name to play."));
    const std::string kept = NameKeptInTable(name);
    if (kept == Cleaned(name))
        return Filled(QCoreApplication::translate("Launcher", "In the high-score table: %1"), kept);
    return Filled(
        QCoreApplication::translate("Launcher", "In the high-score table: %1 (the rest does not fit)"), kept);
}

} // namespace zorbik
