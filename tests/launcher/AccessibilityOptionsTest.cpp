// The accessibility options: all off by default, a teacher's class-wide
// choice holds until the pupil picks otherwise in the window, the pupil's
// choice is remembered, and the game is handed exactly the chosen words.
#include "launcher/AccessibilityOptions.h"
#include "common/Protocol.h"
#include "launcher/AccessibilityBox.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace zorbik {
namespace {

namespace fs = std::filesystem;

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "-";
}

TEST(AccessibilityOptions, ClassWideRememberedAndHandedToTheGame)
{
    const fs::path etc = fs::temp_directory_path() / "zorbik_access_etc";
    fs::remove_all(etc);
    fs::create_directories(etc / "zorbik");
    ::setenv("XDG_CONFIG_DIRS", etc.c_str(), 1);
    const QString playerFile = Settings(SettingsScope::Player).fileName();
    fs::remove(playerFile.toStdString());

    EXPECT_EQ(ChosenAccessibility(), AccessibilityChoice{});
    std::ofstream(etc / "zorbik" / "zorbik.conf") << "[access]\ncolourBlindMap=true\nlargerText=true\n";
    EXPECT_EQ(ChosenAccessibility(), (AccessibilityChoice{true, false, true}));

    // The window starts from the class's choice; the pupil's own is kept.
    AccessibilityBox box(ChosenAccessibility());
    EXPECT_EQ(box.choice(), (AccessibilityChoice{true, false, true}));
    box.findChildren<QCheckBox*>()[0]->setChecked(false);
    box.findChildren<QCheckBox*>()[1]->setChecked(true);
    RememberAccessibility(box.choice());
    EXPECT_EQ(ChosenAccessibility(), (AccessibilityChoice{false, true, true}));

    HandAccessibilityToGame(ChosenAccessibility());
    EXPECT_EQ(Variable(ColourBlindMapVariable), "-");
    EXPECT_EQ(Variable(HighContrastVariable), "1");
    EXPECT_EQ(Variable(LargerTextVariable), "1");
    HandAccessibilityToGame({});
    EXPECT_EQ(Variable(LargerTextVariable), "-");

    fs::remove(playerFile.toStdString());
    fs::remove_all(etc);
}

} // namespace
} // namespace zorbik
