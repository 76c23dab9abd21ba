#include "win32/win32_file_system.h"

#include <windows.h>

#include "core/utf8.h"
#include "win32/open_entry.h"
#include "win32/windows_errors.h"
#include "win32/windows_path.h"

namespace zentavo {

namespace {

constexpr size_t kListingBufferSize = size_t{64} << 10;

// The current folder of a drive ("C:") or of the process (".").
int CurrentFolder(WindowsApi& api, const wchar_t* of, std::string& folder) {
    std::wstring wide(MAX_PATH, L'\0');
    while (true) {
        const DWORD length = api.FullPathName(of, DWORD(wide.size()), wide.data());
        if (length == 0) return LastErrno();
        if (length < wide.size()) {
            wide.resize(length);
            folder = PathFromWide(wide);
            return 0;
        }
        wide.resize(length);
    }
}

}  // namespace

Win32FileSystem::Win32FileSystem() : Win32FileSystem(SystemWindowsApi()) {}

Win32FileSystem::Win32FileSystem(WindowsApi& api)
    : api_(api), folders_(api), listing_buffer_(kListingBufferSize) {}

int Win32FileSystem::Wide(std::string_view path, std::wstring& wide) {
    std::string absolute;
    if (const int error = AbsolutePath(path, absolute); error != 0) return error;
    return ExtendedPath(absolute, wide);
}

int Win32FileSystem::AbsolutePath(std::string_view path, std::string& absolute) {
    // An empty path names nothing, not the current folder.
    if (path.empty()) return ENOENT;
    std::string base;
    switch (KindOfWindowsPath(path)) {
        case WindowsPathKind::Drive:
        case WindowsPathKind::Unc:
            break;
        case WindowsPathKind::DriveRelative: {
            const wchar_t drive[] = {wchar_t(path[0]), L':', L'\0'};
            if (const int error = CurrentFolder(api_, drive, base); error != 0) return error;
            break;
        }
        case WindowsPathKind::Rooted:
        case WindowsPathKind::Relative:
            if (const int error = CurrentFolder(api_, L".", base); error != 0) return error;
            break;
    }
    absolute = LexicalWindowsPath(base, path);
    return 0;
}

int Win32FileSystem::Search(const std::string& path, EntryKind& kind) {
    std::wstring wide;
    if (const int error = Wide(path, wide); error != 0) return error;
    const DWORD attributes = api_.Attributes(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return LastErrno();
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        kind = EntryKind::File;
    } else if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
               IsFolderLink(attributes, ReparseTagOf(api_, wide))) {
        kind = EntryKind::FolderLink;
    } else {
        kind = EntryKind::Folder;
    }
    return 0;
}

int Win32FileSystem::ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) {
    entries.clear();
    std::wstring wide;
    if (const int error = Wide(folder, wide); error != 0) return error;
    ScopedHandle handle(api_.Open(wide.c_str(), FILE_LIST_DIRECTORY, kShareAll, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS));
    if (!handle.valid()) return LastErrno();
    while (api_.GetInformation(handle.get(), FileIdBothDirectoryInfo, listing_buffer_.data(),
                               DWORD(listing_buffer_.size()))) {
        for (size_t at = 0;;) {
            const auto* entry =
                reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(listing_buffer_.data() + at);
            // A reparse point's tag stands where the extended attributes'
            // size would.
            const EntryKind kind =
                IsFolderLink(entry->FileAttributes, entry->EaSize)        ? EntryKind::FolderLink
                : (entry->FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? EntryKind::Folder
                                                                          : EntryKind::File;
            entries.push_back({PathFromWide({entry->FileName, entry->FileNameLength / 2}), kind,
                               ListedInode(entry->FileId.QuadPart)});
            if (entry->NextEntryOffset == 0) break;
            at += entry->NextEntryOffset;
        }
    }
    const DWORD error = GetLastError();
    return error == ERROR_NO_MORE_FILES ? 0 : ErrnoOfWindowsError(error);
}

int Win32FileSystem::RealPath(const std::string& path, std::string& real) {
    std::wstring wide;
    if (const int error = Wide(path, wide); error != 0) return error;
    ScopedHandle handle(api_.Open(wide.c_str(), FILE_READ_ATTRIBUTES, kShareAll, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS));
    if (!handle.valid()) return LastErrno();
    std::wstring final(wide.size() + 64, L'\0');
    while (true) {
        const DWORD length = api_.FinalPathName(handle.get(), final.data(), DWORD(final.size()));
        if (length == 0) return LastErrno();
        if (length < final.size()) {
            final.resize(length);
            real = PathFromWide(final);
            return 0;
        }
        final.resize(length + 1);
    }
}

// The volume tells its limit in UTF-16 units, which NameLength counts.
int Win32FileSystem::NameMax(const std::string& folder, size_t& longest) {
    std::wstring wide;
    if (const int error = Wide(folder, wide); error != 0) return error;
    ScopedHandle handle;
    if (const int error = OpenEntry(api_, wide, FILE_READ_ATTRIBUTES, kShareAll, handle);
        error != 0)
        return error;
    DWORD units = 0;
    if (!api_.MaximumNameLength(handle.get(), units)) return LastErrno();
    longest = units;
    return 0;
}

size_t Win32FileSystem::NameLength(std::string_view name) {
    return Utf16Length(name);
}

}  // namespace zentavo
