// The accessibility options a pupil picks in the launcher: the colour-blind
// map, high contrast, and larger text and buttons. Each is remembered for the
// player (~/.config/zorbik/zorbik.conf, group "access") over what a teacher
// sets for the whole class (/etc/xdg/zorbik/zorbik.conf, the same keys), and
// reaches the game in its environment.
#pragma once

namespace zorbik {

struct AccessibilityChoice {
    bool colourBlindMap = false;
    bool highContrast = false;
    bool largerText = false;
    bool operator==(const AccessibilityChoice&) const = default;
};

// The player's remembered choice, else the class-wide one, else all off.
AccessibilityChoice ChosenAccessibility();
void RememberAccessibility(const AccessibilityChoice& choice);

// Sets (or clears) the environment words the game reads.
void HandAccessibilityToGame(const AccessibilityChoice& choice);

} // namespace zorbik
