#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdlib>

namespace zorbik {

namespace {

constexpr const char* InstalledName = "zorbik-translation";

bool HasTranslation(const QString& folder, const QString& language)
{
    return QFileInfo(folder + "/zorbik_" + language + ".qm").isFile();
}

// "pt_BR" for "pt-BR", "pt_BR.UTF-8" or "pt_BR@euro"; the part before the
// region alone when the suite has no file for the region.
QString SuiteLanguage(const QString& folder, QString asked)
{
    asked.replace('-', '_');
    asked = asked.section('.', 0, 0).section('@', 0, 0);
    if (HasTranslation(folder, asked))
        return asked;
    const QString base = asked.section('_', 0, 0);
    return HasTranslation(folder, base) ? base : QString();
}

bool IsEnglish(const QString& language)
{
    return language.isEmpty() || language == "C" || language == "POSIX" || language.startsWith("en");
}

} // namespace

QStringList TranslationFolders(const QString& programFolder)
{
    QStringList folders;
    if (const char* named = std::getenv(TranslationsFolderVariable); named && *named == '/')
        folders << QString::fromLocal8Bit(named);
    folders << programFolder + "/translations" << programFolder + "/../translations"
            << programFolder + "/../lib/zorbik/translations";
    return folders;
}

QString LoadTranslations(const QString& chosen)
{
    // Those of an earlier choice go first.
    for (QTranslator* earlier : QCoreApplication::instance()->findChildren<QTranslator*>(
             InstalledName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
    QString folder;
    for (const QString& candidate : TranslationFolders(QCoreApplication::applicationDirPath()))
        if (QFileInfo(candidate).isDir()) {
            folder = QDir::cleanPath(candidate);
            break;
        }
    if (folder.isEmpty())
        return {};
    // The first language asked for decides: an English one ends the search.
    QString language;
    for (const QString& asked : chosen.isEmpty() ? QLocale::system().uiLanguages() : QStringList{chosen}) {
        if (IsEnglish(asked))
            return {};
        language = SuiteLanguage(folder, asked);
        if (!language.isEmpty())
            break;
    }
    if (language.isEmpty())
        return {};
    auto* own = new QTranslator(QCoreApplication::instance());
    own->setObjectName(InstalledName);
    if (!own->load("zorbik_" + language, folder) || !QCoreApplication::installTranslator(own)) {
        delete own;
        return {};
    }
    auto* qt = new QTranslator(QCoreApplication::instance());
    qt->setObjectName(InstalledName);
    if (qt->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language;
}

} // namespace zorbik
