// Moving a file to another volume, where a rename cannot reach.
#pragma once

#include <string>

#include "engine/file_system.h"
#include "win32/windows_api.h"

namespace zentavo {

// Copies the file from names (attributes, times and streams, a link as a
// link) to scratch, a hidden name beside to, flushes the copy to disk,
// moves it onto to without replacing anything, and only then removes from,
// and only if it is still the file that was copied (same id and size):
// what stands there after someone else moved or replaced it is not ours to
// remove, and the copy stays. On failure from stays and no partial copy is
// left. A folder fails with EXDEV. Paths are extended-length. Returns 0 or
// an errno value, EEXIST when to or scratch exists; on success
// result.new_identity is the copy's.
int MoveAcrossVolumes(WindowsApi& api, const std::wstring& from, const std::wstring& to,
                      const std::wstring& scratch, MoveResult& result);

}  // namespace zentavo
