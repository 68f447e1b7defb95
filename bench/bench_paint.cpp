// Time to draw the maze view into the surface's back buffer: the play view
// at 11 x 9 and 20 x 20 cells and the map of the largest maze. Prints the
// median of many paints in milliseconds.
#include "view/MazeArt.h"
#include "view/MazePainter.h"
#include "world/GameState.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace zorbik;

namespace {

// Pictures with some texture so nothing is a trivially uniform copy.
MazeArt TexturedArt()
{
    MazeArt art;
    for (int i = 0; i < CellBitmapCount; ++i) {
        QImage image(CellSize, CellSize, QImage::Format_RGB32);
        for (int y = 0; y < CellSize; ++y)
            for (int x = 0; x < CellSize; ++x)
                image.setPixel(x, y, qRgb((x * 3 + i * 20) & 255, (y * 5 + i * 7) & 255, (x ^ y) & 255));
        art.bitmaps.images[i] = image;
    }
    art.mapColors = MakeMapColors();
    return art;
}

// The largest maze with every kind of cell, a third of it hidden.
GameState BusyMaze()
{
    GameState s;
    s.MazeSize = MaxMazeSize;
    int k = 0;
    for (int x = 1; x <= MaxMazeSize; ++x)
        for (int y = 1; y <= MaxMazeSize; ++y) {
            uint8_t v = static_cast<uint8_t>((x * 7 + y * 3) % 7);
            if ((x + y) % 3 == 0)
                v += HiddenMark;
            s.Maze[x][y] = v;
            if (v == CellItem && s.ItemCount < ListRoom)
                s.ItemList[++s.ItemCount] = {uint8_t(x), uint8_t(y), uint8_t(1 + k++ % 5)};
            if (v == CellEnemy && s.EnemyCount < ListRoom)
                s.EnemyList[++s.EnemyCount] = {uint8_t(x), uint8_t(y), uint8_t(1 + k++ % 4)};
        }
    s.InPlay = 1;
    s.PlayerX = 30;
    s.PlayerY = 30;
    s.ViewLeft = 20;
    s.ViewTop = 20;
    s.ViewRight = 19;
    s.ViewBottom = 19;
    return s;
}

double MedianMs(GameState s, const MazeArt& art, int width, int height)
{
    QImage buffer(width, height, QImage::Format_RGB32);
    buffer.fill(Qt::gray);
    std::vector<double> times;
    for (int run = 0; run < 301; ++run) {
        const auto start = std::chrono::steady_clock::now();
        {
            QPainter p(&buffer);
            PrepareMazeView(s, width / CellSize, height / CellSize);
            PaintBox1Paint(s, p, art, width, height);
        }
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const MazeArt art = TexturedArt();
    GameState play = BusyMaze();
    std::printf("view=play cells=11x9 median_ms=%.3f\n", MedianMs(play, art, 11 * CellSize, 9 * CellSize));
    std::printf("view=play cells=20x20 median_ms=%.3f\n", MedianMs(play, art, 20 * CellSize, 20 * CellSize));
    GameState map = BusyMaze();
    map.InPlay = 0;
    std::printf("view=map side=%d median_ms=%.3f\n", MaxMazeSize,
                MedianMs(map, art, 11 * CellSize, 9 * CellSize));
    return 0;
}
