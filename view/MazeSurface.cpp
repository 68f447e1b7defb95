#include "MazeSurface.h"

#include "MazePainter.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace zorbik {

MazeSurface::MazeSurface(const GameState& state, const MazeArt& art, QWidget* parent)
    : QWidget(parent), state_(state), art_(art)
{
    // The buffer covers every pixel: no background needs to be drawn first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MazeSurface::ensureBuffer()
{
    // A new buffer starts in the window's colour; the paint handler draws over it.
    if (buffer_.size() != size()) {
        buffer_ = QImage(size(), QImage::Format_RGB32);
        buffer_.fill(palette().color(QPalette::Window));
    }
}

void MazeSurface::render()
{
    ensureBuffer();
    if (buffer_.isNull())
        return;
    QPainter p(&buffer_);
    PaintBox1Paint(state_, p, art_, buffer_.width(), buffer_.height());
}

void MazeSurface::drawNow()
{
    render();
    fresh_ = true;
    repaint();
    // A surface that is not on screen gets no paint event; the next one
    // asked for by the platform draws afresh.
    fresh_ = false;
}

void MazeSurface::place()
{
    setGeometry(state_.PaintBoxLeft, state_.PaintBoxTop, state_.PaintBoxWidth, state_.PaintBoxHeight);
    ensureBuffer();
}

void MazeSurface::paintEvent(QPaintEvent* event)
{
    if (!fresh_)
        render();
    fresh_ = false;
    QPainter p(this);
    p.drawImage(event->rect(), buffer_, event->rect());
}

void MazeSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ensureBuffer();
}

namespace {

// The pixel under the pointer; on a scaled screen positions have fractions,
// and a point just left of the surface must stay left of it.
QPoint PixelAt(const QMouseEvent* event)
{
    const QPointF at = event->position();
    return QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
}

} // namespace

void MazeSurface::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = PixelAt(event);
    emit mousePressed(at.x(), at.y());
}

void MazeSurface::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = PixelAt(event);
    emit mouseReleased(at.x(), at.y());
}

HealthBar::HealthBar(const GameState& state, QWidget* parent) : QWidget(parent), state_(state) {}

void HealthBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    PaintBox4Paint(p, state_);
}

} // namespace zorbik
