// What a move leaves when a Windows call fails halfway: never a partial
// copy, never a lost source. A move to another volume is acted out by
// failing the first rename with ERROR_NOT_SAME_DEVICE.
#include <gtest/gtest.h>
#include <windows.h>

#include <cerrno>
#include <ostream>
#include <string>
#include <vector>

#include "tests/win32/faulty_windows_api.h"
#include "tests/win32/win32_test_support.h"
#include "win32/win32_file_system.h"

namespace zentavo {
namespace {

struct Holding {
    std::string file;
    std::string content;
};

struct FaultCase {
    const char* what;
    std::string from;
    std::string to;
    // Given the test's folder, the fault to inject.
    std::function<FaultyWindowsApi::Fault(const Folder&)> fault;
    int error;
    Names listed;
    std::vector<Holding> holding;
    std::string left_at;
};

void PrintTo(const FaultCase& c, std::ostream* out) {
    *out << c.what;
}

FaultyWindowsApi::Fault AcrossVolumesAnd(FaultyWindowsApi::Fault then) {
    return [then](WinCall call, int count, FILE_INFO_BY_HANDLE_CLASS kind) -> DWORD {
        if (call == WinCall::Move && count == 1) return ERROR_NOT_SAME_DEVICE;
        return then ? then(call, count, kind) : 0;
    };
}

FaultyWindowsApi::Fault Failing(WinCall failing, int nth, DWORD error) {
    return [=](WinCall call, int count, FILE_INFO_BY_HANDLE_CLASS) -> DWORD {
        return call == failing && count == nth ? error : 0;
    };
}

std::vector<FaultCase> FaultCases() {
    return {
        {"AcrossVolumes",
         "a",
         "b",
         [](const Folder&) { return AcrossVolumesAnd({}); },
         0,
         {"b"},
         {{"b", "a"}},
         ""},
        {"CopyFails",
         "a",
         "b",
         [](const Folder&) { return AcrossVolumesAnd(Failing(WinCall::Copy, 1, ERROR_DISK_FULL)); },
         ENOSPC,
         {"a"},
         {{"a", "a"}},
         ""},
        {"FlushFails",
         "a",
         "b",
         [](const Folder&) {
             return AcrossVolumesAnd(Failing(WinCall::Flush, 1, ERROR_WRITE_PROTECT));
         },
         EROFS,
         {"a"},
         {{"a", "a"}},
         ""},
        {"TargetTakenBeforeTheCopyMoves",
         "a",
         "b",
         [](const Folder&) {
             return AcrossVolumesAnd(Failing(WinCall::Move, 2, ERROR_ALREADY_EXISTS));
         },
         EEXIST,
         {"a"},
         {{"a", "a"}},
         ""},
        {"SourceCannotBeRemoved",
         "a",
         "b",
         [](const Folder&) {
             // The source's removal fails; the copy's, after it, may go.
             return AcrossVolumesAnd(
                 [deletes = 0](WinCall call, int, FILE_INFO_BY_HANDLE_CLASS kind) mutable {
                     const bool deleting =
                         call == WinCall::SetInformation && kind == FileDispositionInfo;
                     return deleting && ++deletes == 1 ? DWORD{ERROR_SHARING_VIOLATION} : DWORD{0};
                 });
         },
         EBUSY,
         {"a"},
         {{"a", "a"}},
         ""},
        {"SourceReplacedDuringTheCopy",
         "a",
         "b",
         [](const Folder& dir) {
             return AcrossVolumesAnd([&dir](WinCall call, int, FILE_INFO_BY_HANDLE_CLASS) {
                 if (call == WinCall::Flush) {
                     MoveFileExW(WidePath(dir / "a").c_str(), WidePath(dir / "away").c_str(), 0);
                     WriteFile(dir / "a", "A");  // as long as the copy
                 }
                 return DWORD{0};
             });
         },
         0,
         {"a", "away", "b"},
         {{"a", "A"}, {"away", "a"}, {"b", "a"}},
         ""},
        {"CaseOnlyFailsAndGoesBack",
         "case",
         "CASE",
         [](const Folder&) { return Failing(WinCall::Move, 2, ERROR_ACCESS_DENIED); },
         EACCES,
         {"case"},
         {{"case", "case"}},
         ""},
        {"CaseOnlyCannotGoBack",
         "case",
         "CASE",
         [](const Folder&) {
             return [](WinCall call, int count, FILE_INFO_BY_HANDLE_CLASS) -> DWORD {
                 return call == WinCall::Move && count >= 2 ? ERROR_ACCESS_DENIED : 0;
             };
         },
         EACCES,
         {".scratch"},
         {{".scratch", "case"}},
         ".scratch"},
    };
}

class Win32Fault : public testing::TestWithParam<FaultCase> {};

TEST_P(Win32Fault, LeavesEveryFileWhole) {
    const FaultCase& c = GetParam();
    Folder dir;
    ASSERT_TRUE(WriteFile(dir / c.from, c.from));
    FaultyWindowsApi api;
    api.fault = c.fault(dir);
    Win32FileSystem fs(api);
    const MoveResult result = fs.MoveNoReplace(dir / c.from, dir / c.to, ".scratch");
    api.fault = nullptr;
    EXPECT_EQ(result.error, c.error);
    EXPECT_EQ(result.left_at, c.left_at.empty() ? "" : dir / c.left_at);
    EXPECT_EQ(NamesIn(fs, dir.path()), c.listed);
    for (const Holding& holding : c.holding)
        EXPECT_EQ(ReadFile(dir / holding.file), holding.content) << holding.file;
    if (c.error == 0 && c.from != c.to) {
        FileStamp stamp;
        ASSERT_EQ(fs.Stamp(dir / c.to, stamp), 0);
        EXPECT_EQ(result.new_identity, stamp.identity);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Win32Fault, testing::ValuesIn(FaultCases()),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace zentavo
