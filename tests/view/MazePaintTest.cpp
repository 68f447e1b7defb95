#include "PaintFixtures.h"
#include "view/MazePainter.h"
#include "view/MazeSurface.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <gtest/gtest.h>

namespace zorbik {
namespace {

using testing::BitmapColor;
using testing::OpenMaze;
using testing::SolidArt;

const QRgb Untouched = qRgb(1, 2, 3);

// Prepares the state as play does before a paint and runs the paint handler
// into an image of the surface's size, first filled with a colour no picture has.
QImage Paint(GameState& s, const MazeArt& art)
{
    QImage image(s.PaintBoxWidth, s.PaintBoxHeight, QImage::Format_RGB32);
    image.fill(Untouched);
    PrepareMazeView(s, image.width() / CellSize, image.height() / CellSize);
    QPainter p(&image);
    PaintBox1Paint(s, p, art, image.width(), image.height());
    return image;
}

// The colour in the middle of view cell (c, r), counted from 0.
QRgb CellPixel(const QImage& image, int c, int r)
{
    return image.pixel(c * CellSize + CellSize / 2, r * CellSize + CellSize / 2);
}

// --- The play view ---

TEST(PlayView, HiddenCellsAreBlackAndThePlayerAlwaysShows)
{
    const MazeArt art = SolidArt();
    GameState s = OpenMaze(11, 11, 9);
    s.Maze[4][2] = HiddenMark + CellItem; // a hidden item with a record
    s.ItemList[1] = {4, 2, Gold};
    s.ItemCount = 1;
    s.Maze[5][2] = HiddenMark + CellEnemy;
    s.Maze[2][2] = HiddenMark + CellRoad; // the player stands on a hidden cell
    s.Maze[6][6] = HiddenMark + CellBrick;
    QImage image = Paint(s, art);
    EXPECT_EQ(CellPixel(image, 3, 1), qRgb(0, 0, 0));
    EXPECT_EQ(CellPixel(image, 4, 1), qRgb(0, 0, 0));
    EXPECT_EQ(CellPixel(image, 5, 5), qRgb(0, 0, 0));
    // The black square covers its whole cell and nothing more.
    EXPECT_EQ(image.pixel(5 * 80, 5 * 80), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(6 * 80 - 1, 6 * 80 - 1), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(6 * 80, 5 * 80), BitmapColor(BmpRoad));
    EXPECT_EQ(CellPixel(image, 1, 1), BitmapColor(BmpMe));

    // On an item or an enemy the player is drawn, not what lies there.
    s.Maze[2][2] = CellItem;
    s.ItemList[2] = {2, 2, Diamond};
    s.ItemCount = 2;
    EXPECT_EQ(CellPixel(Paint(s, art), 1, 1), BitmapColor(BmpMe));
    s.Maze[2][2] = CellEnemy;
    s.EnemyList[1] = {2, 2, Wolf};
    s.EnemyCount = 1;
    EXPECT_EQ(CellPixel(Paint(s, art), 1, 1), BitmapColor(BmpMe));
}

TEST(PlayView, EachCellShowsThePictureOfItsContent)
{
    const MazeArt art = SolidArt();
    GameState s = OpenMaze(11, 11, 9);
    s.Maze[2][1] = CellEnter;
    s.Maze[10][9] = CellExit;
    s.Maze[3][3] = CellDoor;
    s.Maze[4][3] = CellItem; // two records on one cell: the last wins
    s.ItemList[1] = {4, 3, Gold};
    s.ItemList[2] = {9, 9, Torch};
    s.ItemList[3] = {4, 3, FirstAid};
    s.ItemCount = 3;
    s.Maze[5][3] = CellEnemy;
    s.EnemyList[1] = {5, 3, Fox};
    s.EnemyCount = 1;
    s.Maze[6][3] = CellItem;  // no record: road
    s.Maze[7][3] = CellEnemy; // no record: road
    const QImage image = Paint(s, art);
    EXPECT_EQ(CellPixel(image, 1, 0), BitmapColor(BmpEnter));
    EXPECT_EQ(CellPixel(image, 0, 0), BitmapColor(BmpBrick));
    EXPECT_EQ(CellPixel(image, 2, 2), BitmapColor(BmpDoor));
    EXPECT_EQ(CellPixel(image, 3, 2), BitmapColor(BmpFirstAid));
    EXPECT_EQ(CellPixel(image, 4, 2), BitmapColor(BmpFox));
    EXPECT_EQ(CellPixel(image, 5, 2), BitmapColor(BmpRoad));
    EXPECT_EQ(CellPixel(image, 6, 2), BitmapColor(BmpRoad));
    EXPECT_EQ(CellPixel(image, 2, 1), BitmapColor(BmpRoad));
}

TEST(PlayView, TwoEnemiesOnOneCellBecomeRoadAfterAPaint)
{
    const MazeArt art = SolidArt();
    GameState s = OpenMaze(11, 11, 9);
    s.Maze[4][4] = 2 * CellEnemy;              // 12
    s.Maze[5][5] = HiddenMark + 3 * CellEnemy; // 118: stays hidden
    s.EnemyList[1] = {4, 4, Bear};
    s.EnemyCount = 1;
    const QImage image = Paint(s, art);
    EXPECT_EQ(s.Maze[4][4], CellRoad);
    EXPECT_EQ(s.Maze[5][5], HiddenMark);
    EXPECT_EQ(CellPixel(image, 3, 3), BitmapColor(BmpRoad));
}

TEST(PlayView, CellsOutsideTheMazeAndEmptyPictures)
{
    MazeArt art = SolidArt();
    GameState s = OpenMaze(11, 4, 4);
    s.PlayerX = 1; // the view follows to column and row 0
    s.PlayerY = 1;
    art.bitmaps.images[BmpBrick] = QImage(); // missing picture: draws nothing
    QImage image = Paint(s, art);
    EXPECT_EQ(s.ViewLeft, 0);
    EXPECT_EQ(s.ViewTop, 0);
    EXPECT_EQ(CellPixel(image, 0, 0), BitmapColor(BmpOutside));
    EXPECT_EQ(CellPixel(image, 0, 3), BitmapColor(BmpOutside));
    EXPECT_EQ(CellPixel(image, 3, 0), BitmapColor(BmpOutside));
    EXPECT_EQ(CellPixel(image, 1, 1), BitmapColor(BmpMe));
    EXPECT_EQ(CellPixel(image, 2, 1), Untouched); // brick (2, 1) with no picture
    EXPECT_EQ(CellPixel(image, 2, 2), BitmapColor(BmpRoad));
}

TEST(PlayView, TheViewFollowsThePlayerByJustEnough)
{
    const MazeArt art = SolidArt();
    GameState s = OpenMaze(23, 11, 9);
    s.PlayerX = 10; // one short of the right edge ring: no move
    Paint(s, art);
    EXPECT_EQ(s.ViewLeft, 1);
    s.PlayerX = 11; // enters the ring: one column
    Paint(s, art);
    EXPECT_EQ(s.ViewLeft, 2);
    EXPECT_EQ(s.ViewRight, 12);
    s.PlayerX = 22;
    s.PlayerY = 22; // far corner: both directions at once
    QImage image = Paint(s, art);
    EXPECT_EQ(s.ViewRight, 23);
    EXPECT_EQ(s.ViewLeft, 13);
    EXPECT_EQ(s.ViewBottom, 23);
    EXPECT_EQ(s.ViewTop, 15);
    EXPECT_EQ(CellPixel(image, 9, 7), BitmapColor(BmpMe));
    EXPECT_EQ(CellPixel(image, 10, 8), BitmapColor(BmpBrick));
    s.PlayerX = 3;
    s.PlayerY = 3; // back: the left and top rules pull the view along
    Paint(s, art);
    EXPECT_EQ(s.ViewLeft, 2);
    EXPECT_EQ(s.ViewRight, 12);
    EXPECT_EQ(s.ViewTop, 2);
}

TEST(PlayView, AViewTwoCellsWideKeepsThePlayerInItsFirstColumn)
{
    const MazeArt art = SolidArt();
    GameState s = OpenMaze(11, 2, 2);
    s.PlayerX = 5;
    s.PlayerY = 6;
    const QImage image = Paint(s, art);
    EXPECT_EQ(s.ViewLeft, 5);
    EXPECT_EQ(s.ViewRight, 6);
    EXPECT_EQ(s.ViewTop, 6);
    EXPECT_EQ(s.ViewBottom, 7);
    EXPECT_EQ(CellPixel(image, 0, 0), BitmapColor(BmpMe));
}

// --- The map of the explored maze ---

TEST(MapView, RectanglesTileASurfaceOf880By720)
{
    const MazeArt art = SolidArt();
    GameState s = OpenMaze(11, 11, 9);
    s.InPlay = 0;
    const int views[4] = {s.ViewLeft, s.ViewTop, s.ViewRight, s.ViewBottom};
    // A checkerboard of brick and entrance shows every rectangle's edges.
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y)
            s.Maze[x][y] = (x + y) % 2 ? CellBrick : CellEnter;
    s.PlayerX = 11;
    s.PlayerY = 11;
    const QImage image = Paint(s, art);
    const QRgb maroon = qRgb(128, 0, 0);
    const QRgb green = qRgb(0, 128, 0);
    const QRgb yellow = qRgb(255, 255, 0);
    int heights[2] = {0, 0};
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) {
            const int left = 80 * (x - 1), right = 80 * x;
            const int top = (y - 1) * 720 / 11, bottom = y * 720 / 11;
            const QRgb want = (x == 11 && y == 11) ? yellow : ((x + y) % 2 ? maroon : green);
            EXPECT_EQ(image.pixel(left, top), want) << x << "," << y;
            EXPECT_EQ(image.pixel(right - 1, bottom - 1), want) << x << "," << y;
            if (x == 1)
                ++heights[bottom - top - 65];
        }
    EXPECT_EQ(heights[0] + heights[1], 11); // every row 65 or 66 pixels down
    EXPECT_GT(heights[0], 0);
    EXPECT_GT(heights[1], 0);
    // The map leaves the viewport alone.
    EXPECT_EQ(s.ViewLeft, views[0]);
    EXPECT_EQ(s.ViewTop, views[1]);
    EXPECT_EQ(s.ViewRight, views[2]);
    EXPECT_EQ(s.ViewBottom, views[3]);
}

TEST(MapView, ColoursFollowContentNotKind)
{
    const MazeArt art = SolidArt();
    GameState s = OpenMaze(11, 11, 9);
    s.InPlay = 0;
    s.Maze[3][2] = CellItem; // no record: still blue
    s.Maze[4][2] = CellEnemy;
    s.Maze[5][2] = HiddenMark + CellItem;
    s.Maze[6][2] = 2 * CellEnemy; // stacked enemies: road after the strip
    s.Maze[7][2] = CellDoor;
    s.Maze[8][2] = CellExit;
    s.Maze[2][2] = HiddenMark; // the player's cell is yellow even when hidden
    const QImage image = Paint(s, art);
    const auto at = [&](int x, int y) { return image.pixel((x - 1) * 80 + 40, (y - 1) * 720 / 11 + 30); };
    EXPECT_EQ(at(2, 2), qRgb(255, 255, 0));
    EXPECT_EQ(at(3, 2), qRgb(0, 0, 255));
    EXPECT_EQ(at(4, 2), qRgb(255, 0, 0));
    EXPECT_EQ(at(5, 2), qRgb(0, 0, 0));
    EXPECT_EQ(at(6, 2), art.mapColors[0].rgb());
    EXPECT_EQ(at(7, 2), qRgb(0, 255, 255));
    EXPECT_EQ(at(8, 2), qRgb(0, 255, 0));
    EXPECT_EQ(at(3, 3), art.mapColors[0].rgb());
    EXPECT_EQ(art.mapColors[0], QGuiApplication::palette().color(QPalette::Button));
}

// --- The surface widget ---

TEST(MazeSurfaceWidget, DrawsIntoItsBackBufferAndReportsMouseButtons)
{
    const MazeArt art = SolidArt();
    GameState s = OpenMaze(11, 3, 3);
    s.PaintBoxLeft = 7;
    s.PaintBoxTop = 9;
    MazeSurface surface(s, art);
    surface.place();
    EXPECT_EQ(surface.geometry(), QRect(7, 9, 240, 240));
    surface.drawNow();
    ASSERT_EQ(surface.backBuffer().size(), QSize(240, 240));
    EXPECT_EQ(surface.backBuffer().pixel(120, 120), BitmapColor(BmpMe));

    std::vector<std::string> seen;
    QObject::connect(&surface, &MazeSurface::mousePressed, [&](int x, int y) {
        seen.push_back("press " + std::to_string(x) + " " + std::to_string(y));
    });
    QObject::connect(&surface, &MazeSurface::mouseReleased, [&](int x, int y) {
        seen.push_back("release " + std::to_string(x) + " " + std::to_string(y));
    });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(100, 50), QPointF(100, 50), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-4, 300), QPointF(-4, 300), Qt::RightButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&surface, &press);
    QCoreApplication::sendEvent(&surface, &release);
    EXPECT_EQ(seen, (std::vector<std::string>{"press 100 50", "release -4 300"}));
}

// --- The health bar ---

TEST(HealthBarPaint, OneBlockPerTenPointsInTheColourOfTheHealth)
{
    const QRgb lime = qRgb(0, 255, 0), yellow = qRgb(255, 255, 0), red = qRgb(255, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    struct Case {
        int health;
        int blocks;
        QRgb color;
    };
    for (const Case c :
         {Case{100, 10, lime}, Case{60, 6, lime}, Case{59, 5, yellow}, Case{50, 5, yellow},
          Case{30, 3, yellow}, Case{29, 2, red}, Case{20, 2, red}, Case{10, 1, red}, Case{9, 0, red}}) {
        GameState s;
        s.InPlay = 1;
        s.Health = c.health;
        QImage bar(77, 17, QImage::Format_RGB32);
        bar.fill(white);
        {
            QPainter p(&bar);
            PaintBox4Paint(p, s);
        }
        for (int i = 1; i <= 10; ++i) {
            const int left = 7 * (i - 1);
            const QRgb want = i <= c.blocks ? c.color : white;
            EXPECT_EQ(bar.pixel(left, 2), want) << c.health << " block " << i;
            EXPECT_EQ(bar.pixel(left + 5, 13), want) << c.health << " block " << i;
            EXPECT_EQ(bar.pixel(left + 6, 8), white) << c.health << " gap after " << i;
            EXPECT_EQ(bar.pixel(left, 1), white);
            EXPECT_EQ(bar.pixel(left, 14), white);
        }
    }
}

TEST(HealthBarPaint, NothingWhileTheMapIsShown)
{
    GameState s;
    s.InPlay = 0;
    s.Health = 100;
    QImage bar(77, 17, QImage::Format_RGB32);
    bar.fill(Untouched);
    QPainter p(&bar);
    PaintBox4Paint(p, s);
    p.end();
    QImage blank(77, 17, QImage::Format_RGB32);
    blank.fill(Untouched);
    EXPECT_EQ(bar, blank);
}

} // namespace
} // namespace zorbik
