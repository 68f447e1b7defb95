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
    QString playerName() const; // player/name
    void setPlayerName(const QString& name);
    QString topicWord() const; // game/topic: both, lcm, gcf or fractions
    void setTopicWord(const QString& word);
    bool sound() const; // game/sound, on unless set off
    void setSound(bool on);
    bool hiddenMaze() const; // game/hidden, off unless set on
    void setHiddenMaze(bool hidden);
    // The launcher's ceiling on the quiz's steps, from an earlier --questions.
    QString launcherCeiling() const; // game/questions
    void setLauncherCeiling(const QString& word);

    // A teacher's, class-wide.
    QString teachersCeiling() const; // questions: the quiz's steps at most
    QString sharedFolder() const;    // sharedFolder: the classroom folder

    // Both: the language code, empty for the system's.
    QString language() const; // language
    void setLanguage(const QString& code);
    void forgetLanguage();

    // Both: the accessibility options, nothing where not set.
    std::optional<bool> colourBlindMap() const; // access/colourBlindMap
    void setColourBlindMap(bool on);
    std::optional<bool> highContrast() const; // access/highContrast
    void setHighContrast(bool on);
    std::optional<bool> largerText() const; // access/largerText
    void setLargerText(bool on);

    // Writes what was set now rather than when the object goes.
    void sync();

  private:
    std::optional<QVariant> value(const char* key) const;
    void setValue(const char* key, const QVariant& value);

    QString fileName_;
    bool usable_ = false;
    QSettings* own_ = nullptr; // the first of files_, when the scope's own file is usable
    std::vector<std::unique_ptr<QSettings>> files_;
};

} // namespace zorbik
