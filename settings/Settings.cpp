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

constexpr const char* PlayerNameKey = "player/name";
constexpr const char* TopicKey = "game/topic";
constexpr const char* SoundKey = "game/sound";
constexpr const char* HiddenKey = "game/hidden";
constexpr const char* LauncherCeilingKey = "game/questions";
constexpr const char* TeachersCeilingKey = "questions";
constexpr const char* SharedFolderKey = "sharedFolder";
constexpr const char* LanguageKey = "language";
constexpr const char* ColourBlindMapKey = "access/colourBlindMap";
constexpr const char* HighContrastKey = "access/highContrast";
constexpr const char* LargerTextKey = "access/largerText";

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

QString Text(const std::optional<QVariant>& v)
{
    return v ? v->toString() : QString();
}

std::optional<bool> Flag(const std::optional<QVariant>& v)
{
    return v ? std::optional<bool>(v->toBool()) : std::nullopt;
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

QString Settings::playerName() const
{
    return Text(value(PlayerNameKey));
}

void Settings::setPlayerName(const QString& name)
{
    setValue(PlayerNameKey, name);
}

QString Settings::topicWord() const
{
    return Text(value(TopicKey));
}

void Settings::setTopicWord(const QString& word)
{
    setValue(TopicKey, word);
}

bool Settings::sound() const
{
    return Flag(value(SoundKey)).value_or(true);
}

void Settings::setSound(bool on)
{
    setValue(SoundKey, on);
}

bool Settings::hiddenMaze() const
{
    return Flag(value(HiddenKey)).value_or(false);
}

void Settings::setHiddenMaze(bool hidden)
{
    setValue(HiddenKey, hidden);
}

QString Settings::launcherCeiling() const
{
    return Text(value(LauncherCeilingKey));
}

void Settings::setLauncherCeiling(const QString& word)
{
    setValue(LauncherCeilingKey, word);
}

QString Settings::teachersCeiling() const
{
    return Text(value(TeachersCeilingKey));
}

QString Settings::sharedFolder() const
{
    return Text(value(SharedFolderKey));
}

QString Settings::language() const
{
    return Text(value(LanguageKey));
}

void Settings::setLanguage(const QString& code)
{
    setValue(LanguageKey, code);
}

void Settings::forgetLanguage()
{
    if (own_)
        own_->remove(LanguageKey);
}

std::optional<bool> Settings::colourBlindMap() const
{
    return Flag(value(ColourBlindMapKey));
}

void Settings::setColourBlindMap(bool on)
{
    setValue(ColourBlindMapKey, on);
}

std::optional<bool> Settings::highContrast() const
{
    return Flag(value(HighContrastKey));
}

void Settings::setHighContrast(bool on)
{
    setValue(HighContrastKey, on);
}

std::optional<bool> Settings::largerText() const
{
    return Flag(value(LargerTextKey));
}

void Settings::setLargerText(bool on)
{
    setValue(LargerTextKey, on);
}

} // namespace zorbik
