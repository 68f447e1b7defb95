// Writers of the plain file formats the game loads: 24-bit BMP pictures and
// 16-bit PCM WAV sounds, byte by byte, little-endian.
#include "make_assets.h"

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

} // namespace zorbik::assets
