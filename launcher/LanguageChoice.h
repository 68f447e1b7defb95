// The language the launcher, and the game and quiz it starts, speak: the
// command line's --language CODE, else the player's remembered choice
// (~/.config/zorbik/zorbik.conf, key "language"), else the class-wide one
// (/etc/xdg/zorbik/zorbik.conf, key "language"), else the system's.
#pragma once

#include <QString>
#include <QStringList>

namespace zorbik {

// The code given with --language CODE or --language=CODE, or empty.
QString LanguageOnCommandLine(const QStringList& arguments);

// The language chosen as above; empty for the system's.
QString ChosenLanguage(const QStringList& arguments);

// Remembers `code` (empty: the system's) as the player's choice.
void RememberLanguage(const QString& code);

// Makes `code` the language of this process and of every program it starts
// (through LANGUAGE, which Qt reads first), and hands them the launcher's
// translations folder. An empty code leaves the system's language (LC_ALL,
// LC_MESSAGES, LANG) to decide.
void UseLanguage(const QString& code, const QString& translationsFolder);

} // namespace zorbik
