// Shared pieces of the asset maker: the pictures and sounds of the maze game
// are drawn and synthesised here and written as plain BMP and WAV files.
#pragma once

#include "common/AssetNames.h"

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

namespace zorbik::assets {

// Every cell picture is one maze cell of the play view.
constexpr int CellPixels = 80;
// Sample rate of every sound.
constexpr int SampleRate = 22050;

struct Picture {
    std::string file;
    QImage image;
};

struct Sound {
    std::string file;
    std::vector<std::int16_t> samples; // mono
};

// The seventeen pictures: the sixteen cell pictures in the order the game
// loads them, then the face of the direction pad.
std::vector<Picture> DrawPictures();

// The program's icon at every size the desktop asks for: Zorbik on a
// transparent background, "zorbik-<size>.png".
constexpr int IconSizes[] = {16, 32, 48, 64, 128, 256};
std::vector<Picture> DrawIcons();

// The seven sound effects.
std::vector<Sound> MakeSounds();

// The quiz program's two sounds: the right answer's (short and cheerful) and
// the wrong answer's (soft).
std::vector<Sound> MakeQuizSounds();

// 24-bit uncompressed BMP (BITMAPINFOHEADER, bottom-up rows). False when the
// file cannot be written.
bool WriteBmp24(const std::string& path, const QImage& image);

// Canonical 44-byte RIFF header, 16-bit PCM mono.
bool WriteWav16(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate);

} // namespace zorbik::assets
