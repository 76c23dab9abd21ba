#include "win32/win32_journal_storage.h"

#include <windows.h>

#include "win32/open_entry.h"
#include "win32/scoped_handle.h"
#include "win32/windows_errors.h"
#include "win32/windows_path.h"

namespace zentavo {

namespace {

// Other programs may read a journal and remove it, never write it.
constexpr DWORD kJournalShare = FILE_SHARE_READ | FILE_SHARE_DELETE;

class Win32JournalFile final : public JournalFile {
public:
    Win32JournalFile(WindowsApi& api, ScopedHandle handle)
        : api_(api), handle_(std::move(handle)) {}

    int Append(std::string_view bytes, size_t& written) override {
        written = 0;
        while (written < bytes.size()) {
            DWORD done = 0;
            if (!api_.Append(handle_.get(), bytes.data() + written, DWORD(bytes.size() - written),
                             done))
                return LastErrno();
            if (done == 0) return EIO;
            written += done;
        }
        return 0;
    }

    int Sync() override { return api_.Flush(handle_.get()) ? 0 : LastErrno(); }

    int Size(uint64_t& size) override {
        FILE_STANDARD_INFO info{};
        if (!api_.GetInformation(handle_.get(), FileStandardInfo, &info, sizeof info))
            return LastErrno();
        size = uint64_t(info.EndOfFile.QuadPart);
        return 0;
    }

    int ReadAt(uint64_t offset, size_t size, std::string& bytes) override {
        bytes.resize(size);
        size_t at = 0;
        while (at < size) {
            DWORD done = 0;
            const uint64_t from = offset + at;
            if (!api_.Read(handle_.get(), bytes.data() + at, DWORD(size - at), done, &from)) {
                if (GetLastError() == ERROR_HANDLE_EOF) break;
                return LastErrno();
            }
            if (done == 0) break;
            at += done;
        }
        bytes.resize(at);
        return 0;
    }

    int Lock() override {
        if (api_.LockOneByte(handle_.get(), true)) return 0;
        const DWORD error = GetLastError();
        return error == ERROR_LOCK_VIOLATION || error == 0 ? EWOULDBLOCK
                                                           : ErrnoOfWindowsError(error);
    }

    // The shared lock is only a probe: held on, it would keep an undo out.
    bool LockedElsewhere() override {
        if (!api_.LockOneByte(handle_.get(), false)) return true;
        api_.UnlockOneByte(handle_.get());
        return false;
    }

private:
    WindowsApi& api_;
    ScopedHandle handle_;
};

}  // namespace

std::string DefaultWindowsJournalFolder() {
    wchar_t local[MAX_PATH + 1];
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", local, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) return {};
    const std::string folder = PathFromWide({local, length});
    if (KindOfWindowsPath(folder) != WindowsPathKind::Drive &&
        KindOfWindowsPath(folder) != WindowsPathKind::Unc)
        return {};
    return LexicalWindowsPath({}, folder + "\\Zentavo\\journal");
}

int Win32JournalStorage::Wide(const std::string& path, std::wstring& wide) const {
    return ExtendedPath(path, wide);
}

int Win32JournalStorage::MakeFolder() {
    std::wstring wide;
    if (const int error = Wide(folder_, wide); error != 0) return ENOENT;
    if (owner_only_.attributes() == nullptr) return EPERM;
    // Every folder made here is private: the journal names the user's files.
    const size_t first = wide.find(L'\\', wide.starts_with(L"\\\\?\\UNC\\") ? 8 : 7);
    for (size_t cut = wide.find(L'\\', first + 1);; cut = wide.find(L'\\', cut + 1)) {
        const std::wstring part = wide.substr(0, cut);
        if (!api_.MakeFolder(part.c_str(), owner_only_.attributes()) &&
            GetLastError() != ERROR_ALREADY_EXISTS)
            return LastErrno();
        if (cut == std::wstring::npos) return 0;
    }
}

int Win32JournalStorage::CheckFolder(std::string& untrusted) {
    const std::string above = folder_.substr(0, folder_.rfind('\\'));
    for (const std::string& path : {above, folder_}) {
        std::wstring wide;
        if (const int error = Wide(path, wide); error != 0) return error;
        ScopedHandle folder;
        const int error =
            OpenEntry(api_, wide, READ_CONTROL | FILE_READ_ATTRIBUTES, kShareAll, folder);
        if (error == ENOENT) return 0;  // made when a run needs it
        if (error != 0) return error;
        FILE_ATTRIBUTE_TAG_INFO tag{};
        if (!api_.GetInformation(folder.get(), FileAttributeTagInfo, &tag, sizeof tag))
            return LastErrno();
        if ((tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ||
            (tag.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            untrusted = path;
            return ELOOP;
        }
        if (const int refused = owner_only_.Check(api_, folder.get(), false); refused != 0) {
            untrusted = path;
            return refused;
        }
    }
    return 0;
}

int Win32JournalStorage::Create(const std::string& name, std::unique_ptr<JournalFile>& file) {
    std::wstring wide;
    if (const int error = Wide(folder_ + "\\" + name, wide); error != 0) return error;
    if (owner_only_.attributes() == nullptr) return EPERM;
    ScopedHandle handle(api_.CreateNew(wide.c_str(), GENERIC_READ | GENERIC_WRITE, kJournalShare,
                                       owner_only_.attributes()));
    if (!handle.valid()) return LastErrno();
    file = std::make_unique<Win32JournalFile>(api_, std::move(handle));
    return 0;
}

int Win32JournalStorage::Open(const std::string& name, bool append,
                              std::unique_ptr<JournalFile>& file, std::string& untrusted) {
    const std::string path = folder_ + "\\" + name;
    std::wstring wide;
    if (const int error = Wide(path, wide); error != 0) return error;
    const DWORD access = GENERIC_READ | READ_CONTROL | (append ? GENERIC_WRITE : 0);
    ScopedHandle handle;
    if (const int error = OpenEntry(api_, wide, access, kJournalShare | FILE_SHARE_WRITE, handle);
        error != 0)
        return error;
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (!api_.GetInformation(handle.get(), FileAttributeTagInfo, &tag, sizeof tag))
        return LastErrno();
    if ((tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        untrusted = path;
        return ELOOP;
    }
    if (const int refused = owner_only_.Check(api_, handle.get(), true); refused != 0) {
        untrusted = path;
        return refused;
    }
    file = std::make_unique<Win32JournalFile>(api_, std::move(handle));
    return 0;
}

int Win32JournalStorage::List(std::vector<std::string>& names) {
    std::wstring wide;
    if (const int error = Wide(folder_ + "\\*", wide); error != 0) return error;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(wide.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return LastErrno();
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(PathFromWide(name));
    } while (FindNextFileW(search, &found));
    const DWORD error = GetLastError();
    FindClose(search);
    return error == ERROR_NO_MORE_FILES ? 0 : ErrnoOfWindowsError(error);
}

int Win32JournalStorage::Remove(const std::string& name) {
    std::wstring wide;
    if (const int error = Wide(folder_ + "\\" + name, wide); error != 0) return error;
    return api_.Delete(wide.c_str()) ? 0 : LastErrno();
}

int Win32JournalStorage::SyncFolder() {
    std::wstring wide;
    if (const int error = Wide(folder_, wide); error != 0) return error;
    ScopedHandle folder(api_.Open(wide.c_str(), GENERIC_WRITE, kShareAll, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS));
    if (!folder.valid()) return LastErrno();
    return api_.Flush(folder.get()) ? 0 : LastErrno();
}

}  // namespace zentavo
