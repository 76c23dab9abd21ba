// A file's full path cut into the pieces that rename patterns use.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/code_page.h"
#include "core/path_syntax.h"

namespace zentavo {

// Appends name to the folder in path with one separator between them: none
// is added when the folder already ends in a separator of its own (on a
// double-byte page a trail byte that equals it does not count). An empty
// folder is the root.
void AppendPathName(std::string& path, std::string_view name, PathSyntax syntax,
                    const CodePage& page);

class CPathParts {
public:
    std::string path;
    std::string extension;             // after the last "." of name; empty without one
    std::string title;                 // before the last "." of name; all of name without one
    std::string name;                  // after the last separator; all of path without one
    std::string directory;             // before the last separator; "." without one
    std::vector<std::string> folders;  // folder names of directory, outermost first

    CPathParts() = default;
    CPathParts(std::string_view p, PathSyntax syntax, const CodePage& page);

    // Replaces every field. Reuses the buffers of the earlier content, so one
    // object parses a whole list without allocating per row.
    void Parse(std::string_view p, PathSyntax syntax, const CodePage& page);

private:
    void CutFolders(PathSyntax syntax, const CodePage& page);
};

}  // namespace zentavo
