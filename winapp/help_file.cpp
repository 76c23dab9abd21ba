#include "winapp/help_file.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <string>

#include "winapp/message_words.h"
#include "winapp/wide_text.h"

namespace zentavo {

namespace {

// A full path as what follows "file:": "\\?\C:\x" and "C:\x" as "///C:/x",
// "\\?\UNC\server\share\x" and "\\server\share\x" as "//server/share/x".
std::wstring UrlPathOf(std::wstring_view path) {
    constexpr std::wstring_view kLongUnc = L"\\\\?\\UNC\\";
    constexpr std::wstring_view kLong = L"\\\\?\\";
    std::wstring spelled;
    if (path.starts_with(kLongUnc)) {
        spelled = L"//" + std::wstring(path.substr(kLongUnc.size()));
    } else if (path.starts_with(kLong)) {
        spelled = L"///" + std::wstring(path.substr(kLong.size()));
    } else if (path.starts_with(L"\\\\")) {
        spelled = path;
    } else {
        spelled = L"///" + std::wstring(path);
    }
    std::replace(spelled.begin(), spelled.end(), L'\\', L'/');
    return spelled;
}

bool KeptInUrl(unsigned char byte) {
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= '0' && byte <= '9') ||
           std::string_view("-._~/:").find(char(byte)) != std::string_view::npos;
}

std::wstring PercentEncoded(std::wstring_view text) {
    constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring encoded;
    for (const char c : Wtf8(text)) {
        const auto byte = static_cast<unsigned char>(c);
        if (KeptInUrl(byte)) {
            encoded += wchar_t(byte);
        } else {
            encoded += L'%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0xF];
        }
    }
    return encoded;
}

// The running program's path, however long.
std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring AssociatedProgram(const wchar_t* kind) {
    DWORD length = 0;
    if (AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, kind, L"open", nullptr, &length) !=
            S_FALSE ||
        length == 0)
        return {};
    std::wstring program(length, L'\0');
    if (FAILED(AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, kind, L"open", program.data(),
                                 &length)))
        return {};
    program.resize(length - 1);
    return program;
}

}  // namespace

bool BrowserUrlOpener::Open(HWND owner, const std::wstring& url) {
    std::wstring browser = AssociatedProgram(L"http");
    if (browser.empty()) browser = AssociatedProgram(L".html");
    // No browser known: the shell may still find something for the URL,
    // if only at the file's top.
    const wchar_t* file = browser.empty() ? url.c_str() : browser.c_str();
    const std::wstring argument = L"\"" + url + L"\"";
    const wchar_t* arguments = browser.empty() ? nullptr : argument.c_str();
    const auto started = reinterpret_cast<INT_PTR>(
        ShellExecuteW(owner, L"open", file, arguments, nullptr, SW_SHOWNORMAL));
    return started > 32;
}

std::wstring HelpFileOf(std::wstring_view program_path) {
    const size_t name = program_path.find_last_of(L"\\/:");
    const size_t dot = program_path.rfind(L'.');
    const bool named_with_dot =
        dot != std::wstring_view::npos && (name == std::wstring_view::npos || dot > name);
    return std::wstring(program_path.substr(0, named_with_dot ? dot : program_path.size())) +
           L".HLP";
}

std::wstring HelpTopicUrl(std::wstring_view help_file, unsigned long context) {
    return L"file:" + PercentEncoded(UrlPathOf(help_file)) + L"#context-" +
           std::to_wstring(context);
}

bool OpenHelpTopic(HWND owner, const std::wstring& help_file, unsigned long context,
                   UrlOpener& opener) {
    const DWORD attributes = GetFileAttributesW(help_file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    return opener.Open(owner, HelpTopicUrl(help_file, context));
}

bool OpenHelp(HWND owner, unsigned long context) {
    const std::wstring program = ProgramPath();
    if (program.empty()) return false;
    BrowserUrlOpener browser;
    return OpenHelpTopic(owner, HelpFileOf(program), context, browser);
}

void TellHelpFailed(HWND owner) {
    std::wstring title = ProgramPath();
    title = title.substr(title.find_last_of(L"\\/:") + 1);
    title = title.substr(0, title.rfind(L'.'));
    MessageBoxW(owner, Words(Message(TextId::HelpLaunchFailed)).c_str(), title.c_str(),
                MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace zentavo
