#include "LanguageChoice.h"

#include "desktop/Translations.h"

#include <QSettings>

#include <cstdlib>
#include <sys/stat.h>

namespace zorbik {

namespace {

constexpr const char* LanguageKey = "language";

// A code such as "de", "pt_BR" or "C": letters, digits, "_" and "-" only,
// so that nothing else reaches the environment.
QString Cleaned(const QString& code)
{
    const QString trimmed = code.trimmed();
    if (trimmed.size() > 16)
        return {};
    for (const QChar c : trimmed)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != '_' && c != '-')
            return {};
    return trimmed;
}

// The player's settings file, when it is a plain file or not there yet: a
// FIFO or device in its place is never opened.
bool Readable(const QSettings& settings)
{
    struct stat st {};
    return ::stat(settings.fileName().toLocal8Bit().constData(), &st) != 0 || S_ISREG(st.st_mode);
}

} // namespace

QString LanguageOnCommandLine(const QStringList& arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if ((word == "--language" || word == "-language") && i + 1 < arguments.size())
            return Cleaned(arguments[i + 1]);
        for (const char* prefix : {"--language=", "-language="})
            if (word.startsWith(prefix))
                return Cleaned(word.mid(QString(prefix).size()));
    }
    return {};
}

QString ChosenLanguage(const QStringList& arguments)
{
    if (const QString given = LanguageOnCommandLine(arguments); !given.isEmpty())
        return given;
    const QSettings player(QSettings::NativeFormat, QSettings::UserScope, "zorbik", "zorbik");
    if (Readable(player))
        if (const QString remembered = Cleaned(player.value(LanguageKey).toString()); !remembered.isEmpty())
            return remembered;
    const QSettings classWide(QSettings::NativeFormat, QSettings::SystemScope, "zorbik", "zorbik");
    return Cleaned(classWide.value(LanguageKey).toString());
}

void RememberLanguage(const QString& code)
{
    QSettings player(QSettings::NativeFormat, QSettings::UserScope, "zorbik", "zorbik");
    if (!Readable(player))
        return;
    if (code.isEmpty())
        player.remove(LanguageKey);
    else
        player.setValue(LanguageKey, Cleaned(code));
    player.sync();
}

void UseLanguage(const QString& code, const QString& translationsFolder)
{
    if (!code.isEmpty())
        ::setenv("LANGUAGE", code.toLocal8Bit().constData(), 1);
    else
        ::unsetenv("LANGUAGE");
    if (!translationsFolder.isEmpty())
        ::setenv(TranslationsFolderVariable, translationsFolder.toLocal8Bit().constData(), 1);
}

} // namespace zorbik
