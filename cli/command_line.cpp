#include "cli/command_line.h"
#include "cli/translated_text.h"

#include <string_view>

namespace zentavo {

namespace {

bool* LongFlag(CliOptions& options, std::string_view name) {
    if (name == "recurse") return &options.recurse;
    if (name == "execute") return &options.execute;
    if (name == "tsv") return &options.tsv;
    if (name == "help") return &options.help;
    if (name == "version") return &options.version;
    if (name == "no-journal") return &options.no_journal;
    if (name == "list-runs") return &options.list_runs;
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
            if (options_.undo || options_.redo || options_.list_runs) {
                CheckJournalCommand();
            } else if (!options_.pattern) {
                error_ = Tr("no pattern given (-p PATTERN)");
            } else if (options_.paths.empty()) {
                error_ = Tr("no PATH given");
            } else if (options_.no_journal && !options_.execute) {
                error_ = Tr("option '--no-journal' goes with -x");
            }
        }
        return {std::move(options_), std::move(error_)};
    }

private:
    // --undo, --redo and --list-runs work on the journal alone.
    void CheckJournalCommand() {
        const std::string command = options_.undo   ? "--undo"
                                    : options_.redo ? "--redo"
                                                    : "--list-runs";
        if (int(options_.undo) + int(options_.redo) + int(options_.list_runs) > 1) {
            error_ = Tr("options '--undo', '--redo' and '--list-runs' do not go together");
        } else if (options_.pattern || options_.recurse || options_.execute ||
                   options_.no_journal) {
            error_ = Fill(Tr("option '%1' does not go with -p, -r, -x or --no-journal"), {command});
        } else if (!options_.paths.empty()) {
            error_ =
                Fill(Tr("unexpected argument '%1' after '%2'"), {options_.paths.front(), command});
        }
    }

    // --undo, --undo RUN or --undo=RUN (--redo likewise): the next argument
    // is the run's id when it does not look like an option.
    void TakeRun(bool& command, std::string_view text, size_t equals) {
        command = true;
        if (equals != std::string_view::npos) {
            options_.undo_run = std::string(text.substr(equals + 1));
        } else if (next_ < args_.size() && !args_[next_].starts_with("-")) {
            options_.undo_run = args_[next_++];
        }
    }

    void LongOption(std::string_view text) {
        const size_t equals = text.find('=');
        const std::string_view name = text.substr(0, equals);
        const bool has_value = equals != std::string_view::npos;
        if (name == "undo" || name == "redo") {
            TakeRun(name == "undo" ? options_.undo : options_.redo, text, equals);
            return;
        }
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
            error_ = Fill(Tr("unknown option '--%1'"), {name});
        } else if (has_value) {
            error_ = Fill(Tr("option '--%1' takes no argument"), {name});
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
                error_ = Fill(Tr("unknown option '-%1'"), {letters.substr(i, 1)});
                return;
            }
            *flag = true;
        }
    }

    void TakePattern(std::string_view option) {
        if (next_ == args_.size()) {
            error_ = Fill(Tr("option '%1' needs a PATTERN"), {option});
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
