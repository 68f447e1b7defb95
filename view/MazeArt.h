// The pictures of the game, loaded once when the main window is created: the
// sixteen cell bitmaps of the maze view, the four side-panel pictures and the
// colours of the map.
#pragma once

#include "common/AssetNames.h"

#include <QColor>
#include <QImage>

#include <array>
#include <cstdint>
#include <string>

namespace zorbik {

enum CellBitmap {
    BmpRoad,
    BmpBrick,
    BmpEnter,
    BmpExit,
    BmpDoor,
    BmpGold,
    BmpMoney,
    BmpDiamond,
    BmpTorch,
    BmpFirstAid,
    BmpHare,
    BmpWolf,
    BmpFox,
    BmpBear,
    BmpMe,
    BmpOutside,
    CellBitmapCount
};

// CellBitmapFiles names the bitmaps in this order.
static_assert(CellBitmapFiles.size() == CellBitmapCount);
static_assert(CellBitmapFiles[BmpGold] == GoldPicture && CellBitmapFiles[BmpHare] == HarePicture &&
              CellBitmapFiles[BmpOutside] == OutsidePicture);

// Cell bitmaps, kept in the back buffer's pixel format (opaque RGB32) so
// that drawing one is a plain copy. A picture that did not load is a null image.
struct CellBitmaps {
    std::array<QImage, CellBitmapCount> images;

    // The bitmap a view code shows, or null for codes that draw nothing.
    const QImage* forViewCode(uint8_t code) const;
};

// Colours of the map, indexed by cell content (road, brick, entrance, exit,
// door, item, enemy, unused).
using MapColorTable = std::array<QColor, 8>;

// Entry 0 is the button face colour of the application palette.
MapColorTable MakeMapColors();

// A picture of the image folder: null when FileExists says no or when the
// file cannot be read as a bitmap. No message is shown either way.
QImage LoadPicture(const std::string& path);

// The sixteen cell bitmaps from `folder` (ending in a separator), each on its
// own: a missing or unreadable file leaves only its own bitmap null.
CellBitmaps LoadCellBitmaps(const std::string& folder);

// The picture with every pixel of its bottom-left pixel's colour made
// transparent, as a transparent image box shows it.
QImage WithTransparentBackground(const QImage& picture);

// The four side-panel pictures: the face in the direction pad (background
// transparent) and the money, bear and door beside the counters.
struct SidePictures {
    QImage face;
    QImage money;
    QImage bear;
    QImage door;
};
SidePictures LoadSidePictures(const std::string& folder);

// Everything the maze view draws with.
struct MazeArt {
    CellBitmaps bitmaps;
    MapColorTable mapColors{};
    bool colourBlindMap = false; // the map drawn for colour-blind eyes
};

} // namespace zorbik
