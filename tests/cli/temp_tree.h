// A real folder tree under the system's temporary folder, removed with the
// object. Every file holds its own first relative path, so a test can tell
// which file ended up where.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/temp_folder.h"

namespace zentavo::testing {

class TempTree : private TempFolder {
public:
    const std::string& root() const { return path(); }
    std::string Path(std::string_view relative) const { return *this / relative; }

    // Creates the file and the folders above it; returns its full path.
    std::string AddFile(std::string_view relative) const {
        return TempFolder::AddFile(relative, relative);
    }
    // "relative: content" for every file below the root, sorted; the whole
    // state of the tree as a test sees it.
    std::vector<std::string> Files() const;
};

// TempTree::Files of any folder.
std::vector<std::string> FilesBelow(const std::string& folder);

// Expected output written with placeholders: "@" for the root's path, and "^"
// for the spaces that path is wider than its one-character placeholder, so
// that table columns still line up in the text.
std::string WithRoot(std::string_view text, const std::string& root);

}  // namespace zentavo::testing
