#include "MazeArt.h"

#include "AssetFilesLogic.h"

#include <QGuiApplication>
#include <QPalette>

namespace zorbik {

const QImage* CellBitmaps::forViewCode(uint8_t code) const
{
    switch (code) {
    case 0:
        return &images[BmpRoad];
    case 1:
        return &images[BmpBrick];
    case 2:
        return &images[BmpEnter];
    case 3:
        return &images[BmpExit];
    case 4:
        return &images[BmpDoor];
    case 7:
        return &images[BmpMe];
    case 10:
        return &images[BmpOutside];
    case 51:
    case 52:
    case 53:
    case 54:
    case 55:
        return &images[BmpGold + (code - 51)];
    case 61:
    case 62:
    case 63:
    case 64:
        return &images[BmpHare + (code - 61)];
    default:
        return nullptr;
    }
}

MapColorTable MakeMapColors()
{
    return {QGuiApplication::palette().color(QPalette::Button),
            QColor(128, 0, 0),
            QColor(0, 128, 0),
            QColor(0, 255, 0),
            QColor(0, 255, 255),
            QColor(0, 0, 255),
            QColor(255, 0, 0),
            QColor(255, 255, 0)};
}

QImage LoadPicture(const std::string& path)
{
    if (!FileExists(path))
        return {};
    QImage picture;
    if (!picture.load(QString::fromStdString(path), "BMP"))
        return {};
    return picture;
}

CellBitmaps LoadCellBitmaps(const std::string& folder)
{
    CellBitmaps bitmaps;
    for (int i = 0; i < CellBitmapCount; ++i) {
        const QImage picture = LoadPicture(folder + CellBitmapFiles[i]);
        if (!picture.isNull())
            bitmaps.images[i] = picture.convertToFormat(QImage::Format_RGB32);
    }
    return bitmaps;
}

QImage WithTransparentBackground(const QImage& picture)
{
    if (picture.isNull())
        return {};
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb background = result.pixel(0, result.height() - 1);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if (line[x] == background)
                line[x] = qRgba(0, 0, 0, 0);
    }
    return result;
}

SidePictures LoadSidePictures(const std::string& folder)
{
    SidePictures pictures;
    pictures.face = WithTransparentBackground(LoadPicture(folder + "happy_face.bmp"));
    pictures.money = LoadPicture(folder + "Money.bmp");
    pictures.bear = LoadPicture(folder + "Bear.bmp");
    pictures.door = LoadPicture(folder + "Door.bmp");
    return pictures;
}

} // namespace zorbik
