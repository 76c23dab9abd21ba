// zentavo-cli's console on Windows: the wide arguments of wmain as WTF-8,
// and output in UTF-8 to pipes and files but in UTF-16 to a console window,
// which shows every character only through its wide call.
#pragma once

#include <string>

#include "cli/console.h"

namespace zentavo {

class Win32Console : public Console {
public:
    Win32Console(int argc, wchar_t** argv);

    std::vector<std::string> Arguments() const override;
    bool IsTerminal(Stream stream) const override;
    bool Write(Stream stream, std::string_view bytes) override;

private:
    std::vector<std::string> arguments_;
    // A character cut by a stream buffer, for the next write to a console.
    std::string pending_[2];
};

}  // namespace zentavo
