// make_assets: draws the maze game's pictures and synthesises its sounds.
//
//   make_assets <game folder>            writes <game folder>/Images/*.bmp and
//                                        <game folder>/Sounds/*.wav
//   make_assets <game folder> <sheet>    also writes a PNG contact sheet of the
//                                        pictures, at full size and at 57 x 57
//
// Runs without a window (QImage and QPainter only).
#include "make_assets.h"

#include <QColor>
#include <QPainter>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace zorbik::assets {
namespace {

void PutLE(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

} // namespace

bool WriteBmp24(const std::string& path, const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const int rowBytes = (width * 3 + 3) / 4 * 4; // rows padded to 4 bytes
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(rowBytes * height);

    std::string out;
    out.reserve(54 + pixelBytes);
    // BITMAPFILEHEADER
    out += "BM";
    PutLE(out, 54 + pixelBytes, 4);
    PutLE(out, 0, 4);
    PutLE(out, 54, 4);
    // BITMAPINFOHEADER: positive height means bottom-up rows
    PutLE(out, 40, 4);
    PutLE(out, static_cast<std::uint32_t>(width), 4);
    PutLE(out, static_cast<std::uint32_t>(height), 4);
    PutLE(out, 1, 2);  // planes
    PutLE(out, 24, 2); // bits per pixel
    PutLE(out, 0, 4);  // BI_RGB, uncompressed
    PutLE(out, pixelBytes, 4);
    PutLE(out, 2835, 4); // 72 dpi
    PutLE(out, 2835, 4);
    PutLE(out, 0, 4);
    PutLE(out, 0, 4);
    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out.push_back(static_cast<char>(qBlue(line[x])));
            out.push_back(static_cast<char>(qGreen(line[x])));
            out.push_back(static_cast<char>(qRed(line[x])));
        }
        for (int pad = width * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return WriteBytes(path, out);
}

bool WriteWav16(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    PutLE(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLE(out, 16, 4);
    PutLE(out, 1, 2); // PCM
    PutLE(out, 1, 2); // mono
    PutLE(out, static_cast<std::uint32_t>(sampleRate), 4);
    PutLE(out, static_cast<std::uint32_t>(sampleRate * 2), 4); // bytes per second
    PutLE(out, 2, 2);                                          // block align
    PutLE(out, 16, 2);                                         // bits per sample
    out += "data";
    PutLE(out, dataBytes, 4);
    for (std::int16_t s : samples)
        PutLE(out, static_cast<std::uint16_t>(s), 2);
    return WriteBytes(path, out);
}

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
        const int small = pictures[i].file == "happy_face.bmp" ? 35 : 57;
        const QPoint at(8 + (i % perRow) * 65, rows * pitch + 16 + (i / perRow) * 65);
        p.drawImage(QRect(at, QSize(small, small)),
                    pictures[i].image.scaled(small, small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    return sheet;
}

} // namespace
} // namespace zorbik::assets

int main(int argc, char** argv)
{
    using namespace zorbik::assets;
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_assets <game folder> [contact sheet.png]\n");
        return 2;
    }
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
