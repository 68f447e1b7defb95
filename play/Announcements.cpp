#include "Announcements.h"

#include "desktop/FilledText.h"

#include <QCoreApplication>

namespace zorbik {

namespace {

QString Text(const char* english)
{
    return QCoreApplication::translate("Announcement", english);
}

} // namespace

void AnnouncePickUp(const Host& host, uint8_t itemKind)
{
    static const char* const found[] = {
        QT_TRANSLATE_NOOP("Announcement", "Zorbik picks up something."),
        QT_TRANSLATE_NOOP("Announcement", "Zorbik picks up gold."),
        QT_TRANSLATE_NOOP("Announcement", "Zorbik picks up money."),
        QT_TRANSLATE_NOOP("Announcement", "Zorbik picks up a diamond."),
        QT_TRANSLATE_NOOP("Announcement", "Zorbik picks up a torch: he sees further now."),
        QT_TRANSLATE_NOOP("Announcement", "Zorbik picks up a first-aid kit.")};
    const QString what = Text(found[itemKind <= 5 ? itemKind : 0]);
    host.sound.announce(Filled(Text(QT_TRANSLATE_NOOP("Announcement", "%1 Treasures: %2.")), what,
                               CounterValue(host.panel, Widget::StaticText1)));
}

void AnnounceDoorOpened(const Host& host)
{
    host.sound.announce(Filled(Text(QT_TRANSLATE_NOOP("Announcement", "The door is open. Doors opened: %1.")),
                               CounterValue(host.panel, Widget::StaticText3)));
}

void AnnounceEnemyBeaten(const Host& host)
{
    host.sound.announce(
        Filled(Text(QT_TRANSLATE_NOOP("Announcement", "The enemy is beaten. Enemies beaten: %1.")),
               CounterValue(host.panel, Widget::StaticText2)));
}

void AnnounceLevel(const Host& host, int32_t mazeSize)
{
    host.sound.announce(
        Filled(Text(QT_TRANSLATE_NOOP("Announcement", "Level %1 begins: a maze of %2 by %2 cells.")),
               mazeSize / 6, mazeSize));
}

void AnnounceMinute(const Host& host, int32_t levelSeconds)
{
    if (levelSeconds <= 0 || levelSeconds % 60 != 0)
        return;
    host.sound.announce(
        Filled(Text(QT_TRANSLATE_NOOP("Announcement", "Time on this level: %1 min.")), levelSeconds / 60));
}

} // namespace zorbik
