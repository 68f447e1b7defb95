// A fresh folder of the test's own under the system's temporary folder,
// removed with everything in it when the test is done.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <stdlib.h>
#include <string>

namespace zorbik::testing {

struct TempFolder {
    std::filesystem::path dir;

    explicit TempFolder(const std::string& prefix = "zorbik")
    {
        std::string name = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
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

} // namespace zorbik::testing
