#include "app/command_line.h"

#include <string_view>

namespace zentavo {

CommandLine::CommandLine(int argc, char** argv) {
    int i = 0;
    for (; i < argc && (i == 0 || std::string_view(argv[i]) != "--"); ++i)
        qt_argv_.push_back(argv[i]);
    qt_argc_ = int(qt_argv_.size());
    qt_argv_.push_back(nullptr);
    for (++i; i < argc; ++i) after_separator_.emplace_back(argv[i]);
}

std::vector<std::string> CommandLine::Paths() const {
    std::vector<std::string> paths;
    for (int i = 1; i < qt_argc_; ++i) paths.emplace_back(qt_argv_[size_t(i)]);
    paths.insert(paths.end(), after_separator_.begin(), after_separator_.end());
    return paths;
}

}  // namespace zentavo
