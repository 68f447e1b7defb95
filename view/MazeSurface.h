// PaintBox1, the maze surface. It keeps a back buffer of its own size:
// drawNow() runs the paint handler into the buffer and shows it at once, so
// every step of a walk appears on screen; a repaint asked for by the platform
// runs the paint handler afresh. Mouse presses and releases of any button are
// reported in pixels of the surface (a release after a press inside it
// arrives here even when the pointer has left it).
#pragma once

#include "MazeArt.h"
#include "world/GameState.h"

#include <QImage>
#include <QWidget>

namespace zorbik {

class MazeSurface : public QWidget {
    Q_OBJECT
  public:
    MazeSurface(const GameState& state, const MazeArt& art, QWidget* parent = nullptr);

    // Runs the paint handler into the back buffer and repaints at once.
    void drawNow();
    // Moves and sizes the surface to the state's PaintBoxLeft/Top/Width/Height.
    void place();

    const QImage& backBuffer() const { return buffer_; }

  signals:
    void mousePressed(int x, int y);
    void mouseReleased(int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void ensureBuffer();
    void render();

    const GameState& state_;
    const MazeArt& art_;
    QImage buffer_;
    bool fresh_ = false; // the buffer was just drawn by drawNow()
};

// PaintBox4, the health bar; a repaint runs its paint handler.
class HealthBar : public QWidget {
    Q_OBJECT
  public:
    explicit HealthBar(const GameState& state, QWidget* parent = nullptr);
    int health() const { return state_.Health; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const GameState& state_;
};

} // namespace zorbik
