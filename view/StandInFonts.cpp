#include "StandInFonts.h"

namespace zorbik {

void InstallStandInFonts()
{
    // The common stand-in for "MS Sans Serif" is much wider: "Health" would
    // no longer fit its 46 pixels.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    QFont::insertSubstitution("Courier New", "Liberation Mono");
}

QFont WindowFont()
{
    QFont font("MS Sans Serif");
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

} // namespace zorbik
