// A fresh folder under the system's temporary folder for tests that work on
// real files, removed with everything in it when the object goes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zentavo {

// A path in UTF-8, as the engine keeps it, for std::filesystem and back: on
// Windows a narrow path would go through the ANSI code page and lose names.
std::filesystem::path NativePath(std::string_view utf8);
std::string Utf8Path(const std::filesystem::path& path);

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(std::string_view relative) const {
        return path_ + "/" + std::string(relative);
    }

    // Create the entry and any folders above it; return its full path.
    std::string AddFolder(std::string_view relative) const;
    std::string AddFile(std::string_view relative, std::string_view content = {}) const;
    // Whether the entry exists, a link counting as itself.
    bool Exists(std::string_view relative) const;

private:
    std::string path_;
};

}  // namespace zentavo
