#include "Settings.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>

namespace zorbik {

namespace {

// The suite's organisation and application: the files' folder and name.
constexpr const char* Organisation = "zorbik";
constexpr const char* Application = "zorbik";

QString ApplicationFile(const QString& folder)
{
    return folder + '/' + Organisation + '/' + Application + ".conf";
}

QString OrganisationFile(const QString& folder)
{
    return folder + '/' + Organisation + ".conf";
}

// The files of a scope, the one that holds a key first wins.
QStringList FilesOf(SettingsScope scope)
{
    QStringList classFolders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    const QString playerFolder = classFolders.isEmpty() ? QString() : classFolders.takeFirst();
    QStringList files;
    if (scope == SettingsScope::Player)
        files << ApplicationFile(playerFolder) << OrganisationFile(playerFolder);
    for (const QString& folder : classFolders)
        files << ApplicationFile(folder);
    for (const QString& folder : classFolders)
        files << OrganisationFile(folder);
    return files;
}

} // namespace

bool SettingsFileUsable(const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT;
    return S_ISREG(st.st_mode);
}

Settings::Settings(SettingsScope scope)
{
    const QStringList files = FilesOf(scope);
    fileName_ = files.value(0);
    usable_ = !fileName_.isEmpty() && SettingsFileUsable(fileName_);
    if (scope == SettingsScope::Player && !usable_)
        return;
    for (const QString& file : files) {
        if (!SettingsFileUsable(file))
            continue;
        files_.push_back(std::make_unique<QSettings>(file, QSettings::IniFormat));
        if (file == fileName_)
            own_ = files_.back().get();
    }
}

Settings::~Settings() = default;

QString Settings::fileName() const
{
    return fileName_;
}

bool Settings::usable() const
{
    return usable_;
}

std::optional<QVariant> Settings::value(const char* key) const
{
    for (const auto& file : files_)
        if (file->contains(key))
            return file->value(key);
    return std::nullopt;
}

void Settings::setValue(const char* key, const QVariant& value)
{
    if (own_)
        own_->setValue(key, value);
}

void Settings::sync()
{
    if (own_)
        own_->sync();
}

QString Settings::text(const char* key) const
{
    const std::optional<QVariant> v = value(key);
    return v ? v->toString() : QString();
}

std::optional<bool> Settings::flag(const char* key) const
{
    const std::optional<QVariant> v = value(key);
    return v ? std::optional<bool>(v->toBool()) : std::nullopt;
}

void Settings::forgetLanguage()
{
    if (own_)
        own_->remove(LanguageKey);
}

} // namespace zorbik
