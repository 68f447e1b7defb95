#include "AccessibilityOptions.h"

#include "common/Protocol.h"
#include "settings/Settings.h"

#include <cstdlib>
#include <optional>

namespace zorbik {

namespace {

struct Option {
    std::optional<bool> (Settings::*remembered)() const;
    void (Settings::*remember)(bool);
    bool AccessibilityChoice::*field;
    const char* variable;
};

const Option Options[] = {
    {&Settings::colourBlindMap, &Settings::setColourBlindMap, &AccessibilityChoice::colourBlindMap,
     ColourBlindMapVariable},
    {&Settings::highContrast, &Settings::setHighContrast, &AccessibilityChoice::highContrast,
     HighContrastVariable},
    {&Settings::largerText, &Settings::setLargerText, &AccessibilityChoice::largerText, LargerTextVariable},
};

} // namespace

AccessibilityChoice ChosenAccessibility()
{
    const Settings player(SettingsScope::Player);
    const Settings classWide(SettingsScope::Class);
    AccessibilityChoice choice;
    for (const Option& o : Options)
        choice.*o.field = (player.*o.remembered)().value_or((classWide.*o.remembered)().value_or(false));
    return choice;
}

void RememberAccessibility(const AccessibilityChoice& choice)
{
    Settings player(SettingsScope::Player);
    if (!player.usable() || ChosenAccessibility() == choice)
        return;
    for (const Option& o : Options)
        (player.*o.remember)(choice.*o.field);
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
