#include "tests/cli/temp_tree.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zentavo::testing {

namespace fs = std::filesystem;

TempTree::TempTree() {
    std::string pattern = (fs::temp_directory_path() / "zentavo-cli-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
}

TempTree::~TempTree() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

std::string TempTree::AddFile(std::string_view relative) {
    const fs::path path = fs::path(root_) / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << relative;
    return path.string();
}

std::vector<std::string> TempTree::Files() const {
    std::vector<std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root_)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string content((std::istreambuf_iterator<char>(in)), {});
        files.push_back(entry.path().lexically_relative(root_).string() + ": " + content);
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string WithRoot(std::string_view text, const std::string& root) {
    std::string out;
    for (const char c : text) {
        if (c == '@') {
            out += root;
        } else if (c == '^') {
            out.append(root.size() - 1, ' ');
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace zentavo::testing
