#include "AccessibilityOptions.h"

#include "common/Protocol.h"

#include <QSettings>

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace zorbik {

namespace {

struct Option {
    const char* key;
    bool AccessibilityChoice::*field;
    const char* variable;
};

const Option Options[] = {
    {"access/colourBlindMap", &AccessibilityChoice::colourBlindMap, ColourBlindMapVariable},
    {"access/highContrast", &AccessibilityChoice::highContrast, HighContrastVariable},
    {"access/largerText", &AccessibilityChoice::largerText, LargerTextVariable},
};

// A settings file is read only when it is missing or a plain file.
bool Readable(const QSettings& settings)
{
    struct stat st {};
    return ::stat(settings.fileName().toLocal8Bit().constData(), &st) != 0 ? errno == ENOENT
                                                                           : S_ISREG(st.st_mode);
}

} // namespace

AccessibilityChoice ChosenAccessibility()
{
    const QSettings player(QSettings::NativeFormat, QSettings::UserScope, "zorbik", "zorbik");
    const QSettings classWide(QSettings::NativeFormat, QSettings::SystemScope, "zorbik", "zorbik");
    const bool playerReadable = Readable(player);
    const bool classReadable = Readable(classWide);
    AccessibilityChoice choice;
    for (const Option& o : Options) {
        if (playerReadable && player.contains(o.key))
            choice.*o.field = player.value(o.key).toBool();
        else if (classReadable)
            choice.*o.field = classWide.value(o.key, false).toBool();
    }
    return choice;
}

void RememberAccessibility(const AccessibilityChoice& choice)
{
    QSettings player(QSettings::NativeFormat, QSettings::UserScope, "zorbik", "zorbik");
    if (!Readable(player) || ChosenAccessibility() == choice)
        return;
    for (const Option& o : Options)
        player.setValue(o.key, choice.*o.field);
    player.sync();
}

void HandAccessibilityToGame(const AccessibilityChoice& choice)
{
    for (const Option& o : Options) {
        if (choice.*o.field)
            ::setenv(o.variable, "1", 1);
        else
            ::unsetenv(o.variable);
    }
}

} // namespace zorbik
