// RunCli on Windows: zentavo-cli.exe, which the build copies beside the test
// program, started by CreateProcessW with its output in files.
#include <windows.h>

#include <fstream>
#include <iterator>

#include "core/utf8.h"
#include "tests/cli/cli_process.h"
#include "tests/cli/temp_tree.h"

namespace zentavo::testing {

namespace {

std::wstring Wide(std::string_view wtf8) {
    const std::u16string units = Wtf8ToUtf16(wtf8).value_or(u"?");
    return std::wstring(units.begin(), units.end());
}

// One argument as the C runtime's parser of the command line reads it back:
// backslashes are literal except before a quote.
void AppendQuoted(std::wstring& line, const std::wstring& arg) {
    line += L" \"";
    size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        line.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        line += c;
    }
    line.append(2 * backslashes, L'\\');
    line += L'"';
}

std::wstring CliBesideThisProgram() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), DWORD(path.size())));
    return path.substr(0, path.find_last_of(L"\\/") + 1) + L"zentavo-cli.exe";
}

// This process's environment with LOCALAPPDATA set to local_app_data.
std::wstring EnvironmentWith(const std::wstring& local_app_data) {
    std::wstring block;
    wchar_t* const strings = GetEnvironmentStringsW();
    for (const wchar_t* entry = strings; *entry != L'\0'; entry += wcslen(entry) + 1) {
        if (_wcsnicmp(entry, L"LOCALAPPDATA=", 13) == 0) continue;
        block.append(entry).push_back(L'\0');
    }
    FreeEnvironmentStringsW(strings);
    block.append(L"LOCALAPPDATA=" + local_app_data).push_back(L'\0');
    return block;  // the block's closing NUL is the string's own
}

HANDLE CreateOutput(const std::string& path) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    return CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(NativePath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

ProcessResult RunCli(const std::vector<std::string>& args, const std::string& cwd,
                     const std::string& state_home, const std::string& /*language*/) {
    TempTree scratch;
    const std::string out_path = scratch.Path("out");
    const std::string err_path = scratch.Path("err");
    const std::wstring program = CliBesideThisProgram();
    std::wstring line = L"\"" + program + L"\"";
    for (const std::string& arg : args) AppendQuoted(line, Wide(arg));
    std::wstring environment =
        EnvironmentWith(Wide(state_home.empty() ? scratch.Path("state") : state_home));

    ProcessResult result;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = CreateOutput(out_path);
    startup.hStdError = CreateOutput(err_path);
    PROCESS_INFORMATION process{};
    if (startup.hStdOutput != INVALID_HANDLE_VALUE && startup.hStdError != INVALID_HANDLE_VALUE &&
        CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE,
                       CREATE_UNICODE_ENVIRONMENT | CREATE_NO_WINDOW, environment.data(),
                       Wide(cwd).c_str(), &startup, &process)) {
        DWORD status = 0;
        if (WaitForSingleObject(process.hProcess, INFINITE) == WAIT_OBJECT_0 &&
            GetExitCodeProcess(process.hProcess, &status))
            result.status = int(status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    for (HANDLE output : {startup.hStdOutput, startup.hStdError})
        if (output != INVALID_HANDLE_VALUE) CloseHandle(output);
    result.out = ReadAll(out_path);
    result.err = ReadAll(err_path);
    return result;
}

}  // namespace zentavo::testing
