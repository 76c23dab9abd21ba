#include "tests/win32/win32_test_support.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "win32/windows_path.h"

namespace zentavo {

namespace {

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring full = path + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileW(full.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

}  // namespace

std::wstring WidePath(const std::string& path) {
    std::wstring wide;
    EXPECT_EQ(ExtendedPath(path, wide), 0) << path;
    return wide;
}

bool WriteFile(const std::string& path, const std::string& content) {
    const HANDLE file = CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(file, content.data(), DWORD(content.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == content.size();
}

std::string ReadFile(const std::string& path) {
    const HANDLE file = CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string content(4096, '\0');
    DWORD got = 0;
    ::ReadFile(file, content.data(), DWORD(content.size()), &got, nullptr);
    CloseHandle(file);
    content.resize(got);
    return content;
}

Folder::Folder(std::string base) {
    if (base.empty()) {
        wchar_t temp[MAX_PATH + 1];
        base = PathFromWide({temp, GetTempPathW(MAX_PATH + 1, temp)});
    }
    static unsigned made = 0;
    path_ =
        LexicalWindowsPath({}, base + "\\zentavo-test-" + std::to_string(GetCurrentProcessId()) +
                                   "-" + std::to_string(++made));
    EXPECT_TRUE(CreateDirectoryW(WidePath(path_).c_str(), nullptr)) << path_;
}

Folder::~Folder() {
    RemoveTree(WidePath(path_));
}

Names NamesIn(Win32FileSystem& fs, const std::string& folder) {
    std::vector<FolderEntry> entries;
    EXPECT_EQ(fs.ListFolder(folder, entries), 0);
    Names names;
    for (const FolderEntry& entry : entries)
        if (entry.name != "." && entry.name != "..") names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace zentavo
