// Opening a name itself, a link included, and what Windows says of it in the
// engine's terms.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "engine/file_system.h"
#include "win32/scoped_handle.h"
#include "win32/windows_api.h"

namespace zentavo {

// Every other program may go on reading, writing and deleting meanwhile.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens the entry path names (extended-length), never what a link leads to,
// folders too. Returns 0 or an errno value.
int OpenEntry(WindowsApi& api, const std::wstring& path, DWORD access, DWORD share,
              ScopedHandle& handle);

// The volume's serial number and the file's id. NTFS numbers files in 64
// bits, which are kept exactly; a 128-bit id (ReFS) or one with the bit that
// marks weak identities is folded into 63 bits.
int IdentityOf(WindowsApi& api, HANDLE handle, FileIdentity& identity);

// The file id a folder listing gives, as IdentityOf would have it; 0 where
// the two may differ.
uint64_t ListedInode(int64_t file_id);

// A Windows file time (100 ns steps since 1601) in nanoseconds since 1970.
int64_t UnixNanoseconds(int64_t file_time);

// The reparse tag of the entry path names (extended-length), which only a
// search tells without opening what a link leads to; 0 if none is known.
DWORD ReparseTagOf(WindowsApi& api, const std::wstring& path);

// Whether a folder entry with these attributes is a link to elsewhere
// (a symbolic link or a junction) rather than a folder that holds its own
// entries: any other reparse point (cloud files, deduplication) is still a
// folder. Wine gives links no tag.
bool IsFolderLink(DWORD attributes, DWORD reparse_tag);

}  // namespace zentavo
