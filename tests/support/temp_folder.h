// A fresh folder under the system's temporary folder for tests that work on
// real files, removed with everything in it when the object goes.
#pragma once

#include <string>
#include <string_view>

namespace zentavo {

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
