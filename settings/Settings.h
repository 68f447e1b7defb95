// The suite's settings in one place: every key the launcher and the quiz
// read or remember, typed, in the player's own file or in the class-wide one
// a teacher writes.
//
//   Player  ~/.config/zorbik/zorbik.conf (under XDG_CONFIG_HOME), which the
//           launcher writes; what it does not hold is looked up as in the
//           class-wide files
//   Class   zorbik/zorbik.conf in each folder of XDG_CONFIG_DIRS
//           (/etc/xdg by default), first folder first, never written
//
// and after each scope's own files the folder's zorbik.conf, as Qt has
// always looked them up. A file is only opened when it is missing or a plain
// file (SettingsFileUsable): a link, FIFO, device or folder in its place is
// never read or written, so it can neither hold a program on its first read
// nor send a write elsewhere.
#pragma once

#include <QString>
#include <QVariant>

#include <memory>
#include <optional>
#include <vector>

class QSettings;

namespace zorbik {

enum class SettingsScope { Player, Class };

// The one check before a settings file is opened: true when nothing is
// there yet, or a regular file (not a link to one). Anything else, and a
// path that cannot be looked at for another reason than its absence, is
// refused.
bool SettingsFileUsable(const QString& path);

class Settings {
  public:
    explicit Settings(SettingsScope scope);
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    // The file the scope's values are remembered in (the first class-wide
    // one for Class).
    QString fileName() const;
    // False when that file is there but not usable: the player's values are
    // then all their defaults, and nothing is remembered.
    bool usable() const;

    // The player's last game in the launcher.
    QString playerName() const { return text(PlayerNameKey); }
    void setPlayerName(const QString& name) { setValue(PlayerNameKey, name); }
    // both, lcm, gcf or fractions
    QString topicWord() const { return text(TopicKey); }
    void setTopicWord(const QString& word) { setValue(TopicKey, word); }
    bool sound() const { return flag(SoundKey).value_or(true); }
    void setSound(bool on) { setValue(SoundKey, on); }
    bool hiddenMaze() const { return flag(HiddenKey).value_or(false); }
    void setHiddenMaze(bool hidden) { setValue(HiddenKey, hidden); }
    // The launcher's ceiling on the quiz's steps, from an earlier --questions.
    QString launcherCeiling() const { return text(LauncherCeilingKey); }
    void setLauncherCeiling(const QString& word) { setValue(LauncherCeilingKey, word); }

    // A teacher's, class-wide: the quiz's steps at most, the classroom folder.
    QString teachersCeiling() const { return text(TeachersCeilingKey); }
    QString sharedFolder() const { return text(SharedFolderKey); }

    // Both: the language code, empty for the system's.
    QString language() const { return text(LanguageKey); }
    void setLanguage(const QString& code) { setValue(LanguageKey, code); }
    void forgetLanguage();

    // Both: the accessibility options, nothing where not set.
    std::optional<bool> colourBlindMap() const { return flag(ColourBlindMapKey); }
    void setColourBlindMap(bool on) { setValue(ColourBlindMapKey, on); }
    std::optional<bool> highContrast() const { return flag(HighContrastKey); }
    void setHighContrast(bool on) { setValue(HighContrastKey, on); }
    std::optional<bool> largerText() const { return flag(LargerTextKey); }
    void setLargerText(bool on) { setValue(LargerTextKey, on); }

    // Writes what was set now rather than when the object goes.
    void sync();

  private:
    // Every key of the suite's settings files.
    static constexpr const char* PlayerNameKey = "player/name";
    static constexpr const char* TopicKey = "game/topic";
    static constexpr const char* SoundKey = "game/sound";
    static constexpr const char* HiddenKey = "game/hidden";
    static constexpr const char* LauncherCeilingKey = "game/questions";
    static constexpr const char* TeachersCeilingKey = "questions";
    static constexpr const char* SharedFolderKey = "sharedFolder";
    static constexpr const char* LanguageKey = "language";
    static constexpr const char* ColourBlindMapKey = "access/colourBlindMap";
    static constexpr const char* HighContrastKey = "access/highContrast";
    static constexpr const char* LargerTextKey = "access/largerText";

    std::optional<QVariant> value(const char* key) const;
    QString text(const char* key) const;
    std::optional<bool> flag(const char* key) const;
    void setValue(const char* key, const QVariant& value);

    QString fileName_;
    bool usable_ = false;
    QSettings* own_ = nullptr; // the first of files_, when the scope's own file is usable
    std::vector<std::unique_ptr<QSettings>> files_;
};

} // namespace zorbik
