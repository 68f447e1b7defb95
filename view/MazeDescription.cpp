#include "MazeDescription.h"

#include "desktop/FilledText.h"

#include <QCoreApplication>
#include <QStringList>

namespace zorbik {

namespace {

QString Text(const char* english)
{
    return QCoreApplication::translate("Maze", english);
}

struct Direction {
    int dx;
    int dy;
    const char* phrase;
};

// Clockwise from the north; y grows downwards.
const Direction Directions[] = {
    {0, -1, QT_TRANSLATE_NOOP("Maze", "to the north")},
    {1, -1, QT_TRANSLATE_NOOP("Maze", "to the north-east")},
    {1, 0, QT_TRANSLATE_NOOP("Maze", "to the east")},
    {1, 1, QT_TRANSLATE_NOOP("Maze", "to the south-east")},
    {0, 1, QT_TRANSLATE_NOOP("Maze", "to the south")},
    {-1, 1, QT_TRANSLATE_NOOP("Maze", "to the south-west")},
    {-1, 0, QT_TRANSLATE_NOOP("Maze", "to the west")},
    {-1, -1, QT_TRANSLATE_NOOP("Maze", "to the north-west")},
};

// How far along open road a straight look reaches (the number of steps
// stays within what every language says with one form).
constexpr int LookAhead = 4;

bool Inside(const GameState& s, int x, int y)
{
    return x >= 1 && y >= 1 && x <= s.MazeSize && y <= s.MazeSize && x < GridSide && y < GridSide;
}

bool IsOpenRoad(const GameState& s, int x, int y)
{
    if (!Inside(s, x, y) || s.Maze[x][y] >= HiddenMark)
        return false;
    const uint8_t v = s.Maze[x][y];
    if (v == CellRoad)
        return true;
    // An item or enemy mark without its record is drawn as road.
    if (v == CellItem)
        return LastKindAt(s.ItemList, s.ItemCount, x, y) == 0;
    if (v == CellEnemy)
        return LastKindAt(s.EnemyList, s.EnemyCount, x, y) == 0;
    return false;
}

// What the cell (x, y) holds, as the picture shows it.
QString Thing(const GameState& s, int x, int y)
{
    if (!Inside(s, x, y))
        return Text(QT_TRANSLATE_NOOP("Maze", "the edge of the maze"));
    const uint8_t v = s.Maze[x][y];
    if (v >= HiddenMark)
        return Text(QT_TRANSLATE_NOOP("Maze", "unexplored darkness"));
    static const char* const items[] = {QT_TRANSLATE_NOOP("Maze", "gold"), QT_TRANSLATE_NOOP("Maze", "money"),
                                        QT_TRANSLATE_NOOP("Maze", "a diamond"),
                                        QT_TRANSLATE_NOOP("Maze", "a torch"),
                                        QT_TRANSLATE_NOOP("Maze", "a first-aid kit")};
    static const char* const enemies[] = {
        QT_TRANSLATE_NOOP("Maze", "a hare"), QT_TRANSLATE_NOOP("Maze", "a wolf"),
        QT_TRANSLATE_NOOP("Maze", "a fox"), QT_TRANSLATE_NOOP("Maze", "a bear")};
    switch (v) {
    case CellBrick:
        return Text(QT_TRANSLATE_NOOP("Maze", "a wall"));
    case CellEnter:
        return Text(QT_TRANSLATE_NOOP("Maze", "the entrance"));
    case CellExit:
        return Text(QT_TRANSLATE_NOOP("Maze", "the exit"));
    case CellDoor:
        return Text(QT_TRANSLATE_NOOP("Maze", "a locked door"));
    case CellItem:
        if (const uint8_t kind = LastKindAt(s.ItemList, s.ItemCount, x, y); kind >= 1 && kind <= 5)
            return Text(items[kind - 1]);
        break;
    case CellEnemy:
        if (const uint8_t kind = LastKindAt(s.EnemyList, s.EnemyCount, x, y); kind >= 1 && kind <= 4)
            return Text(enemies[kind - 1]);
        break;
    default:
        break;
    }
    return Text(QT_TRANSLATE_NOOP("Maze", "road"));
}

// One direction: the neighbour, and along open road the first thing further on.
QString Look(const GameState& s, const Direction& d)
{
    const QString side = Text(d.phrase);
    int x = s.PlayerX + d.dx;
    int y = s.PlayerY + d.dy;
    const QString near = Text(QT_TRANSLATE_NOOP("Maze", "%1 %2")).arg(Thing(s, x, y), side);
    if (d.dx != 0 && d.dy != 0)
        return near;
    for (int steps = 2; steps <= LookAhead && IsOpenRoad(s, x, y); ++steps) {
        x += d.dx;
        y += d.dy;
        if (!Inside(s, x, y) || IsOpenRoad(s, x, y))
            continue;
        const uint8_t v = s.Maze[x][y];
        if (v == CellBrick || v >= HiddenMark)
            break;
        return Text(QT_TRANSLATE_NOOP("Maze", "%1, then %2 %3 steps %4"))
            .arg(near, Thing(s, x, y), QString::number(steps), side);
    }
    return near;
}

} // namespace

std::string DescribeSurroundings(const GameState& s)
{
    QString where =
        Text(QT_TRANSLATE_NOOP("Maze", "Zorbik is in column %1, row %2.")).arg(s.PlayerX).arg(s.PlayerY);
    if (Inside(s, s.PlayerX, s.PlayerY)) {
        const uint8_t v = s.Maze[s.PlayerX][s.PlayerY] % HiddenMark;
        if (v == CellEnter)
            where = Text(QT_TRANSLATE_NOOP("Maze", "Zorbik is in column %1, row %2, on the entrance."))
                        .arg(s.PlayerX)
                        .arg(s.PlayerY);
        else if (v == CellDoor)
            where = Text(QT_TRANSLATE_NOOP("Maze", "Zorbik is in column %1, row %2, on an open door."))
                        .arg(s.PlayerX)
                        .arg(s.PlayerY);
    }
    QStringList around;
    for (const Direction& d : Directions)
        around << Look(s, d);
    return Filled(Text(QT_TRANSLATE_NOOP("Maze", "%1 Around him: %2.")), where,
                  around.join(Text(QT_TRANSLATE_NOOP("Maze", "; "))));
}

} // namespace zorbik
