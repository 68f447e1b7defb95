#include "MazePainter.h"

#include "ColourBlindMap.h"

#include <QPainter>

#include <algorithm>

namespace zorbik {

void DrawPlayView(QPainter& p, const GameState& s, const ViewGrid& grid, const CellBitmaps& bitmaps)
{
    // Every bitmap is opaque: copying its pixels is the same as drawing it over.
    const auto oldMode = p.compositionMode();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const int cols = std::clamp(s.ViewRight - s.ViewLeft + 1, 0, MaxViewCells);
    const int rows = std::clamp(s.ViewBottom - s.ViewTop + 1, 0, MaxViewCells);
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r) {
            const uint8_t code = grid[c][r];
            const int left = c * CellSize;
            const int top = r * CellSize;
            if (code >= HiddenMark) {
                p.fillRect(left, top, CellSize, CellSize, Qt::black);
                continue;
            }
            const QImage* bitmap = bitmaps.forViewCode(code);
            if (bitmap && !bitmap->isNull())
                p.drawImage(left, top, *bitmap);
        }
    p.setCompositionMode(oldMode);
}

void DrawMapView(QPainter& p, const GameState& s, const MapColorTable& colors, int width, int height)
{
    const int32_t n = std::clamp(s.MazeSize, 0, MaxMazeSize);
    if (n == 0)
        return;
    static const QColor yellow(255, 255, 0);
    for (int32_t x = 1; x <= n; ++x) {
        const int32_t left = (x - 1) * width / n;
        const int32_t right = x * width / n;
        for (int32_t y = 1; y <= n; ++y) {
            const int32_t top = (y - 1) * height / n;
            const int32_t bottom = y * height / n;
            const uint8_t v = s.Maze[x][y];
            const QColor& color = (x == s.PlayerX && y == s.PlayerY)
                                      ? yellow
                                      : (v < HiddenMark ? colors[std::min(v % 100, 7)] : QColor(Qt::black));
            p.fillRect(left, top, right - left, bottom - top, color);
        }
    }
}

void PaintBox1Paint(const GameState& s, QPainter& p, const MazeArt& art, int width, int height)
{
    if (s.InPlay == 1)
        DrawPlayView(p, s, FillViewGrid(s), art.bitmaps);
    else if (art.colourBlindMap)
        DrawColourBlindMap(p, s, width, height);
    else
        DrawMapView(p, s, art.mapColors, width, height);
}

void PaintBox4Paint(QPainter& p, const GameState& s)
{
    if (s.InPlay == 0)
        return;
    QColor color(0, 255, 0);
    if (s.Health < 60)
        color = QColor(255, 255, 0);
    if (s.Health < 30)
        color = QColor(255, 0, 0);
    const int blocks = s.Health / 10;
    for (int i = 1; i <= blocks; ++i)
        p.fillRect(7 * (i - 1), 2, 6, 12, color);
}

} // namespace zorbik
