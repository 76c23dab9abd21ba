// Turning dropped paths into rows of the rename list.
#pragma once

#include <stop_token>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/path_batch.h"
#include "core/rename_list.h"
#include "engine/file_system.h"
#include "engine/progress.h"

namespace zentavo {

// A dropped path that does not exist, or a folder that could not be read.
struct ReadProblem {
    std::string path;
    int error = 0;  // errno value
};

struct Gathered {
    PathBatch files;  // full paths in the order found, each with its inode
    std::vector<ReadProblem> problems;
    // Subfolders passed over because recurse was not set: a drop that found
    // no file but these can say why.
    size_t subfolders_skipped = 0;
    // Folder -> its real path, for every folder of a dropped path resolved
    // so far: the files of one folder dropped one by one cost one resolution.
    std::unordered_map<std::string, std::string> real_folders;
    // Each folder whose files were found, as it was when they were: the run
    // moves nothing in a folder that another has replaced since.
    FolderIdentities folders;
};

// Searches the dropped path and appends the full path of every file it finds:
// a dropped folder is always entered, its subfolders only when recurse is
// set. Below a dropped path, links to folders are not entered, so no link can
// loop.
//
// Files are listed under their folder's real path, so that one file reached
// by two spellings (through a link to a folder, say) is one path. A dropped
// link to a file stays itself, since the link is what gets renamed; a dropped
// link to a folder lists that folder's files.
//
// Once stop is requested, no further folder is read: what was found so far
// is incomplete and only good to be thrown away.
void GatherFiles(FileSystem& fs, std::string_view path, bool recurse, Gathered& out,
                 const Progress& progress = {}, std::stop_token stop = {});

}  // namespace zentavo
