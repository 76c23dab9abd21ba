// Real files in fresh folders for the tests of the Windows file system.
#pragma once

#include <string>
#include <vector>

#include "win32/win32_file_system.h"

namespace zentavo {

using Names = std::vector<std::string>;

std::wstring WidePath(const std::string& path);
bool WriteFile(const std::string& path, const std::string& content);
std::string ReadFile(const std::string& path);  // "<missing>" when it cannot be read

// A fresh folder under base (the temporary folder when empty), removed
// with all it holds.
class Folder {
public:
    explicit Folder(std::string base = {});
    ~Folder();
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// The folder's entries but "." and "..", sorted.
Names NamesIn(Win32FileSystem& fs, const std::string& folder);

}  // namespace zentavo
