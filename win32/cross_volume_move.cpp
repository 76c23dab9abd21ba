#include "win32/cross_volume_move.h"

#include <windows.h>

#include "win32/open_entry.h"
#include "win32/windows_errors.h"

namespace zentavo {

namespace {

struct FileFacts {
    FileIdentity identity;
    FILE_STANDARD_INFO standard{};
    FILE_BASIC_INFO basic{};
};

int FactsOf(WindowsApi& api, HANDLE handle, FileFacts& facts) {
    if (const int error = IdentityOf(api, handle, facts.identity); error != 0) return error;
    if (!api.GetInformation(handle, FileStandardInfo, &facts.standard, sizeof facts.standard) ||
        !api.GetInformation(handle, FileBasicInfo, &facts.basic, sizeof facts.basic))
        return LastErrno();
    return 0;
}

// Sets a file's attributes through its handle, leaving its times alone.
bool SetAttributes(WindowsApi& api, HANDLE handle, DWORD attributes) {
    FILE_BASIC_INFO basic{};
    basic.FileAttributes = attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
    return api.SetInformation(handle, FileBasicInfo, &basic, sizeof basic);
}

// Deletes the file handle has open (with DELETE and attribute access); a
// read-only one is let go of its flag first, and keeps it if it stays.
int Delete(WindowsApi& api, HANDLE handle, DWORD attributes) {
    const bool read_only = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (read_only && !SetAttributes(api, handle, attributes & ~FILE_ATTRIBUTE_READONLY))
        return LastErrno();
    FILE_DISPOSITION_INFO dispose{TRUE};
    if (api.SetInformation(handle, FileDispositionInfo, &dispose, sizeof dispose)) return 0;
    const int error = LastErrno();
    if (read_only) SetAttributes(api, handle, attributes);
    return error;
}

// Removes what path names if it is still the file identity names.
void RemoveIfStill(WindowsApi& api, const std::wstring& path, const FileIdentity& identity) {
    ScopedHandle handle;
    if (OpenEntry(api, path, DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, kShareAll,
                  handle) != 0)
        return;
    FileFacts now;
    if (FactsOf(api, handle.get(), now) == 0 && now.identity == identity)
        Delete(api, handle.get(), now.basic.FileAttributes);
}

// Opens the fresh copy to flush it: flushing needs write access, which its
// read-only flag, copied from the source, would refuse.
int OpenCopy(WindowsApi& api, const std::wstring& scratch, ScopedHandle& copy, FileFacts& facts) {
    constexpr DWORD kAccess = GENERIC_WRITE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES;
    int error = OpenEntry(api, scratch, kAccess, 0, copy);
    if (error == EACCES) {
        const DWORD attributes = api.Attributes(scratch.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0)
            return error;
        if (!api.SetAttributes(scratch.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY))
            return LastErrno();
        if ((error = OpenEntry(api, scratch, kAccess, 0, copy)) != 0) return error;
        if (!SetAttributes(api, copy.get(), attributes)) return LastErrno();
    }
    if (error != 0) return error;
    return FactsOf(api, copy.get(), facts);
}

}  // namespace

int MoveAcrossVolumes(WindowsApi& api, const std::wstring& from, const std::wstring& to,
                      const std::wstring& scratch, MoveResult& result) {
    ScopedHandle source;
    if (const int error = OpenEntry(api, from, FILE_READ_ATTRIBUTES, kShareAll, source); error != 0)
        return error;
    FileFacts copied;
    if (const int error = FactsOf(api, source.get(), copied); error != 0) return error;
    if (copied.standard.Directory) return EXDEV;
    if (api.Attributes(to.c_str()) != INVALID_FILE_ATTRIBUTES) return EEXIST;
    if (const DWORD error = GetLastError();
        error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
        return ErrnoOfWindowsError(error);

    if (!api.Copy(from.c_str(), scratch.c_str(), COPY_FILE_FAIL_IF_EXISTS | COPY_FILE_COPY_SYMLINK))
        return LastErrno();
    ScopedHandle copy;
    FileFacts made;
    int error = OpenCopy(api, scratch, copy, made);
    if (error != 0) {
        // Without the copy's identity nothing under the name may go: a
        // scratch name is the run's own, so what is there is left for the
        // undo to find.
        return error;
    }
    // A source written to meanwhile has another size, and its copy is
    // not the file the user sees.
    if (made.standard.EndOfFile.QuadPart != copied.standard.EndOfFile.QuadPart) error = EIO;
    if (error == 0 && !api.Flush(copy.get())) error = LastErrno();
    copy.Close();
    if (error == 0 && !api.Move(scratch.c_str(), to.c_str(), 0)) error = LastErrno();
    if (error != 0) {
        RemoveIfStill(api, scratch, made.identity);
        return error;
    }

    ScopedHandle gone;
    error = OpenEntry(api, from, DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, kShareAll,
                      gone);
    if (error == ENOENT) error = 0;  // moved away by someone else: the copy is the file
    FileFacts now;
    if (error == 0 && gone.valid()) error = FactsOf(api, gone.get(), now);
    if (error == 0 && gone.valid() && now.identity == copied.identity &&
        now.standard.EndOfFile.QuadPart == copied.standard.EndOfFile.QuadPart)
        error = Delete(api, gone.get(), now.basic.FileAttributes);
    if (error != 0) {
        RemoveIfStill(api, to, made.identity);
        return error;
    }
    result.new_identity = made.identity;
    return 0;
}

}  // namespace zentavo
