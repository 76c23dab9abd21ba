#include "tests/support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

namespace zentavo {

namespace fs = std::filesystem;

fs::path NativePath(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Path(const fs::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

TempFolder::TempFolder() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    const fs::path temp = fs::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder = temp / ("zentavo-test-" + std::to_string(random() % 1'000'000'000));
        std::error_code error;
        if (!fs::create_directory(folder, error)) continue;
        fs::permissions(folder, fs::perms::owner_all, error);
        // The real path: files are listed under their folders' real paths.
        path_ = Utf8Path(fs::canonical(folder).make_preferred());
        return;
    }
    throw std::runtime_error("no fresh folder could be made in " + Utf8Path(temp));
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(NativePath(path_), ignored);
}

std::string TempFolder::AddFolder(std::string_view relative) const {
    const std::string full = *this / relative;
    fs::create_directories(NativePath(full));
    return full;
}

std::string TempFolder::AddFile(std::string_view relative, std::string_view content) const {
    const std::string full = *this / relative;
    fs::create_directories(NativePath(full).parent_path());
    std::ofstream out(NativePath(full), std::ios::binary | std::ios::trunc);
    out << content;
    if (!out.flush()) throw std::runtime_error("cannot write " + full);
    return full;
}

bool TempFolder::Exists(std::string_view relative) const {
    std::error_code error;
    return fs::exists(fs::symlink_status(NativePath(*this / relative), error));
}

}  // namespace zentavo
