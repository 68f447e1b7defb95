// The pictures and sounds that the asset maker leaves in the game's folder:
// formats the game can load, pictures that tell apart, sounds that play
// cleanly.
#include "common/AssetNames.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

const std::string ImageFolder = ZORBIK_SUITE_DIR "/Maze/Images/";
const std::string SoundFolder = ZORBIK_SUITE_DIR "/Maze/Sounds/";

const std::vector<std::string> CellPictures = {
    "Road.bmp",  "Brick.bmp",    "Enter.bmp", "Exit.bmp", "Door.bmp", "Gold.bmp", "Money.bmp", "Diamond.bmp",
    "Torch.bmp", "FirstAid.bmp", "Hare.bmp",  "Wolf.bmp", "Fox.bmp",  "Bear.bmp", "Me.bmp",    "Outside.bmp"};

// Pictures of things that stand on the road: their corners show the road.
const std::vector<std::string> OnTheRoad = {"Gold.bmp",     "Money.bmp", "Diamond.bmp", "Torch.bmp",
                                            "FirstAid.bmp", "Hare.bmp",  "Wolf.bmp",    "Fox.bmp",
                                            "Bear.bmp",     "Me.bmp"};

const std::vector<std::string> Sounds = {"GAME21_SS01.WAV", "LockDoor.wav", "Doorbell.wav", "Door.wav",
                                         "SF023_SS01.WAV",  "Be_eaten.wav", "Moved.wav"};

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t LE(const std::string& bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

struct Bmp {
    int width = 0, height = 0;
    std::string bytes;
    // Pixel (x, y) counted from the top-left, as B, G, R.
    std::array<int, 3> At(int x, int y) const
    {
        const int rowBytes = (width * 3 + 3) / 4 * 4;
        const std::size_t at = 54 + static_cast<std::size_t>((height - 1 - y) * rowBytes + 3 * x);
        return {static_cast<unsigned char>(bytes[at]), static_cast<unsigned char>(bytes[at + 1]),
                static_cast<unsigned char>(bytes[at + 2])};
    }
    std::array<std::array<int, 3>, 4> Corners() const
    {
        return {At(0, 0), At(width - 1, 0), At(0, height - 1), At(width - 1, height - 1)};
    }
};

// Loads a BMP and checks that it is the plain kind the game's loader reads:
// 24 bits, uncompressed, bottom-up rows, sizes consistent.
Bmp LoadBmp(const std::string& name)
{
    Bmp bmp;
    bmp.bytes = ReadAll(ImageFolder + name);
    const std::string& b = bmp.bytes;
    EXPECT_GE(b.size(), 54u) << name;
    if (b.size() < 54)
        return bmp;
    EXPECT_EQ(b.substr(0, 2), "BM") << name;
    EXPECT_EQ(LE(b, 10, 4), 54u) << name << ": pixel data right after the headers";
    EXPECT_EQ(LE(b, 14, 4), 40u) << name << ": BITMAPINFOHEADER";
    bmp.width = static_cast<int>(LE(b, 18, 4));
    bmp.height = static_cast<int>(static_cast<std::int32_t>(LE(b, 22, 4)));
    EXPECT_GT(bmp.height, 0) << name << ": rows stored bottom-up";
    EXPECT_EQ(LE(b, 26, 2), 1u) << name;
    EXPECT_EQ(LE(b, 28, 2), 24u) << name << ": 24 bits per pixel";
    EXPECT_EQ(LE(b, 30, 4), 0u) << name << ": uncompressed";
    const std::size_t rowBytes = (static_cast<std::size_t>(bmp.width) * 3 + 3) / 4 * 4;
    EXPECT_EQ(b.size(), 54 + rowBytes * static_cast<std::size_t>(std::abs(bmp.height))) << name;
    EXPECT_EQ(LE(b, 2, 4), b.size()) << name;
    if (b.size() != 54 + rowBytes * static_cast<std::size_t>(std::abs(bmp.height)) || bmp.height <= 0)
        bmp.width = bmp.height = 0; // unusable for pixel checks
    return bmp;
}

TEST(AssetsMade, CellPicturesFillOneCellEach)
{
    for (const std::string& name : CellPictures) {
        const Bmp bmp = LoadBmp(name);
        EXPECT_EQ(bmp.width, 80) << name;
        EXPECT_EQ(bmp.height, 80) << name;
        // and Qt's reader, which the game uses, agrees
        QImage loaded;
        EXPECT_TRUE(loaded.load(QString::fromStdString(ImageFolder + name), "BMP")) << name;
        EXPECT_EQ(loaded.size(), QSize(80, 80)) << name;
    }
}

TEST(AssetsMade, PicturesTellApartAndThingsStandOnTheRoad)
{
    std::map<std::string, Bmp> pictures;
    for (const std::string& name : CellPictures)
        pictures[name] = LoadBmp(name);
    for (auto a = pictures.begin(); a != pictures.end(); ++a)
        for (auto b = std::next(a); b != pictures.end(); ++b)
            EXPECT_NE(a->second.bytes, b->second.bytes) << a->first << " and " << b->first << " are the same";

    const Bmp& road = pictures["Road.bmp"];
    ASSERT_EQ(road.width, 80);
    for (const std::string& name : OnTheRoad) {
        ASSERT_EQ(pictures[name].width, 80) << name;
        EXPECT_EQ(pictures[name].Corners(), road.Corners()) << name << " does not stand on the road";
    }
    // A wall and the ground outside must not look like road.
    EXPECT_NE(pictures["Brick.bmp"].At(10, 10), road.At(10, 10));
    EXPECT_NE(pictures["Outside.bmp"].At(0, 0), road.At(0, 0));
}

TEST(AssetsMade, FaceHasOneFlatBackgroundColour)
{
    const Bmp face = LoadBmp("happy_face.bmp");
    ASSERT_GE(face.width, 35);
    ASSERT_GE(face.height, 35);
    // The side panel takes the top-left colour as transparent: the whole
    // border must be that colour, and the face's middle must not be.
    const auto key = face.At(0, 0);
    for (int i = 0; i < face.width; ++i) {
        EXPECT_EQ(face.At(i, 0), key) << "top " << i;
        EXPECT_EQ(face.At(i, face.height - 1), key) << "bottom " << i;
    }
    for (int i = 0; i < face.height; ++i) {
        EXPECT_EQ(face.At(0, i), key) << "left " << i;
        EXPECT_EQ(face.At(face.width - 1, i), key) << "right " << i;
    }
    EXPECT_NE(face.At(face.width / 2, face.height / 2), key);

    // Upright: the dark eyes are in the upper half, the mouth's middle in the
    // lower half is yellow skin above the smile, not an eye.
    QImage loaded;
    ASSERT_TRUE(loaded.load(QString::fromStdString(ImageFolder + "happy_face.bmp"), "BMP"));
    ASSERT_EQ(loaded.size(), QSize(80, 80));
    EXPECT_LT(loaded.pixelColor(28, 31).lightness(), 80);
    EXPECT_GT(loaded.pixelColor(28, 49).lightness(), 100);
}

TEST(AssetsMade, SoundsAreShortCleanMonoPcm)
{
    for (const std::string& name : Sounds) {
        SCOPED_TRACE(name);
        const std::string b = ReadAll(SoundFolder + name);
        ASSERT_GE(b.size(), 44u);
        EXPECT_EQ(b.substr(0, 4), "RIFF");
        EXPECT_EQ(LE(b, 4, 4), b.size() - 8);
        EXPECT_EQ(b.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(LE(b, 16, 4), 16u);
        EXPECT_EQ(LE(b, 20, 2), 1u) << "PCM";
        EXPECT_EQ(LE(b, 22, 2), 1u) << "mono";
        const std::uint32_t rate = LE(b, 24, 4);
        EXPECT_EQ(LE(b, 28, 4), rate * 2);
        EXPECT_EQ(LE(b, 32, 2), 2u);
        EXPECT_EQ(LE(b, 34, 2), 16u) << "16-bit";
        EXPECT_EQ(b.substr(36, 4), "data");
        const std::uint32_t dataBytes = LE(b, 40, 4);
        ASSERT_EQ(dataBytes, b.size() - 44);
        ASSERT_GT(rate, 0u);

        const std::size_t count = dataBytes / 2;
        const double seconds = static_cast<double>(count) / rate;
        EXPECT_GT(seconds, 0.1);
        EXPECT_LT(seconds, 1.5);
        std::vector<int> samples(count);
        int peak = 0;
        for (std::size_t i = 0; i < count; ++i) {
            samples[i] = static_cast<std::int16_t>(LE(b, 44 + 2 * i, 2));
            peak = std::max(peak, std::abs(samples[i]));
        }
        EXPECT_GT(peak, 8000) << "too quiet";
        EXPECT_LT(peak, 32767) << "clipped";
        // A clipped wave sits flat at its peak; a clean one only touches it.
        int flat = 0, longestFlat = 0;
        for (int s : samples) {
            flat = std::abs(s) == peak ? flat + 1 : 0;
            longestFlat = std::max(longestFlat, flat);
        }
        EXPECT_LT(longestFlat, 4) << "flat top: clipped";
        ASSERT_GE(count, 2u);
        // Starts and ends in silence, so no click at either end.
        EXPECT_LT(std::abs(samples.front()), 200);
        EXPECT_LT(std::abs(samples.back()), 200);
    }
}

// The names the game, the quiz and the maker share are the files on disk.
TEST(AssetsMade, SharedNamesAreTheFilesOnDisk)
{
    using zorbik::CellBitmapFiles, zorbik::GameSoundFiles;
    EXPECT_EQ(std::vector<std::string>(CellBitmapFiles.begin(), CellBitmapFiles.end()), CellPictures);
    EXPECT_EQ(std::vector<std::string>(GameSoundFiles.begin(), GameSoundFiles.end()), Sounds);
    EXPECT_STREQ(zorbik::FacePicture, "happy_face.bmp");
    EXPECT_STREQ(zorbik::RightAnswerQuizSound, "Right.wav");
    EXPECT_STREQ(zorbik::WrongAnswerQuizSound, "Wrong.wav");
}

} // namespace
