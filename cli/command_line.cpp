#include "cli/command_line.h"

#include <string_view>

namespace zentavo {

namespace {

bool* LongFlag(CliOptions& options, std::string_view name) {
    if (name == "recurse") return &options.recurse;
    if (name == "execute") return &options.execute;
    if (name == "tsv") return &options.tsv;
    if (name == "help") return &options.help;
    if (name == "version") return &options.version;
    return nullptr;
}

bool* ShortFlag(CliOptions& options, char letter) {
    switch (letter) {
        case 'r':
            return &options.recurse;
        case 'x':
            return &options.execute;
        case 'h':
            return &options.help;
        default:
            return nullptr;
    }
}

class Parser {
public:
    explicit Parser(std::span<const std::string> args) : args_(args) {}

    ParsedCommandLine Run() {
        bool options_ended = false;
        for (next_ = 0; next_ < args_.size() && error_.empty();) {
            const std::string& arg = args_[next_++];
            // A lone "-" is a name like any other: the program reads no
            // standard input that it could stand for.
            if (options_ended || arg.size() < 2 || arg[0] != '-') {
                options_.paths.push_back(arg);
            } else if (arg == "--") {
                options_ended = true;
            } else if (arg[1] == '-') {
                LongOption(std::string_view(arg).substr(2));
            } else {
                ShortOptions(std::string_view(arg).substr(1));
            }
        }
        if (error_.empty() && !options_.help && !options_.version) {
            if (!options_.pattern) {
                error_ = "no pattern given (-p PATTERN)";
            } else if (options_.paths.empty()) {
                error_ = "no PATH given";
            }
        }
        return {std::move(options_), std::move(error_)};
    }

private:
    void LongOption(std::string_view text) {
        const size_t equals = text.find('=');
        const std::string_view name = text.substr(0, equals);
        const bool has_value = equals != std::string_view::npos;
        if (name == "pattern") {
            if (has_value) {
                options_.pattern = std::string(text.substr(equals + 1));
            } else {
                TakePattern("--pattern");
            }
            return;
        }
        bool* flag = LongFlag(options_, name);
        if (flag == nullptr) {
            error_ = "unknown option '--" + std::string(name) + "'";
        } else if (has_value) {
            error_ = "option '--" + std::string(name) + "' takes no argument";
        } else {
            *flag = true;
        }
    }

    // A cluster such as "-rx" or "-rxp%n": "p" takes the rest of the cluster,
    // or the next argument when the cluster ends with it.
    void ShortOptions(std::string_view letters) {
        for (size_t i = 0; i < letters.size(); ++i) {
            if (letters[i] == 'p') {
                if (i + 1 < letters.size()) {
                    options_.pattern = std::string(letters.substr(i + 1));
                } else {
                    TakePattern("-p");
                }
                return;
            }
            bool* flag = ShortFlag(options_, letters[i]);
            if (flag == nullptr) {
                error_ = std::string("unknown option '-") + letters[i] + "'";
                return;
            }
            *flag = true;
        }
    }

    void TakePattern(std::string_view option) {
        if (next_ == args_.size()) {
            error_ = "option '" + std::string(option) + "' needs a PATTERN";
            return;
        }
        options_.pattern = args_[next_++];
    }

    std::span<const std::string> args_;
    size_t next_ = 0;
    CliOptions options_;
    std::string error_;
};

}  // namespace

ParsedCommandLine ParseCommandLine(std::span<const std::string> args) {
    return Parser(args).Run();
}

}  // namespace zentavo
