#include "tests/cli/temp_tree.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace zentavo::testing {

namespace fs = std::filesystem;

std::vector<std::string> TempTree::Files() const {
    std::vector<std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root())) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string content((std::istreambuf_iterator<char>(in)), {});
        files.push_back(entry.path().lexically_relative(root()).string() + ": " + content);
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
