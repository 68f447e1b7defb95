#include "WaveFileLogic.h"

#include "common/SafeFiles.h"

#include <cstdint>
#include <filesystem>

namespace zorbik {

namespace {

constexpr std::size_t HeaderLimit = 64 * 1024;
// The sound effects read a file whole: far above any sound of the game.
constexpr uint64_t SoundLimit = 16 << 20;

uint32_t Le(const std::string& b, std::size_t at, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | static_cast<uint8_t>(b[at + i]);
    return v;
}

bool PlayableFormat(const std::string& b, std::size_t at, std::size_t size)
{
    if (size < 16)
        return false;
    const uint32_t tag = Le(b, at, 2), channels = Le(b, at + 2, 2), rate = Le(b, at + 4, 4);
    const uint32_t align = Le(b, at + 12, 2), bits = Le(b, at + 14, 2);
    const bool pcm = bits == 8 || bits == 16 || bits == 24 || bits == 32;
    const bool known = tag == 1 ? pcm : tag == 3 ? bits == 32 : tag == 0xFFFE && pcm;
    return known && channels > 0 && rate > 0 && align == channels * bits / 8;
}

} // namespace

bool IsPlayableWave(const std::string& path)
{
    const auto read = ReadRegularFile(path, HeaderLimit);
    std::error_code ec;
    const auto fileSize = std::filesystem::file_size(path, ec);
    if (!read || ec)
        return false;
    const std::string& b = *read;
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0)
        return false;
    bool format = false;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const uint64_t size = Le(b, at + 4, 4);
        const std::size_t body = at + 8;
        if (b.compare(at, 4, "fmt ") == 0) {
            if (body + size > b.size() || !PlayableFormat(b, body, size))
                return false;
            format = true;
        } else if (b.compare(at, 4, "data") == 0) {
            return format && size > 0 && size <= SoundLimit && body + size <= fileSize;
        }
        at = body + size + (size & 1);
    }
    return false;
}

} // namespace zorbik
