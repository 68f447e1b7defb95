#include "NameFile.h"

#include "SafeFiles.h"

namespace zorbik {

std::string ReadGamerName(const std::string& path)
{
    // Only a regular file counts, and only its first mebibyte: a folder, a
    // FIFO or a device in its place gives the empty name and never blocks.
    const auto bytes = ReadRegularFile(path);
    if (!bytes)
        return {};
    std::string name;
    for (const char byte : *bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (c == 26)
            break;
        if (c < 32 || c == 127)
            continue;
        name.push_back(static_cast<char>(c));
    }
    return name;
}

} // namespace zorbik
