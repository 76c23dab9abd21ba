#include "tests/cli/temp_tree.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace zentavo::testing {

namespace fs = std::filesystem;

std::vector<std::string> TempTree::Files() const {
    return FilesBelow(root());
}

std::vector<std::string> FilesBelow(const std::string& folder) {
    std::vector<std::string> files;
    const fs::path root_path = NativePath(folder);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root_path)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string content((std::istreambuf_iterator<char>(in)), {});
        // With slashes on every system, as the tables spell them.
        const std::u8string relative =
            entry.path().lexically_relative(root_path).generic_u8string();
        files.push_back(std::string(relative.begin(), relative.end()) + ": " + content);
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
