#include "winapp/command_line.h"

#include <windows.h>

#include <shellapi.h>

#include <string_view>

#include "winapp/wide_text.h"

namespace zentavo {

std::vector<std::string> CommandLinePaths(const wchar_t* command_line) {
    std::vector<std::string> paths;
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(command_line, &count);
    if (!arguments) return paths;
    bool separator_seen = false;
    for (int i = 1; i < count; ++i) {
        if (!separator_seen && std::wstring_view(arguments[i]) == L"--") {
            separator_seen = true;
            continue;
        }
        paths.push_back(Wtf8(arguments[i]));
    }
    LocalFree(arguments);
    return paths;
}

}  // namespace zentavo
