// Moving a file to another file system, where a rename cannot reach.
#pragma once

#include <string>

#include "fileops/file_system.h"
#include "fileops/os.h"

namespace zentavo {

// Copies a regular file or a symbolic link to to, never replacing anything
// there, with its mode, owner (where allowed), nanosecond times and "user."
// extended attributes, and removes from only once the copy is on disk. On
// failure the source stays and no partial copy is left. Anything else (a
// folder, FIFO, socket, device) fails with EXDEV. Returns 0 or an errno
// value, EEXIST exactly when to exists. On success moved_to is the identity
// of the copy.
int MoveAcrossFileSystems(Os& os, const std::string& from, const std::string& to,
                          FileIdentity& moved_to);

}  // namespace zentavo
