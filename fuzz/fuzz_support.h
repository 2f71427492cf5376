// Shared by the fuzz targets: a user interface that shows nothing and answers
// Yes, and a private scratch folder to put the input in as a file.
#pragma once

#include "base/silent_user_interface.h"
#include "base/user_interface.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace vextor::fuzz {

// The folder of this process, ending in "/": made once, kept for the run.
inline const std::string& scratchFolder() {
    static const std::string folder = [] {
        const auto p =
            std::filesystem::temp_directory_path() / ("vextor-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        return p.string() + "/";
    }();
    return folder;
}

inline std::string writeInput(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::string path = scratchFolder() + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

} // namespace vextor::fuzz
