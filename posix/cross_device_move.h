// Moving a file to another file system, where a rename cannot reach.
#pragma once

#include <string>

#include "engine/file_system.h"
#include "posix/folder_handles.h"
#include "posix/no_replace_rename.h"
#include "posix/os.h"

namespace zentavo {

// Copies a regular file or a symbolic link to to, never replacing anything
// there, with its mode, owner (where allowed), nanosecond times and "user."
// extended attributes where the target can hold them, sparse files sparsely,
// and removes from only once the copy is on disk. The
// copy of a file is made unnamed, or under scratch_name in to's folder where
// the target has no unnamed files, and takes its name by rename's move once
// complete. On failure the source stays and no partial copy is left.
// Anything else (a folder, FIFO, socket, device) fails with EXDEV. Returns 0
// or an errno value, EEXIST when to or the scratch name exists; on success
// result holds the copy's identity (and what the final move saved, if any).
int MoveAcrossFileSystems(Os& os, NoReplaceRename& rename, const Place& from, const Place& to,
                          const std::string& scratch_name, MoveResult& result);

}  // namespace zentavo
