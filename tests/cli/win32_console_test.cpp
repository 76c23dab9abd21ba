// Win32Console under Windows (or wine): wide arguments to WTF-8, and bytes to
// a pipe exactly as written, not through a code page.
#include "cli/win32/win32_console.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentavo {
namespace {

TEST(Win32Console, ArgumentsAreWtf8) {
    struct Case {
        const char* label;
        std::wstring wide;
        std::string bytes;
    } cases[] = {
        {"drive path", L"C:\\Photos", "C:\\Photos"},
        {"e acute", L"caf\u00E9.jpg", "caf\xC3\xA9.jpg"},
        {"kanji", L"\u65E5\u672C", "\xE6\x97\xA5\xE6\x9C\xAC"},
        {"pair", L"\xD83D\xDE00", "\xF0\x9F\x98\x80"},
        {"lone high surrogate", L"a\xD800z", "a\xED\xA0\x80z"},
        {"empty", L"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        std::wstring program = L"zentavo-cli.exe";
        std::wstring argument = c.wide;
        wchar_t* argv[] = {program.data(), argument.data()};
        const Win32Console console(2, argv);
        EXPECT_EQ(console.Arguments(), std::vector<std::string>{c.bytes});
    }
}

// The standard output swapped for a pipe while the test writes.
class OutputPipe {
public:
    OutputPipe() : saved_(GetStdHandle(STD_OUTPUT_HANDLE)) {
        CreatePipe(&read_, &write_, nullptr, 1 << 16);
        SetStdHandle(STD_OUTPUT_HANDLE, write_);
    }
    ~OutputPipe() {
        SetStdHandle(STD_OUTPUT_HANDLE, saved_);
        CloseHandle(read_);
        if (write_ != nullptr) CloseHandle(write_);
    }
    std::string Drain() {
        CloseHandle(write_);
        write_ = nullptr;
        std::string bytes;
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(read_, buffer, sizeof buffer, &read, nullptr) && read > 0)
            bytes.append(buffer, read);
        return bytes;
    }

private:
    HANDLE saved_;
    HANDLE read_ = nullptr;
    HANDLE write_ = nullptr;
};

TEST(Win32Console, PipesGetTheBytesAsWritten) {
    const std::string writes[] = {"caf\xC3\xA9 \xE6\x97\xA5", "\xE6\x9C\xAC\n", "\xED\xA0\x80\xFF\n"};
    OutputPipe pipe;
    Win32Console console(0, nullptr);
    EXPECT_FALSE(console.IsTerminal(Console::Stream::Out));
    std::string all;
    for (const std::string& bytes : writes) {
        EXPECT_TRUE(console.Write(Console::Stream::Out, bytes));
        all += bytes;
    }
    EXPECT_EQ(pipe.Drain(), all);
}

}  // namespace
}  // namespace zentavo
