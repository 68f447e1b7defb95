// The game's pictures, drawn with QPainter paths and gradients in one style:
// bright colours, soft dark outlines, a light highlight from the upper left.
// Items, enemies and Zorbik stand on the same road as "Road.bmp", because a
// maze cell shows exactly one picture.
#include "make_assets.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace zorbik::assets {
namespace {

constexpr double Pi = 3.14159265358979323846;

// Fixed pseudo-random numbers, so every build draws the same pictures.
class Dice {
  public:
    explicit Dice(std::uint32_t seed) : state_(seed) {}
    double Next() // 0 <= value < 1
    {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / 16777216.0;
    }
    double Between(double lo, double hi) { return lo + (hi - lo) * Next(); }

  private:
    std::uint32_t state_;
};

QImage NewCell(int size = CellPixels)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

void Smooth(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// A soft outline: a darker shade of the fill, round joins.
QPen Outline(const QColor& fill, double width = 2.2)
{
    QPen pen(fill.darker(190), width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QPen Line(const QColor& colour, double width)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// Fill with a vertical light-to-base gradient and outline.
void Shape(QPainter& p, const QPainterPath& path, const QColor& base, double outline = 2.2)
{
    const QRectF box = path.boundingRect();
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, base.lighter(135));
    g.setColorAt(1, base.darker(112));
    p.setBrush(g);
    p.setPen(outline > 0 ? Outline(base, outline) : Qt::NoPen);
    p.drawPath(path);
}

// A ball shaded from the upper left, for eyes, noses, knobs and bodies.
void Ball(QPainter& p, QPointF centre, double rx, double ry, const QColor& base, double outline = 2.0)
{
    QRadialGradient g(centre + QPointF(-rx * 0.35, -ry * 0.4), std::max(rx, ry) * 1.3);
    g.setColorAt(0, base.lighter(150));
    g.setColorAt(0.6, base);
    g.setColorAt(1, base.darker(125));
    p.setBrush(g);
    p.setPen(outline > 0 ? Outline(base, outline) : Qt::NoPen);
    p.drawEllipse(centre, rx, ry);
}

// A four-pointed twinkle.
void Sparkle(QPainter& p, QPointF c, double r)
{
    QPainterPath star;
    star.moveTo(c.x(), c.y() - r);
    star.quadTo(c, QPointF(c.x() + r, c.y()));
    star.quadTo(c, QPointF(c.x(), c.y() + r));
    star.quadTo(c, QPointF(c.x() - r, c.y()));
    star.quadTo(c, QPointF(c.x(), c.y() - r));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 240));
    p.drawPath(star);
}

// A friendly eye: white, dark pupil looking slightly forward, a catch light.
void Eye(QPainter& p, QPointF c, double r, double pupilShiftX = 0)
{
    p.setPen(Line(QColor(40, 30, 30), 1.4));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r * 1.15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 25, 35));
    const QPointF pupil = c + QPointF(pupilShiftX, r * 0.15);
    p.drawEllipse(pupil, r * 0.6, r * 0.7);
    p.setBrush(Qt::white);
    p.drawEllipse(pupil + QPointF(-r * 0.22, -r * 0.28), r * 0.22, r * 0.22);
}

// ---------------------------------------------------------------- ground

const QColor RoadSand(226, 204, 160);

// The road: warm sand with a few pebbles, corners left plain.
void PaintRoad(QPainter& p)
{
    p.fillRect(0, 0, CellPixels, CellPixels, RoadSand);
    Dice dice(7);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) { // fine grain
        const double x = dice.Between(4, 76), y = dice.Between(4, 76);
        const bool light = dice.Next() < 0.5;
        p.setBrush(light ? RoadSand.lighter(108) : RoadSand.darker(108));
        p.drawEllipse(QPointF(x, y), 1.1, 1.1);
    }
    const QPointF pebbles[] = {{14, 20}, {62, 14}, {24, 64}, {66, 58}, {44, 36}, {9, 46}, {50, 72}};
    for (const QPointF& at : pebbles) {
        const double rx = dice.Between(2.0, 3.2), ry = rx * dice.Between(0.6, 0.85);
        p.setBrush(QColor(196, 172, 130));
        p.drawEllipse(at + QPointF(0.6, 0.8), rx, ry);
        p.setBrush(QColor(240, 226, 196));
        p.drawEllipse(at, rx, ry);
    }
}

// A soft shadow under something that stands on the road.
void GroundShadow(QPainter& p, QPointF centre, double rx, double ry)
{
    QRadialGradient g(centre, rx);
    g.setColorAt(0, QColor(120, 90, 50, 110));
    g.setColorAt(1, QColor(120, 90, 50, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.save();
    p.translate(centre);
    p.scale(1.0, ry / rx);
    p.translate(-centre);
    p.drawEllipse(centre, rx, rx);
    p.restore();
}

QImage Road()
{
    QImage image = NewCell();
    QPainter p(&image);
    Smooth(p);
    PaintRoad(p);
    return image;
}

QImage Brick()
{
    QImage image = NewCell();
    QPainter p(&image);
    Smooth(p);
    p.fillRect(0, 0, CellPixels, CellPixels, QColor(206, 196, 180)); // mortar
    Dice dice(11);
    const int rowHeight = 20, brickWidth = 40, gap = 3;
    for (int row = 0; row < 4; ++row) {
        const int shift = row % 2 == 0 ? 0 : -brickWidth / 2;
        for (int col = -1; col < 3; ++col) {
            const double x = shift + col * brickWidth + gap / 2.0;
            const double y = row * rowHeight + gap / 2.0;
            const QRectF box(x, y, brickWidth - gap, rowHeight - gap);
            const int tone = static_cast<int>(dice.Between(-14, 14));
            const QColor base(190 + tone, 78 + tone / 2, 52);
            QLinearGradient g(box.topLeft(), box.bottomLeft());
            g.setColorAt(0, base.lighter(118));
            g.setColorAt(1, base.darker(115));
            p.setBrush(g);
            p.setPen(Line(base.darker(150), 1.2));
            p.drawRoundedRect(box, 3, 3);
            p.setPen(Line(base.lighter(140), 1.3)); // top highlight
            p.drawLine(QPointF(box.left() + 4, box.top() + 2.5), QPointF(box.right() - 4, box.top() + 2.5));
        }
    }
    return image;
}

QImage Outside()
{
    QImage image = NewCell();
    QPainter p(&image);
    Smooth(p);
    QLinearGradient ground(0, 0, 0, CellPixels);
    ground.setColorAt(0, QColor(112, 188, 80));
    ground.setColorAt(1, QColor(92, 168, 64));
    p.fillRect(0, 0, CellPixels, CellPixels, ground);
    Dice dice(23);
    for (int i = 0; i < 90; ++i) { // blades of grass
        const double x = dice.Between(-2, 82), y = dice.Between(4, 84);
        const double h = dice.Between(6, 12), lean = dice.Between(-4, 4);
        const QColor blade = dice.Next() < 0.5 ? QColor(70, 140, 50) : QColor(150, 214, 100);
        QPainterPath path;
        path.moveTo(x - 1.5, y);
        path.quadTo(x + lean * 0.3, y - h * 0.6, x + lean, y - h);
        path.quadTo(x + lean * 0.3 + 0.5, y - h * 0.5, x + 1.5, y);
        path.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(blade);
        p.drawPath(path);
    }
    const QPointF flowers[] = {{18, 22}, {60, 50}, {30, 66}};
    const QColor petals[] = {QColor(255, 255, 255), QColor(255, 220, 60), QColor(255, 150, 200)};
    for (int f = 0; f < 3; ++f) {
        p.setBrush(petals[f]);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * Pi / 5;
            p.drawEllipse(flowers[f] + QPointF(3 * std::cos(a), 3 * std::sin(a)), 2.2, 2.2);
        }
        p.setBrush(QColor(240, 160, 30));
        p.drawEllipse(flowers[f], 1.6, 1.6);
    }
    return image;
}

// ---------------------------------------------------------------- maze fittings

// Entrance: a green arched gate with a light doorway and an arrow going in.
QImage Enter()
{
    QImage image = NewCell();
    QPainter p(&image);
    Smooth(p);
    PaintRoad(p);
    GroundShadow(p, {40, 74}, 34, 6);

    QPainterPath outer;
    outer.moveTo(8, 76);
    outer.lineTo(8, 36);
    outer.arcTo(QRectF(8, 4, 64, 64), 180, -180);
    outer.lineTo(72, 76);
    outer.closeSubpath();
    QPainterPath opening;
    opening.moveTo(20, 76);
    opening.lineTo(20, 38);
    opening.arcTo(QRectF(20, 18, 40, 40), 180, -180);
    opening.lineTo(60, 76);
    opening.closeSubpath();
    Shape(p, outer.subtracted(opening), QColor(46, 170, 70), 2.4);

    // stones of the arch
    p.setPen(Line(QColor(30, 110, 45), 1.4));
    for (int k = 0; k <= 6; ++k) {
        const double a = Pi - k * Pi / 6;
        p.drawLine(QPointF(40 + 20 * std::cos(a), 38 - 20 * std::sin(a)),
                   QPointF(40 + 32 * std::cos(a), 36 - 32 * std::sin(a)));
    }
    p.drawLine(QPointF(8, 56), QPointF(20, 56));
    p.drawLine(QPointF(60, 56), QPointF(72, 56));

    QRadialGradient glow(40, 50, 34);
    glow.setColorAt(0, QColor(255, 252, 215));
    glow.setColorAt(1, QColor(255, 214, 110));
    p.setBrush(glow);
    p.setPen(Line(QColor(30, 110, 45), 1.6));
    p.drawPath(opening);

    // arrow into the gate
    QPainterPath arrow;
    arrow.moveTo(34, 30);
    arrow.lineTo(46, 30);
    arrow.lineTo(46, 50);
    arrow.lineTo(54, 50);
    arrow.lineTo(40, 68);
    arrow.lineTo(26, 50);
    arrow.lineTo(34, 50);
    arrow.closeSubpath();
    Shape(p, arrow, QColor(40, 190, 80), 2.0);
    return image;
}

// The letters E, X, I, T drawn as strokes (width 10, height 14 each).
void ExitWord(QPainter& p, QPointF at, const QColor& colour)
{
    p.setPen(Line(colour, 2.6));
    const double x = at.x(), y = at.y(), h = 13;
    p.drawLine(QPointF(x, y), QPointF(x, y + h)); // E
    p.drawLine(QPointF(x, y), QPointF(x + 7, y));
    p.drawLine(QPointF(x, y + h / 2), QPointF(x + 6, y + h / 2));
    p.drawLine(QPointF(x, y + h), QPointF(x + 7, y + h));
    p.drawLine(QPointF(x + 11, y), QPointF(x + 19, y + h)); // X
    p.drawLine(QPointF(x + 19, y), QPointF(x + 11, y + h));
    p.drawLine(QPointF(x + 24, y), QPointF(x + 24, y + h)); // I
    p.drawLine(QPointF(x + 29, y), QPointF(x + 39, y));     // T
    p.drawLine(QPointF(x + 34, y), QPointF(x + 34, y + h));
}

// Exit: a waving chequered flag above a red EXIT sign.
QImage Exit()
{
    QImage image = NewCell();
    QPainter p(&image);
    Smooth(p);
    PaintRoad(p);
    GroundShadow(p, {40, 75}, 32, 5);

    // pole
    QLinearGradient pole(11, 0, 17, 0);
    pole.setColorAt(0, QColor(200, 200, 210));
    pole.setColorAt(1, QColor(110, 110, 125));
    p.setBrush(pole);
    p.setPen(Line(QColor(70, 70, 80), 1.2));
    p.drawRoundedRect(QRectF(11, 8, 5, 66), 2, 2);
    Ball(p, {13.5, 7}, 4.5, 4.5, QColor(250, 200, 40), 1.4);

    // waving flag: a 6 x 4 chequer mapped through a gentle wave
    const double left = 16, top = 10, width = 56, height = 34;
    auto wave = [&](double u, double v) {
        const double x = left + u * width;
        const double y = top + v * height + 4.0 * std::sin(u * 2 * Pi) * u;
        return QPointF(x, y);
    };
    const int cols = 6, rows = 4;
    p.setPen(Qt::NoPen);
    for (int c = 0; c < cols; ++c) {
        for (int r = 0; r < rows; ++r) {
            QPainterPath cell;
            const int steps = 4;
            const double u0 = double(c) / cols, u1 = double(c + 1) / cols;
            const double v0 = double(r) / rows, v1 = double(r + 1) / rows;
            cell.moveTo(wave(u0, v0));
            for (int s = 1; s <= steps; ++s)
                cell.lineTo(wave(u0 + (u1 - u0) * s / steps, v0));
            cell.lineTo(wave(u1, v1));
            for (int s = steps - 1; s >= 0; --s)
                cell.lineTo(wave(u0 + (u1 - u0) * s / steps, v1));
            cell.closeSubpath();
            const bool dark = (c + r) % 2 == 0;
            const double shade = 0.85 + 0.15 * std::cos(u0 * 2 * Pi); // folds of the cloth
            const int level = dark ? static_cast<int>(40 * shade) : static_cast<int>(255 * shade);
            p.setBrush(QColor(level, level, dark ? level + 10 : level));
            p.drawPath(cell);
        }
    }
    QPainterPath rim;
    rim.moveTo(wave(0, 0));
    for (int s = 1; s <= 24; ++s)
        rim.lineTo(wave(s / 24.0, 0));
    for (int s = 24; s >= 0; --s)
        rim.lineTo(wave(s / 24.0, 1));
    rim.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.setPen(Line(QColor(40, 40, 50), 1.4));
    p.drawPath(rim);

    // the sign
    QPainterPath sign;
    sign.addRoundedRect(QRectF(22, 52, 52, 22), 5, 5);
    Shape(p, sign, QColor(225, 40, 40), 2.0);
    ExitWord(p, {28, 56.5}, Qt::white);
    return image;
}

void Padlock(QPainter& p, QPointF c, double scale)
{
    // shackle
    p.setBrush(Qt::NoBrush);
    p.setPen(Line(QColor(90, 90, 100), 5.0 * scale));
    p.drawArc(QRectF(c.x() - 9 * scale, c.y() - 20 * scale, 18 * scale, 22 * scale), 0, 180 * 16);
    p.setPen(Line(QColor(210, 210, 220), 2.0 * scale));
    p.drawArc(QRectF(c.x() - 9 * scale, c.y() - 20 * scale, 18 * scale, 22 * scale), 20 * 16, 140 * 16);
    p.setPen(Line(QColor(90, 90, 100), 5.0 * scale));
    p.drawLine(QPointF(c.x() - 9 * scale, c.y() - 9 * scale), QPointF(c.x() - 9 * scale, c.y() - 2 * scale));
    p.drawLine(QPointF(c.x() + 9 * scale, c.y() - 9 * scale), QPointF(c.x() + 9 * scale, c.y() - 2 * scale));
    // body
    QPainterPath body;
    body.addRoundedRect(QRectF(c.x() - 14 * scale, c.y() - 3 * scale, 28 * scale, 22 * scale), 4 * scale,
                        4 * scale);
    Shape(p, body, QColor(245, 190, 30), 2.0);
    // keyhole
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 20));
    p.drawEllipse(QPointF(c.x(), c.y() + 5 * scale), 3 * scale, 3 * scale);
    QPainterPath slot;
    slot.moveTo(c.x() - 2 * scale, c.y() + 6 * scale);
    slot.lineTo(c.x() + 2 * scale, c.y() + 6 * scale);
    slot.lineTo(c.x() + 3 * scale, c.y() + 14 * scale);
    slot.lineTo(c.x() - 3 * scale, c.y() + 14 * scale);
    slot.closeSubpath();
    p.drawPath(slot);
}

// A locked door: wooden planks with iron bands and a big golden padlock.
QImage Door()
{
    QImage image = NewCell();
    QPainter p(&image);
    Smooth(p);
    PaintRoad(p);
    GroundShadow(p, {40, 76}, 36, 4);

    QPainterPath leaf;
    leaf.moveTo(8, 78);
    leaf.lineTo(8, 22);
    leaf.arcTo(QRectF(8, 2, 64, 40), 180, -180);
    leaf.lineTo(72, 78);
    leaf.closeSubpath();
    p.save();
    p.setClipPath(leaf);
    for (int k = 0; k < 4; ++k) { // planks
        const QRectF plank(8 + k * 16, 0, 16, 80);
        const QColor wood = k % 2 == 0 ? QColor(176, 112, 58) : QColor(164, 102, 52);
        QLinearGradient g(plank.topLeft(), plank.topRight());
        g.setColorAt(0, wood.lighter(118));
        g.setColorAt(1, wood.darker(110));
        p.fillRect(plank, g);
        p.setPen(Line(QColor(110, 64, 30), 1.4));
        p.drawLine(plank.topRight(), plank.bottomRight());
        p.setPen(Line(wood.darker(125), 0.9)); // grain
        p.drawLine(QPointF(plank.left() + 5, 10 + k * 7), QPointF(plank.left() + 6, 34 + k * 7));
        p.drawLine(QPointF(plank.left() + 10, 50 - k * 3), QPointF(plank.left() + 11, 70 - k * 3));
    }
    for (double y : {20.0, 64.0}) { // iron bands with rivets
        p.fillRect(QRectF(8, y, 64, 6), QColor(80, 80, 92));
        p.fillRect(QRectF(8, y, 64, 1.5), QColor(140, 140, 155));
        for (double x = 14; x < 72; x += 13)
            Ball(p, {x, y + 3}, 1.6, 1.6, QColor(170, 170, 180), 0);
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(Line(QColor(100, 56, 24), 2.6));
    p.drawPath(leaf);

    Padlock(p, {40, 40}, 1.0);
    return image;
}

// ---------------------------------------------------------------- items

void GoldBar(QPainter& p, QPointF frontBottomLeft)
{
    const double x = frontBottomLeft.x(), y = frontBottomLeft.y();
    const double w = 34, h = 13, depth = 8, slope = 4;
    const QColor gold(242, 186, 30);
    QPainterPath top; // seen from the front, a little from above
    top.moveTo(x + slope, y - h);
    top.lineTo(x + w - slope, y - h);
    top.lineTo(x + w - slope - 3, y - h - depth);
    top.lineTo(x + slope + 3, y - h - depth);
    top.closeSubpath();
    QPainterPath front;
    front.moveTo(x, y);
    front.lineTo(x + w, y);
    front.lineTo(x + w - slope, y - h);
    front.lineTo(x + slope, y - h);
    front.closeSubpath();
    p.setPen(Outline(gold, 1.6));
    QLinearGradient gf(x, y - h, x, y);
    gf.setColorAt(0, QColor(255, 214, 80));
    gf.setColorAt(1, QColor(214, 150, 20));
    p.setBrush(gf);
    p.drawPath(front);
    QLinearGradient gt(x, y - h - depth, x + w, y - h);
    gt.setColorAt(0, QColor(255, 246, 190));
    gt.setColorAt(1, QColor(255, 210, 70));
    p.setBrush(gt);
    p.drawPath(top);
    p.setPen(Line(QColor(255, 250, 215), 1.3)); // shine
    p.drawLine(QPointF(x + slope + 3, y - h + 3), QPointF(x + slope + 11, y - h + 3));
}

QImage Gold()
{
    QImage image = NewCell();
    QPainter p(&image);
    Smooth(p);
    PaintRoad(p);
    GroundShadow(p, {40, 70}, 38, 6);
    GoldBar(p, {5, 70});
    GoldBar(p, {41, 70});
    GoldBar(p, {23, 57}); // the third bar lies on the two
    Sparkle(p, {64, 22}, 6);
    Sparkle(p, {16, 30}, 4);
    Sparkle(p, {32, 44}, 3.5);
    return image;
}

// An "S" with a bar through it, drawn as a stroke.
void DollarSign(QPainter& p, QPointF c, double size, const QColor& colour)
{
    const double s = size;
    QPainterPath sPath;
    sPath.moveTo(c.x() + 0.45 * s, c.y() - 0.38 * s);
    sPath.cubicTo(c.x() + 0.2 * s, c.y() - 0.62 * s, c.x() - 0.5 * s, c.y() - 0.55 * s, c.x() - 0.42 * s,
                  c.y() - 0.2 * s);
    sPath.cubicTo(c.x() - 0.35 * s, c.y() + 0.05 * s, c.x() + 0.45 * s, c.y() - 0.05 * s, c.x() + 0.45 * s,
                  c.y() + 0.25 * s);
    sPath.cubicTo(c.x() + 0.45 * s, c.y() + 0.6 * s, c.x() - 0.25 * s, c.y() + 0.6 * s, c.x() - 0.47 * s,
                  c.y() + 0.35 * s);
    p.setBrush(Qt::NoBrush);
    p.setPen(Line(colour, 0.16 * s));
    p.drawPath(sPath);
    p.drawLine(QPointF(c.x(), c.y() - 0.7 * s), QPointF(c.x(), c.y() + 0.7 * s));
}

void Coin(QPainter& p, QPointF c, double r)
{
    p.setPen(Outline(QColor(240, 180, 30), 1.4));
    p.setBrush(QColor(214, 150, 20));
    p.drawEllipse(c + QPointF(0, 2), r, r * 0.55);
    Ball(p, c, r, r * 0.55, QColor(250, 200, 50), 1.4);
}

// Money: a fat green money bag tied with a string, a few coins beside it.
QImage Money()
{
    QImage image = NewCell();
    QPainter p(&image);
    Smooth(p);
    PaintRoad(p);
    GroundShadow(p, {40, 72}, 32, 6);

    const QColor sack(96, 176, 80);
    QPainterPath bag;
    bag.moveTo(32, 24);
    bag.cubicTo(12, 34, 6, 58, 16, 68);
    bag.cubicTo(24, 76, 56, 76, 64, 68);
    bag.cubicTo(74, 58, 68, 34, 48, 24);
    bag.closeSubpath();
    {
        QRadialGradient g(30, 40, 40);
        g.setColorAt(0, sack.lighter(140));
        g.setColorAt(1, sack.darker(120));
        p.setBrush(g);
        p.setPen(Outline(sack, 2.4));
        p.drawPath(bag);
    }
    QPainterPath neck; // the gathered top
    neck.moveTo(32, 24);
    neck.cubicTo(24, 8, 30, 10, 34, 14);
    neck.lineTo(40, 8);
    neck.lineTo(46, 14);
    neck.cubicTo(50, 10, 56, 8, 48, 24);
    neck.closeSubpath();
    Shape(p, neck, sack, 2.2);
    p.setPen(Line(QColor(150, 90, 40), 3.0)); // string
    p.drawLine(QPointF(31, 24), QPointF(49, 24));
    p.setPen(Line(QColor(150, 90, 40), 2.0));
    p.drawArc(QRectF(46, 20, 10, 10), 90 * 16, -200 * 16);

    Ball(p, {40, 50}, 13, 13, QColor(250, 232, 150), 1.6);
    DollarSign(p, {40, 50}, 18, QColor(40, 120, 40));
    Coin(p, {66, 70}, 8);
    Coin(p, {13, 72}, 7);
    return image;
}

// Diamond: a blue cut gem with facets and twinkles.
QImage Diamond()
{
    QImage image = NewCell();
    QPainter p(&image);
    Smooth(p);
    PaintRoad(p);
    GroundShadow(p, {40, 72}, 22, 4);

    const QPointF tl(24, 18), tr(56, 18), l(10, 34), r(70, 34), bottom(40, 72);
    const QPointF tm(40, 18), cl(28, 34), cr(52, 34), cm(40, 34);
    struct Facet {
        std::vector<QPointF> points;
        QColor colour;
    };
    const Facet facets[] = {
        {{tl, tm, cl}, QColor(170, 236, 255)},    {{tm, cm, cl}, QColor(120, 214, 250)},
        {{tm, tr, cr}, QColor(90, 190, 245)},     {{tm, cr, cm}, QColor(140, 222, 252)},
        {{tl, cl, l}, QColor(120, 206, 248)},     {{tr, r, cr}, QColor(60, 160, 235)},
        {{l, cl, bottom}, QColor(80, 180, 240)},  {{cl, cm, bottom}, QColor(150, 226, 252)},
        {{cm, cr, bottom}, QColor(70, 170, 238)}, {{cr, r, bottom}, QColor(40, 130, 220)},
    };
    p.setPen(Line(QColor(225, 248, 255), 1.0));
    for (const Facet& f : facets) {
        p.setBrush(f.colour);
        p.drawPolygon(f.points.data(), static_cast<int>(f.points.size()));
    }
    QPolygonF rim({tl, tr, r, bottom, l});
    p.setBrush(Qt::NoBrush);
    p.setPen(Outline(QColor(50, 140, 220), 2.2));
    p.drawPolygon(rim);
    Sparkle(p, {30, 24}, 5);
    Sparkle(p, {64, 14}, 6);
    Sparkle(p, {16, 58}, 4);
    return image;
}

// Torch: a wooden handle with a bright flame and its glow.
QImage Torch()
{
    QImage image = NewCell();
    QPainter p(&image);
    Smooth(p);
    PaintRoad(p);
    QRadialGradient glow(40, 30, 34);
    glow.setColorAt(0, QColor(255, 230, 120, 170));
    glow.setColorAt(1, QColor(255, 230, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(40, 30), 34, 34);
    GroundShadow(p, {40, 76}, 12, 3);

    QPainterPath handle;
    handle.moveTo(33, 44);
    handle.lineTo(47, 44);
    handle.lineTo(43, 76);
    handle.lineTo(37, 76);
    handle.closeSubpath();
    Shape(p, handle, QColor(150, 90, 40), 2.0);
    p.setPen(Line(QColor(110, 62, 26), 1.2));
    for (double y : {54.0, 62.0, 70.0})
        p.drawLine(QPointF(36 + (y - 44) * 0.1, y), QPointF(44 - (y - 44) * 0.1, y - 3));
    QPainterPath cup;
    cup.addRoundedRect(QRectF(29, 40, 22, 8), 3, 3);
    Shape(p, cup, QColor(120, 120, 135), 1.6);

    QPainterPath flame;
    flame.moveTo(40, 4);
    flame.cubicTo(46, 14, 56, 20, 54, 32);
    flame.cubicTo(53, 40, 46, 44, 40, 44);
    flame.cubicTo(33, 44, 26, 40, 26, 32);
    flame.cubicTo(26, 24, 32, 22, 33, 14);
    flame.cubicTo(37, 18, 38, 12, 40, 4);
    QRadialGradient fire(40, 36, 30);
    fire.setColorAt(0, QColor(255, 250, 200));
    fire.setColorAt(0.35, QColor(255, 214, 50));
    fire.setColorAt(0.75, QColor(250, 130, 30));
    fire.setColorAt(1, QColor(225, 60, 30));
    p.setBrush(fire);
    p.setPen(Line(QColor(210, 70, 30), 1.6));
    p.drawPath(flame);
    QPainterPath inner;
    inner.moveTo(40, 20);
    inner.cubicTo(44, 28, 48, 32, 46, 37);
    inner.cubicTo(45, 41, 35, 41, 34, 37);
    inner.cubicTo(33, 32, 37, 28, 40, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 248, 170));
    p.drawPath(inner);
    return image;
}

// First aid: a white case with a handle and a red cross.
QImage FirstAid()
{
    QImage image = NewCell();
    QPainter p(&image);
    Smooth(p);
    PaintRoad(p);
    GroundShadow(p, {40, 72}, 34, 5);

    p.setBrush(Qt::NoBrush);
    p.setPen(Line(QColor(120, 120, 130), 4.5));
    p.drawRoundedRect(QRectF(29, 12, 22, 16), 5, 5); // handle
    QPainterPath box;
    box.addRoundedRect(QRectF(8, 22, 64, 48), 8, 8);
    {
        QLinearGradient g(8, 22, 8, 70);
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(1, QColor(222, 226, 234));
        p.setBrush(g);
        p.setPen(Line(QColor(130, 134, 150), 2.4));
        p.drawPath(box);
    }
    p.setPen(Line(QColor(200, 204, 214), 1.4)); // lid seam
    p.drawLine(QPointF(12, 32), QPointF(68, 32));
    QPainterPath cross;
    cross.addRoundedRect(QRectF(33, 35, 14, 32), 2.5, 2.5);
    cross.addRoundedRect(QRectF(24, 44, 32, 14), 2.5, 2.5);
    cross.setFillRule(Qt::WindingFill);
    Shape(p, cross.simplified(), QColor(228, 40, 46), 1.8);
    return image;
}

// ---------------------------------------------------------------- enemies

// Two small triangle ears, one per side of a head, mirrored about x = 40.
QPainterPath PointedEar(double baseLeft, double baseRight, double baseY, QPointF tip)
{
    QPainterPath ear;
    ear.moveTo(baseLeft, baseY);
    ear.quadTo(QPointF((baseLeft + tip.x()) / 2 - 2, (baseY + tip.y()) / 2), tip);
    ear.quadTo(QPointF((baseRight + tip.x()) / 2 + 2, (baseY + tip.y()) / 2), QPointF(baseRight, baseY));
    ear.closeSubpath();
    return ear;
}

QPainterPath Mirrored(const QPainterPath& path)
{
    QTransform flip;
    flip.translate(80, 0);
    flip.scale(-1, 1);
    return flip.map(path);
}

void Whiskers(QPainter& p, QPointF nose, const QColor& colour)
{
    p.setPen(Line(colour, 1.0));
    for (int side : {-1, 1})
        for (int k = -1; k <= 1; ++k)
            p.drawLine(nose + QPointF(side * 8, 4 + k * 2.5), nose + QPointF(side * 22, 1 + k * 5));
}

void Smile(QPainter& p, QPointF centre, double width, const QColor& colour)
{
    QPainterPath mouth;
    mouth.moveTo(centre.x() - width / 2, centre.y());
    mouth.quadTo(centre.x() - width / 4, centre.y() + width * 0.35, centre.x(), centre.y());
    mouth.quadTo(centre.x() + width / 4, centre.y() + width * 0.35, centre.x() + width / 2, centre.y());
    p.setBrush(Qt::NoBrush);
    p.setPen(Line(colour, 1.8));
    p.drawPath(mouth);
}

// Hare: a cream head with two long pink-lined ears and buck teeth.
QImage Hare()
{
    QImage image = NewCell();
    QPainter p(&image);
    Smooth(p);
    PaintRoad(p);
    GroundShadow(p, {40, 75}, 26, 4);
    const QColor fur(236, 226, 206);

    for (int side : {-1, 1}) {
        p.save();
        p.translate(40 + side * 11, 28);
        p.rotate(side * 12);
        QPainterPath ear;
        ear.addEllipse(QPointF(0, -12), 7.5, 16);
        Shape(p, ear, fur, 2.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 170, 185));
        p.drawEllipse(QPointF(0, -11), 3.8, 11.5);
        p.restore();
    }
    QPainterPath head;
    head.addEllipse(QPointF(40, 50), 24, 22);
    Shape(p, head, fur, 2.2);
    Ball(p, {40, 60}, 12, 8, QColor(250, 246, 236), 0); // muzzle
    Eye(p, {30, 45}, 5.2, 0.8);
    Eye(p, {50, 45}, 5.2, -0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 160, 170, 150));
    p.drawEllipse(QPointF(22, 56), 4.5, 3);
    p.drawEllipse(QPointF(58, 56), 4.5, 3);
    QPainterPath nose;
    nose.moveTo(36, 54);
    nose.lineTo(44, 54);
    nose.lineTo(40, 58.5);
    nose.closeSubpath();
    Shape(p, nose, QColor(240, 120, 140), 1.2);
    p.setPen(Line(QColor(140, 100, 90), 1.5));
    p.drawLine(QPointF(40, 58.5), QPointF(40, 62));
    Smile(p, {40, 62}, 12, QColor(140, 100, 90));
    p.setBrush(Qt::white); // buck teeth
    p.setPen(Line(QColor(150, 140, 130), 1.0));
    p.drawRoundedRect(QRectF(36.5, 63, 3.5, 5), 1, 1);
    p.drawRoundedRect(QRectF(40, 63, 3.5, 5), 1, 1);
    Whiskers(p, {40, 57}, QColor(150, 130, 110));
    return image;
}

// Wolf: a grey head with pointed ears, a pale long muzzle and cheek tufts.
QImage Wolf()
{
    QImage image = NewCell();
    QPainter p(&image);
    Smooth(p);
    PaintRoad(p);
    GroundShadow(p, {40, 75}, 28, 4);
    const QColor fur(128, 134, 148);

    const QPainterPath ear = PointedEar(14, 34, 34, {16, 6});
    Shape(p, ear, fur, 2.0);
    Shape(p, Mirrored(ear), fur, 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 200, 204));
    p.drawPath(PointedEar(19, 30, 32, {18, 14}));
    p.drawPath(Mirrored(PointedEar(19, 30, 32, {18, 14})));

    QPainterPath head; // round crown, tufted cheeks, tapering to the chin
    head.moveTo(40, 20);
    head.cubicTo(56, 20, 66, 30, 66, 42);
    head.lineTo(72, 48);
    head.lineTo(64, 52);
    head.lineTo(68, 58);
    head.lineTo(56, 60);
    head.cubicTo(52, 70, 46, 74, 40, 74);
    head.cubicTo(34, 74, 28, 70, 24, 60);
    head.lineTo(12, 58);
    head.lineTo(16, 52);
    head.lineTo(8, 48);
    head.lineTo(14, 42);
    head.cubicTo(14, 30, 24, 20, 40, 20);
    head.closeSubpath();
    Shape(p, head, fur, 2.2);
    QPainterPath muzzle;
    muzzle.moveTo(40, 42);
    muzzle.cubicTo(50, 42, 54, 54, 52, 62);
    muzzle.cubicTo(50, 70, 44, 73, 40, 73);
    muzzle.cubicTo(36, 73, 30, 70, 28, 62);
    muzzle.cubicTo(26, 54, 30, 42, 40, 42);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(222, 222, 228));
    p.drawPath(muzzle);
    Eye(p, {30, 40}, 4.6, 0.8);
    Eye(p, {50, 40}, 4.6, -0.8);
    p.setPen(Line(QColor(60, 62, 74), 2.0)); // brows
    p.drawLine(QPointF(25, 32), QPointF(34, 31));
    p.drawLine(QPointF(55, 32), QPointF(46, 31));
    Ball(p, {40, 56}, 6, 4.5, QColor(40, 40, 48), 0);
    p.setPen(Line(QColor(60, 60, 70), 1.5));
    p.drawLine(QPointF(40, 60), QPointF(40, 64));
    Smile(p, {40, 64}, 14, QColor(60, 60, 70));
    return image;
}

// Fox: an orange head with dark-tipped ears and white cheeks.
QImage Fox()
{
    QImage image = NewCell();
    QPainter p(&image);
    Smooth(p);
    PaintRoad(p);
    GroundShadow(p, {40, 75}, 26, 4);
    const QColor fur(244, 128, 36);

    const QPainterPath ear = PointedEar(10, 34, 36, {14, 4});
    Shape(p, ear, fur, 2.0);
    Shape(p, Mirrored(ear), fur, 2.0);
    p.save(); // dark ear tips
    p.setClipPath(ear.united(Mirrored(ear)));
    p.fillRect(QRectF(0, 0, 80, 14), QColor(70, 40, 30));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 220));
    p.drawPath(PointedEar(16, 29, 34, {16, 16}));
    p.drawPath(Mirrored(PointedEar(16, 29, 34, {16, 16})));

    QPainterPath head; // wide cheeks narrowing to a pointed snout
    head.moveTo(40, 22);
    head.cubicTo(58, 22, 70, 32, 72, 46);
    head.cubicTo(66, 52, 54, 62, 40, 74);
    head.cubicTo(26, 62, 14, 52, 8, 46);
    head.cubicTo(10, 32, 22, 22, 40, 22);
    head.closeSubpath();
    Shape(p, head, fur, 2.2);
    QPainterPath cheeks;
    cheeks.moveTo(10, 46);
    cheeks.cubicTo(20, 44, 32, 48, 40, 56);
    cheeks.cubicTo(48, 48, 60, 44, 70, 46);
    cheeks.cubicTo(64, 52, 54, 62, 40, 73);
    cheeks.cubicTo(26, 62, 16, 52, 10, 46);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 248, 240));
    p.drawPath(cheeks);
    Eye(p, {29, 40}, 4.4, 0.8);
    Eye(p, {51, 40}, 4.4, -0.8);
    Ball(p, {40, 60}, 4.5, 3.5, QColor(40, 30, 30), 0);
    p.setPen(Line(QColor(120, 70, 50), 1.4));
    p.drawLine(QPointF(40, 63), QPointF(40, 66));
    Smile(p, {40, 66}, 10, QColor(120, 70, 50));
    return image;
}

// Bear: a round brown head with round ears and a tan muzzle.
QImage Bear()
{
    QImage image = NewCell();
    QPainter p(&image);
    Smooth(p);
    PaintRoad(p);
    GroundShadow(p, {40, 76}, 30, 4);
    const QColor fur(150, 96, 52);

    for (double x : {16.0, 64.0}) {
        Ball(p, {x, 22}, 11, 11, fur, 2.0);
        Ball(p, {x, 22}, 6, 6, QColor(222, 172, 120), 0);
    }
    QPainterPath head;
    head.addEllipse(QPointF(40, 46), 29, 27);
    Shape(p, head, fur, 2.2);
    Ball(p, {40, 58}, 14, 11, QColor(228, 184, 132), 1.4);
    Eye(p, {29, 40}, 4.6, 0.8);
    Eye(p, {51, 40}, 4.6, -0.8);
    Ball(p, {40, 53}, 6.5, 4.5, QColor(50, 34, 28), 0);
    p.setPen(Line(QColor(90, 56, 34), 1.5));
    p.drawLine(QPointF(40, 57), QPointF(40, 61));
    Smile(p, {40, 61}, 14, QColor(90, 56, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 130, 120, 110));
    p.drawEllipse(QPointF(20, 52), 4.5, 3);
    p.drawEllipse(QPointF(60, 52), 4.5, 3);
    return image;
}

// ---------------------------------------------------------------- Zorbik

// Zorbik: a round sky-blue friend with big eyes, antennae and little feet,
// drawn in the cell's 80 x 80 coordinates (he fills x 13..67, y 2..77).
void PaintZorbik(QPainter& p)
{
    for (int side : {-1, 1}) { // antennae
        p.setPen(Line(QColor(40, 100, 190), 2.2));
        p.setBrush(Qt::NoBrush);
        QPainterPath stalk;
        stalk.moveTo(40 + side * 8, 20);
        stalk.quadTo(40 + side * 10, 10, 40 + side * 17, 7);
        p.drawPath(stalk);
        Ball(p, {40 + side * 17.0, 7}, 4.2, 4.2, QColor(255, 210, 40), 1.4);
    }
    for (int side : {-1, 1}) // feet
        Ball(p, {40 + side * 12.0, 71}, 9, 5, QColor(255, 140, 40), 1.8);

    QRadialGradient body(32, 32, 40);
    body.setColorAt(0, QColor(190, 236, 255));
    body.setColorAt(0.5, QColor(80, 176, 245));
    body.setColorAt(1, QColor(30, 110, 210));
    p.setBrush(body);
    p.setPen(Line(QColor(25, 80, 160), 2.4));
    p.drawEllipse(QPointF(40, 44), 27, 26);

    Eye(p, {31, 38}, 7, 1.2);
    Eye(p, {49, 38}, 7, -1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 130, 160, 150));
    p.drawEllipse(QPointF(22, 51), 4.5, 3);
    p.drawEllipse(QPointF(58, 51), 4.5, 3);
    QPainterPath mouth; // open happy smile
    mouth.moveTo(29, 52);
    mouth.quadTo(40, 56, 51, 52);
    mouth.quadTo(40, 68, 29, 52);
    mouth.closeSubpath();
    p.setBrush(QColor(190, 40, 70));
    p.setPen(Line(QColor(25, 60, 130), 1.6));
    p.drawPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 140, 160));
    p.drawEllipse(QPointF(40, 59), 5, 2.5);          // tongue
    p.setPen(Line(QColor(255, 255, 255, 160), 2.0)); // shine on the body
    p.drawArc(QRectF(19, 22, 30, 30), 100 * 16, 60 * 16);
}

QImage Me()
{
    QImage image = NewCell();
    QPainter p(&image);
    Smooth(p);
    PaintRoad(p);
    GroundShadow(p, {40, 75}, 26, 4);
    PaintZorbik(p);
    return image;
}

// The program's icon: Zorbik alone, centred on a transparent square.
QImage Icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Smooth(p);
    const double scale = size / 78.0; // his height and a hair of margin
    p.translate(size / 2.0, size / 2.0);
    p.scale(scale, scale);
    p.translate(-40, -39.5);
    PaintZorbik(p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// ---------------------------------------------------------------- face

// The face of the direction pad. The side panel takes the top-left colour as
// transparent, so the background is one flat light grey that the face itself
// never uses; its anti-aliased rim blends into a light panel unseen.
const QColor FaceBackground(236, 236, 236);

QImage HappyFace()
{
    QImage image = NewCell();
    image.fill(FaceBackground);
    QPainter p(&image);
    Smooth(p);
    QRadialGradient g(30, 28, 46);
    g.setColorAt(0, QColor(255, 246, 150));
    g.setColorAt(0.6, QColor(255, 212, 40));
    g.setColorAt(1, QColor(240, 160, 20));
    p.setBrush(g);
    p.setPen(Line(QColor(180, 110, 10), 3.0));
    p.drawEllipse(QPointF(40, 40), 35, 35);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 40, 20));
    p.drawEllipse(QPointF(28, 31), 5, 7.5);
    p.drawEllipse(QPointF(52, 31), 5, 7.5);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(26.5, 28), 1.8, 2.2);
    p.drawEllipse(QPointF(50.5, 28), 1.8, 2.2);
    p.setBrush(QColor(255, 130, 100, 140));
    p.drawEllipse(QPointF(18, 47), 5.5, 3.5);
    p.drawEllipse(QPointF(62, 47), 5.5, 3.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(Line(QColor(70, 40, 20), 4.0));
    p.drawArc(QRectF(20, 24, 40, 34), 200 * 16, 140 * 16);
    return image;
}

} // namespace

std::vector<Picture> DrawPictures()
{
    return {
        {RoadPicture, Road()},         {BrickPicture, Brick()},     {EnterPicture, Enter()},
        {ExitPicture, Exit()},         {DoorPicture, Door()},       {GoldPicture, Gold()},
        {MoneyPicture, Money()},       {DiamondPicture, Diamond()}, {TorchPicture, Torch()},
        {FirstAidPicture, FirstAid()}, {HarePicture, Hare()},       {WolfPicture, Wolf()},
        {FoxPicture, Fox()},           {BearPicture, Bear()},       {MePicture, Me()},
        {OutsidePicture, Outside()},   {FacePicture, HappyFace()},
    };
}

std::vector<Picture> DrawIcons()
{
    std::vector<Picture> icons;
    for (int size : IconSizes)
        icons.push_back({"zorbik-" + std::to_string(size) + ".png", Icon(size)});
    return icons;
}

} // namespace zorbik::assets
