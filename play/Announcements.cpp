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

void AnnouncePickUp(Host& host, uint8_t itemKind)
{
    static const char* const found[] = {
        QT_TRANSLATE_NOOP("Announcement", "Zorbik picks up something."),
        QT_TRANSLATE_NOOP("Announcement", "Zorbik picks up gold."),
        QT_TRANSLATE_NOOP("Announcement", "Zorbik picks up money."),
        QT_TRANSLATE_NOOP("Announcement", "Zorbik picks up a diamond."),
        QT_TRANSLATE_NOOP("Announcement", "Zorbik picks up a torch: he sees further now."),
        QT_TRANSLATE_NOOP("Announcement", "Zorbik picks up a first-aid kit.")};
    const QString what = Text(found[itemKind <= 5 ? itemKind : 0]);
    host.announce(Filled(Text(QT_TRANSLATE_NOOP("Announcement", "%1 Treasures: %2.")), what,
                         CounterValue(host, Widget::StaticText1)));
}

void AnnounceDoorOpened(Host& host)
{
    host.announce(Filled(Text(QT_TRANSLATE_NOOP("Announcement", "The door is open. Doors opened: %1.")),
                         CounterValue(host, Widget::StaticText3)));
}

void AnnounceEnemyBeaten(Host& host)
{
    host.announce(Filled(Text(QT_TRANSLATE_NOOP("Announcement", "The enemy is beaten. Enemies beaten: %1.")),
                         CounterValue(host, Widget::StaticText2)));
}

void AnnounceLevel(Host& host, int32_t mazeSize)
{
    host.announce(
        Filled(Text(QT_TRANSLATE_NOOP("Announcement", "Level %1 begins: a maze of %2 by %2 cells.")),
               mazeSize / 6, mazeSize));
}

void AnnounceMinute(Host& host, int32_t levelSeconds)
{
    if (levelSeconds <= 0 || levelSeconds % 60 != 0)
        return;
    host.announce(
        Filled(Text(QT_TRANSLATE_NOOP("Announcement", "Time on this level: %1 min.")), levelSeconds / 60));
}

} // namespace zorbik
