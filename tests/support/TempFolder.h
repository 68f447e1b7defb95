// A fresh folder of the test's own under the system's temporary folder,
// removed with everything in it when the test is done, and whole files
// written and read back.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>
#include <string>

namespace zorbik::testing {

struct TempFolder {
    std::filesystem::path dir;

    // Under `base`, or the system's temporary folder; a class's folder needs
    // one whose folders above it no other user may write, such as "/srv".
    explicit TempFolder(const std::string& prefix = "zorbik", const std::string& base = "")
    {
        const std::filesystem::path under =
            base.empty() ? std::filesystem::temp_directory_path() : std::filesystem::path(base);
        std::filesystem::create_directories(under);
        std::string name = (under / (prefix + "-XXXXXX")).string();
        if (!::mkdtemp(name.data()))
            throw std::runtime_error("no temporary folder for " + prefix);
        dir = name;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string at(const std::string& name) const { return (dir / name).string(); }
};

// A file's bytes; empty when it cannot be read.
inline std::string Slurp(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes the bytes as the whole file, making its folders first.
inline void Put(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace zorbik::testing
