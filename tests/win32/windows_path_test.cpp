// Windows paths without the disk: their lexical absolute form, the
// extended-length form the wide calls get, and the errno value of each
// Windows error.
#include <gtest/gtest.h>
#include <windows.h>

#include <cerrno>
#include <string>

#include "win32/windows_errors.h"
#include "win32/windows_path.h"

namespace zentavo {
namespace {

struct LexicalCase {
    const char* base;
    const char* path;
    const char* absolute;
};

TEST(WindowsPath, LexicalFormsAbsolutePaths) {
    const LexicalCase cases[] = {
        {"C:\\work", "a.txt", "C:\\work\\a.txt"},
        {"C:\\work", "sub/./a.txt", "C:\\work\\sub\\a.txt"},
        {"C:\\work\\sub", "..\\..\\..\\a", "C:\\a"},
        {"C:\\work", "\\a", "C:\\a"},
        {"C:\\work", "C:a", "C:\\work\\a"},
        {"C:\\work", "D:\\x\\\\y\\", "D:\\x\\y"},
        {"C:\\work", "d:/", "d:\\"},
        {"C:\\work", "\\\\server\\share\\..\\..\\x", "\\\\server\\share\\x"},
        {"\\\\server\\share\\dir", "x", "\\\\server\\share\\dir\\x"},
        {"\\\\server\\share\\dir", "\\x", "\\\\server\\share\\x"},
        {"C:\\work", "\\\\?\\C:\\long\\name", "C:\\long\\name"},
        {"C:\\work", "\\\\?\\UNC\\server\\share\\f", "\\\\server\\share\\f"},
        // Windows would drop trailing dots and spaces; the name is kept.
        {"C:\\work", "name. ", "C:\\work\\name. "},
    };
    for (const LexicalCase& c : cases) {
        SCOPED_TRACE(std::string(c.base) + " + " + c.path);
        EXPECT_EQ(LexicalWindowsPath(c.base, c.path), c.absolute);
    }
}

struct ExtendedCase {
    const char* absolute;
    const wchar_t* wide;  // nullptr: refused
};

TEST(WindowsPath, ExtendedLengthFormKeepsEveryName) {
    const ExtendedCase cases[] = {
        {"C:\\a\\b", L"\\\\?\\C:\\a\\b"},
        {"C:/a/./b", L"\\\\?\\C:\\a\\b"},
        {"\\\\server\\share\\f", L"\\\\?\\UNC\\server\\share\\f"},
        {"C:\\caf\xC3\xA9\\\xE6\x97\xA5\xE6\x9C\xAC", L"\\\\?\\C:\\caf\u00E9\\\u65E5\u672C"},
        {"C:\\\xF0\x9F\x98\x80", L"\\\\?\\C:\\\U0001F600"},
        {"C:\\\xED\xA0\x80x", L"\\\\?\\C:\\\xD800x"},  // an unpaired surrogate
        {"C:\\\xFF", nullptr},                         // no WTF-8
        {"relative\\a", nullptr},
    };
    for (const ExtendedCase& c : cases) {
        SCOPED_TRACE(c.absolute);
        std::wstring wide;
        const int error = ExtendedPath(c.absolute, wide);
        if (c.wide == nullptr) {
            EXPECT_NE(error, 0);
            continue;
        }
        ASSERT_EQ(error, 0);
        EXPECT_EQ(wide, c.wide);
        EXPECT_EQ(PathFromWide(wide), LexicalWindowsPath({}, c.absolute));
    }
}

TEST(WindowsErrors, EachMapsToTheErrnoValueTheFrontEndsWord) {
    const struct {
        DWORD windows;
        int errno_value;
    } cases[] = {
        {ERROR_FILE_NOT_FOUND, ENOENT},
        {ERROR_PATH_NOT_FOUND, ENOENT},
        {ERROR_ACCESS_DENIED, EACCES},
        {ERROR_SHARING_VIOLATION, EBUSY},
        {ERROR_LOCK_VIOLATION, EBUSY},
        {ERROR_ALREADY_EXISTS, EEXIST},
        {ERROR_FILE_EXISTS, EEXIST},
        {ERROR_NOT_SAME_DEVICE, EXDEV},
        {ERROR_WRITE_PROTECT, EROFS},
        {ERROR_DISK_FULL, ENOSPC},
        {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
        {ERROR_DIR_NOT_EMPTY, ENOTEMPTY},
        {ERROR_INVALID_NAME, EINVAL},
        {ERROR_OPERATION_ABORTED, ECANCELED},
        {ERROR_CRC, EIO},  // none closer: an I/O error
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.windows);
        EXPECT_EQ(ErrnoOfWindowsError(c.windows), c.errno_value);
    }
}

}  // namespace
}  // namespace zentavo
