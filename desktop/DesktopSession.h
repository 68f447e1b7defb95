// What the three programs of the suite (launcher, game and quiz) share with
// the desktop: a display, checked before the toolkit starts so that a start
// without one ends with one clear line instead of the toolkit's abort, and
// one identity (the desktop entry, the window class and Zorbik's icon), so
// that the taskbar and the window switcher show one application.
#pragma once

namespace zorbik {

// The desktop entry's name without ".desktop", which is also the icon's.
constexpr const char* DesktopEntryId = "org.zorbik.Maze";
// Both parts of every window's WM_CLASS; the desktop entry's StartupWMClass.
constexpr const char* DesktopWindowClass = "zorbik";

// Whether the environment names a display for the toolkit: a platform
// chosen with QT_QPA_PLATFORM, an X display or a Wayland display.
bool DisplayNamed();

// Prints the one line that says so on standard error: "<program>: no
// display: start Zorbik from a desktop session (...)".
void SayNoDisplay(const char* program);

// Before the application object is made: without a named display the
// program says so and ends with status 1. A display that is named but cannot be opened ends the
// same way once the application object tries it; until DisplayOpened() the
// toolkit's own messages are held back, so that only that line is printed.
void ExitUnlessDisplay(const char* program);

// Right after the application object is made: the display is open; the
// messages held back are printed as usual.
void DisplayOpened();

// Gives the application Zorbik's identity: the desktop entry, the window
// class and the icon (the installed theme's, else the one built in).
void ApplyDesktopIdentity();

} // namespace zorbik
