#include "ColourBlindMap.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace zorbik {

namespace {

struct Kind {
    const char* name;
    unsigned rgb;
};

// Indexed by cell content (road, wall, entrance, exit, door, item, enemy),
// then the player. The script reads the table from this file.
constexpr Kind Palette[] = {
    {"road", 0xffffee}, {"wall", 0x000066}, {"entrance", 0xff99ff}, {"exit", 0x88aa88},
    {"door", 0x551122}, {"item", 0xaa33dd}, {"enemy", 0xcc1122},    {"player", 0x77ff33},
};
constexpr int PlayerKind = 7;

QColor ColourOf(int kind)
{
    return QColor::fromRgb(Palette[kind].rgb);
}

// Black marks on light colours, white on dark ones.
QColor MarkOn(const QColor& fill)
{
    return fill.lightnessF() > 0.5 ? Qt::black : Qt::white;
}

void DrawShape(QPainter& p, int kind, const QRectF& cell)
{
    const qreal d = std::min(cell.width(), cell.height());
    const QPointF c = cell.center();
    const qreal r = d * 0.3;
    const QColor mark = MarkOn(ColourOf(kind));
    QPen pen(mark, std::max<qreal>(1.0, d / 8));
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (kind) {
    case CellEnter: { // a triangle pointing in
        QPainterPath t;
        t.moveTo(c.x(), c.y() - r);
        t.lineTo(c.x() + r, c.y() + r);
        t.lineTo(c.x() - r, c.y() + r);
        t.closeSubpath();
        p.fillPath(t, mark);
        break;
    }
    case CellExit: // a ring
        p.drawEllipse(c, r, r);
        break;
    case CellDoor: // a bar across
        p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
        break;
    case CellItem: { // a diamond
        QPainterPath g;
        g.moveTo(c.x(), c.y() - r);
        g.lineTo(c.x() + r, c.y());
        g.lineTo(c.x(), c.y() + r);
        g.lineTo(c.x() - r, c.y());
        g.closeSubpath();
        p.fillPath(g, mark);
        break;
    }
    case CellEnemy: // a cross
        p.drawLine(QPointF(c.x() - r, c.y() - r), QPointF(c.x() + r, c.y() + r));
        p.drawLine(QPointF(c.x() - r, c.y() + r), QPointF(c.x() + r, c.y() - r));
        break;
    case PlayerKind: // a dot, inside a frame of both marks
        p.setBrush(Qt::black);
        p.setPen(Qt::NoPen);
        p.drawEllipse(c, r, r);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, std::max<qreal>(2.0, d / 6)));
        p.drawRect(cell.adjusted(1, 1, -1, -1));
        p.setPen(QPen(Qt::white, std::max<qreal>(1.0, d / 12)));
        p.drawRect(cell.adjusted(d / 6, d / 6, -d / 6, -d / 6));
        break;
    default:
        break;
    }
}

} // namespace

void DrawColourBlindMap(QPainter& p, const GameState& s, int width, int height)
{
    const int32_t n = std::clamp(s.MazeSize, 0, MaxMazeSize);
    if (n == 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= n; ++y) {
            const QRect cell(QPoint((x - 1) * width / n, (y - 1) * height / n),
                             QPoint(x * width / n - 1, y * height / n - 1));
            const uint8_t v = s.Maze[x][y];
            const bool player = x == s.PlayerX && y == s.PlayerY;
            if (!player && v >= HiddenMark) {
                // Unexplored: black with a grey dot, apart from every kind.
                p.fillRect(cell, Qt::black);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(128, 128, 128));
                const qreal r = std::max<qreal>(1.0, std::min(cell.width(), cell.height()) / 10.0);
                p.drawEllipse(QRectF(cell).center(), r, r);
                continue;
            }
            const int kind = player ? PlayerKind : std::min(v % 100, 6);
            p.fillRect(cell, ColourOf(kind));
            if (std::min(cell.width(), cell.height()) >= 6)
                DrawShape(p, kind, QRectF(cell));
        }
    p.restore();
}

} // namespace zorbik
