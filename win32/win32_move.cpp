// A move that never replaces: one MoveFileExW without REPLACE_EXISTING in
// the common case.
#include <windows.h>

#include <cerrno>

#include "win32/cross_volume_move.h"
#include "win32/open_entry.h"
#include "win32/win32_file_system.h"
#include "win32/windows_errors.h"
#include "win32/windows_path.h"

namespace zentavo {

namespace {

struct Split {
    std::string folder;  // absolute, as HeldFolders keys it
    size_t name_at = 0;
};

Split SplitAbsolute(const std::string& absolute) {
    const size_t cut = absolute.rfind('\\');
    return {LexicalWindowsPath({}, absolute.substr(0, cut + 1)), cut + 1};
}

std::wstring_view NameOf(const std::wstring& path) {
    return std::wstring_view(path).substr(path.rfind(L'\\') + 1);
}

bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return CompareStringOrdinal(a.data(), int(a.size()), b.data(), int(b.size()), TRUE) ==
           CSTR_EQUAL;
}

int SameFile(WindowsApi& api, const std::wstring& a, const std::wstring& b, bool& same) {
    ScopedHandle first;
    ScopedHandle second;
    if (const int error = OpenEntry(api, a, FILE_READ_ATTRIBUTES, kShareAll, first); error != 0)
        return error;
    if (const int error = OpenEntry(api, b, FILE_READ_ATTRIBUTES, kShareAll, second); error != 0)
        return error;
    FileIdentity first_identity;
    FileIdentity second_identity;
    if (const int error = IdentityOf(api, first.get(), first_identity); error != 0) return error;
    if (const int error = IdentityOf(api, second.get(), second_identity); error != 0) return error;
    same = first_identity == second_identity;
    return 0;
}

// The name an entry has on disk, as its folder lists it.
bool ListedName(WindowsApi& api, const std::wstring& path, std::wstring& name) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = api.FindFirst(path.c_str(), found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    name = found.cFileName;
    return true;
}

}  // namespace

MoveResult Win32FileSystem::MoveNoReplace(const std::string& from, const std::string& to,
                                          const std::string& scratch_name) {
    MoveResult result;
    std::string from_absolute;
    std::string to_absolute;
    if ((result.error = AbsolutePath(from, from_absolute)) != 0 ||
        (result.error = AbsolutePath(to, to_absolute)) != 0)
        return result;
    const Split source = SplitAbsolute(from_absolute);
    const Split target = SplitAbsolute(to_absolute);
    if ((result.error = folders_.Check(source.folder)) != 0) return result;
    if (target.folder != source.folder && (result.error = folders_.Check(target.folder)) != 0)
        return result;
    if (from_absolute == to_absolute) return result;

    std::wstring wide_from;
    std::wstring wide_to;
    if ((result.error = ExtendedPath(from_absolute, wide_from)) != 0 ||
        (result.error = ExtendedPath(to_absolute, wide_to)) != 0)
        return result;
    if (target.folder == source.folder && EqualIgnoringCase(NameOf(wide_from), NameOf(wide_to))) {
        MoveCaseOnly(wide_from, wide_to, from_absolute.substr(0, source.name_at) + scratch_name,
                     result);
        return result;
    }
    if (api_.Move(wide_from.c_str(), wide_to.c_str(), 0)) return result;
    if (const DWORD error = GetLastError(); error != ERROR_NOT_SAME_DEVICE) {
        result.error = ErrnoOfWindowsError(error);
        // Windows may call a name too long invalid, and wine a missing
        // path: either is told as what it is.
        size_t longest = 0;
        if ((result.error == ENOENT || result.error == EINVAL) &&
            NameMax(target.folder, longest) == 0 && longest != 0 &&
            NameLength(std::string_view(to_absolute).substr(target.name_at)) > longest)
            result.error = ENAMETOOLONG;
        return result;
    }
    std::wstring wide_scratch;
    if ((result.error =
             ExtendedPath(to_absolute.substr(0, target.name_at) + scratch_name, wide_scratch)) != 0)
        return result;
    result.error = MoveAcrossVolumes(api_, wide_from, wide_to, wide_scratch, result);
    return result;
}

// A name that differs from the file's own in letter case alone. Windows
// itself renames it in place, but wine reports success and changes nothing,
// so the move goes through the scratch name, and what the folder lists
// decides whether anything is to be done.
void Win32FileSystem::MoveCaseOnly(const std::wstring& from, const std::wstring& to,
                                   const std::string& scratch, MoveResult& result) {
    std::wstring listed;
    bool same = false;
    if (!ListedName(api_, to, listed) || (result.error = SameFile(api_, from, to, same)) != 0 ||
        !same) {
        // No file under the name, or another one in a folder that tells
        // case: a plain move, which refuses a name taken.
        if (result.error == 0 && !api_.Move(from.c_str(), to.c_str(), 0))
            result.error = LastErrno();
        return;
    }
    if (listed == NameOf(to)) return;  // it has that name already

    std::wstring wide_scratch;
    if ((result.error = ExtendedPath(scratch, wide_scratch)) != 0) return;
    if (!api_.Move(from.c_str(), wide_scratch.c_str(), 0)) {
        result.error = LastErrno();
        return;
    }
    if (api_.Move(wide_scratch.c_str(), to.c_str(), 0)) return;
    result.error = LastErrno();
    if (!api_.Move(wide_scratch.c_str(), from.c_str(), 0)) result.left_at = scratch;
}

}  // namespace zentavo
