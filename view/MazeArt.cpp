#include "MazeArt.h"

#include "AssetFilesLogic.h"

#include "world/ViewCodes.h"

#include <QGuiApplication>
#include <QPalette>

namespace zorbik {

const QImage* CellBitmaps::forViewCode(uint8_t code) const
{
    if (code >= ViewItemBase + Gold && code <= ViewItemBase + FirstAid)
        return &images[BmpGold + (code - ViewItemBase - Gold)];
    if (code >= ViewEnemyBase + Hare && code <= ViewEnemyBase + Bear)
        return &images[BmpHare + (code - ViewEnemyBase - Hare)];
    switch (code) {
    case CellRoad:
        return &images[BmpRoad];
    case CellBrick:
        return &images[BmpBrick];
    case CellEnter:
        return &images[BmpEnter];
    case CellExit:
        return &images[BmpExit];
    case CellDoor:
        return &images[BmpDoor];
    case ViewPlayer:
        return &images[BmpMe];
    case ViewOutside:
        return &images[BmpOutside];
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
    pictures.face = WithTransparentBackground(LoadPicture(folder + FacePicture));
    pictures.money = LoadPicture(folder + MoneyPicture);
    pictures.bear = LoadPicture(folder + BearPicture);
    pictures.door = LoadPicture(folder + DoorPicture);
    return pictures;
}

} // namespace zorbik
