// The asset maker's writers of BMP pictures and WAV sounds, checked against
// Qt's own BMP reader and against the bytes of the formats.
#include "tools/make_assets.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace zorbik::assets {
namespace {

namespace fs = std::filesystem;

class AssetWriters : public ::testing::Test {
  protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("zorbik-asset-writers-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Bytes(const fs::path& path)
    {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    static unsigned Byte(const std::string& bytes, std::size_t at)
    {
        return static_cast<unsigned char>(bytes[at]);
    }
    static std::uint32_t LE(const std::string& bytes, std::size_t at, int count)
    {
        std::uint32_t value = 0;
        for (int i = count - 1; i >= 0; --i)
            value = value << 8 | Byte(bytes, at + i);
        return value;
    }

    fs::path folder;
};

// A width whose rows need padding to four bytes, every pixel different.
TEST_F(AssetWriters, BmpRowsArePaddedStoredBottomUpAndReadBackByQt)
{
    QImage source(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            source.setPixelColor(x, y, QColor(x * 50, y * 100, 200 - x * 10));
    const fs::path path = folder / "small.bmp";
    ASSERT_TRUE(WriteBmp24(path.string(), source));

    const std::string b = Bytes(path);
    const std::size_t rowBytes = 16; // 5 pixels * 3 bytes, padded
    ASSERT_EQ(b.size(), 54 + 3 * rowBytes);
    EXPECT_EQ(LE(b, 2, 4), b.size());
    EXPECT_EQ(LE(b, 18, 4), 5u);
    EXPECT_EQ(LE(b, 22, 4), 3u);
    EXPECT_EQ(LE(b, 28, 2), 24u);
    // The first stored row is the picture's bottom row, pixels as B, G, R.
    EXPECT_EQ(Byte(b, 54), 200u);
    EXPECT_EQ(Byte(b, 55), 200u);
    EXPECT_EQ(Byte(b, 56), 0u);

    QImage back;
    ASSERT_TRUE(back.load(QString::fromStdString(path.string()), "BMP"));
    ASSERT_EQ(back.size(), source.size());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(back.pixelColor(x, y), source.pixelColor(x, y)) << x << "," << y;
}

TEST_F(AssetWriters, WavHeaderMatchesItsSamples)
{
    const std::vector<std::int16_t> samples = {0, 1000, -1000, 32767, -32768};
    const fs::path path = folder / "short.wav";
    ASSERT_TRUE(WriteWav16(path.string(), samples, 22050));

    const std::string b = Bytes(path);
    ASSERT_EQ(b.size(), 44u + 2 * samples.size());
    EXPECT_EQ(b.substr(0, 4), "RIFF");
    EXPECT_EQ(LE(b, 4, 4), b.size() - 8);
    EXPECT_EQ(LE(b, 24, 4), 22050u);
    EXPECT_EQ(LE(b, 28, 4), 44100u);
    EXPECT_EQ(LE(b, 40, 4), 2 * samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        EXPECT_EQ(static_cast<std::int16_t>(LE(b, 44 + 2 * i, 2)), samples[i]) << i;
}

TEST_F(AssetWriters, UnwritablePlaceIsReportedNotIgnored)
{
    const std::string missing = (folder / "no such folder" / "x").string();
    EXPECT_FALSE(WriteBmp24(missing + ".bmp", QImage(2, 2, QImage::Format_RGB32)));
    EXPECT_FALSE(WriteWav16(missing + ".wav", {0, 0}, 22050));
}

} // namespace
} // namespace zorbik::assets
