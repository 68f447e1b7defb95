#include "LanguageChoice.h"

#include "desktop/Translations.h"
#include "settings/Settings.h"

#include <cstdlib>

namespace zorbik {

namespace {

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
    if (const QString remembered = Cleaned(Settings(SettingsScope::Player).language()); !remembered.isEmpty())
        return remembered;
    return Cleaned(Settings(SettingsScope::Class).language());
}

void RememberLanguage(const QString& code)
{
    Settings player(SettingsScope::Player);
    if (code.isEmpty())
        player.forgetLanguage();
    else
        player.setLanguage(Cleaned(code));
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
