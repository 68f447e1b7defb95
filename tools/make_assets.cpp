// make_assets: draws the maze game's pictures and synthesises its sounds.
//
//   make_assets <game folder>            writes <game folder>/Images/*.bmp and
//                                        <game folder>/Sounds/*.wav
//   make_assets <game folder> <sheet>    also writes a PNG contact sheet of the
//                                        pictures, at full size and at 57 x 57
//   make_assets --icons <folder>         writes the program's icons,
//                                        <folder>/zorbik-<size>.png
//
// Runs without a window (QImage and QPainter only).
#include "make_assets.h"

#include "common/SafeFiles.h"

#include <QBuffer>
#include <QColor>
#include <QPainter>

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace zorbik::assets {
namespace {

// All pictures side by side at full size, and below them at the side panel's
// size of 57 x 57 (and the face at 35 x 35), for a look at a glance.
QImage ContactSheet(const std::vector<Picture>& pictures)
{
    const int perRow = 9;
    const int pitch = CellPixels + 8;
    const int rows = (static_cast<int>(pictures.size()) + perRow - 1) / perRow;
    QImage sheet(perRow * pitch + 8, rows * pitch + 8 + 2 * 65 + 8, QImage::Format_RGB32);
    sheet.fill(QColor(240, 240, 240));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < static_cast<int>(pictures.size()); ++i) {
        p.drawImage(8 + (i % perRow) * pitch, 8 + (i / perRow) * pitch, pictures[i].image);
        const int small = pictures[i].file == FacePicture ? 35 : 57;
        const QPoint at(8 + (i % perRow) * 65, rows * pitch + 16 + (i / perRow) * 65);
        p.drawImage(QRect(at, QSize(small, small)),
                    pictures[i].image.scaled(small, small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    return sheet;
}

// PNG keeps the icons' transparency.
int WriteIcons(const std::filesystem::path& folder)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    int failures = 0;
    for (const Picture& icon : DrawIcons()) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!icon.image.save(&buffer, "PNG") ||
            !zorbik::ReplaceFile((folder / icon.file).string(), png.toStdString())) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", icon.file.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

// The quiz program's sounds go into its own folder.
int WriteQuizSounds(const std::filesystem::path& quiz)
{
    std::error_code ec;
    std::filesystem::create_directories(quiz / "Sounds", ec);
    int failures = 0;
    for (const Sound& sound : MakeQuizSounds()) {
        if (!WriteWav16((quiz / "Sounds" / sound.file).string(), sound.samples, SampleRate)) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", sound.file.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

} // namespace
} // namespace zorbik::assets

int main(int argc, char** argv)
{
    using namespace zorbik::assets;
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_assets <game folder> [contact sheet.png]\n"
                             "       make_assets --icons <folder>\n"
                             "       make_assets --quiz-sounds <quiz folder>\n");
        return 2;
    }
    if (std::string_view(argv[1]) == "--icons")
        return argc == 3 ? WriteIcons(argv[2]) : 2;
    if (std::string_view(argv[1]) == "--quiz-sounds")
        return argc == 3 ? WriteQuizSounds(argv[2]) : 2;
    namespace fs = std::filesystem;
    const fs::path game = argv[1];
    std::error_code ec;
    fs::create_directories(game / "Images", ec);
    fs::create_directories(game / "Sounds", ec);

    int failures = 0;
    const std::vector<Picture> pictures = DrawPictures();
    for (const Picture& picture : pictures) {
        if (!WriteBmp24((game / "Images" / picture.file).string(), picture.image)) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", picture.file.c_str());
            ++failures;
        }
    }
    for (const Sound& sound : MakeSounds()) {
        if (!WriteWav16((game / "Sounds" / sound.file).string(), sound.samples, SampleRate)) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", sound.file.c_str());
            ++failures;
        }
    }
    if (argc > 2 && !ContactSheet(pictures).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "make_assets: cannot write %s\n", argv[2]);
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
