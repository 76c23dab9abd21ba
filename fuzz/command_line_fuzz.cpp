// zentavo-cli's option parser. Any arguments are read without a crash into
// either an error or options that can be run; and options written out as a
// user may write them (short or long forms, clusters, "--pattern=", "--undo
// RUN", "--") read back to the very same options.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "cli/command_line.h"

namespace zentavo {
namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

bool SameOptions(const CliOptions& a, const CliOptions& b) {
    return a.pattern == b.pattern && a.recurse == b.recurse && a.execute == b.execute &&
           a.tsv == b.tsv && a.help == b.help && a.version == b.version &&
           a.no_journal == b.no_journal && a.undo == b.undo && a.redo == b.redo &&
           a.undo_run == b.undo_run && a.list_runs == b.list_runs && a.paths == b.paths;
}

bool LooksLikeOption(const std::string& arg) {
    return arg.size() >= 2 && arg[0] == '-';
}

// The flags a user set, each in a form the input picks: "-r" or "--recurse",
// and the short ones at times run together in one cluster.
void WriteFlags(const CliOptions& options, FuzzedDataProvider& input,
                std::vector<std::string>& args) {
    struct Flag {
        bool set;
        char letter;  // 0: long form only
        const char* name;
    };
    const Flag flags[] = {
        {options.recurse, 'r', "--recurse"},
        {options.execute, 'x', "--execute"},
        {options.tsv, 0, "--tsv"},
        {options.help, 'h', "--help"},
        {options.version, 0, "--version"},
        {options.no_journal, 0, "--no-journal"},
        {options.list_runs, 0, "--list-runs"},
    };
    std::string cluster = "-";
    for (const Flag& flag : flags) {
        if (!flag.set) continue;
        if (flag.letter == 0 || input.ConsumeBool()) {
            args.emplace_back(flag.name);
        } else if (input.ConsumeBool()) {
            cluster += flag.letter;
        } else {
            args.push_back(std::string("-") + flag.letter);
        }
    }
    if (cluster.size() > 1) args.push_back(cluster);
    // Last of the flags: what follows a bare --undo or --redo starts with "-"
    // or is nothing, so it is never taken for the run.
    // Both may be set where --help or --version makes the parser ignore their
    // clash; they share the run.
    for (const auto& [set, flag] : {std::pair{options.undo, std::string("--undo")},
                                    std::pair{options.redo, std::string("--redo")}}) {
        if (!set) continue;
        const bool separate = !options.undo_run.starts_with("-") && input.ConsumeBool();
        if (separate) {
            args.push_back(flag);
            args.push_back(options.undo_run);
        } else if (options.undo_run.empty() && input.ConsumeBool()) {
            args.push_back(flag);
        } else {
            args.push_back(flag + "=" + options.undo_run);
        }
    }
}

void WritePattern(const std::string& pattern, FuzzedDataProvider& input,
                  std::vector<std::string>& args) {
    switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0:
            args.emplace_back("-p");
            args.push_back(pattern);
            break;
        case 1:
            args.emplace_back("--pattern");
            args.push_back(pattern);
            break;
        case 2:
            args.push_back("--pattern=" + pattern);
            break;
        default:
            // Run together: an empty pattern cannot be, it needs an argument.
            if (pattern.empty()) {
                args.emplace_back("-p");
                args.push_back(pattern);
            } else {
                args.push_back("-p" + pattern);
            }
    }
}

std::vector<std::string> WriteOut(const CliOptions& options, FuzzedDataProvider& input) {
    std::vector<std::string> args;
    // Paths that cannot be taken for options may come first; the rest follow
    // a "--".
    size_t path = 0;
    while (path < options.paths.size() && !LooksLikeOption(options.paths[path]) &&
           input.ConsumeBool())
        args.push_back(options.paths[path++]);
    WriteFlags(options, input, args);
    if (options.pattern) WritePattern(*options.pattern, input, args);
    if (path < options.paths.size() || input.ConsumeBool()) args.emplace_back("--");
    for (; path < options.paths.size(); ++path) args.push_back(options.paths[path]);
    return args;
}

// A rename needs a pattern and paths; the journal commands take neither.
void CheckParsed(const ParsedCommandLine& parsed) {
    const CliOptions& options = parsed.options;
    if (!parsed.error.empty() || options.help || options.version) return;
    if (options.undo || options.redo || options.list_runs) {
        Check(!options.pattern && options.paths.empty());
    } else {
        Check(options.pattern.has_value() && !options.paths.empty());
    }
}

}  // namespace
}  // namespace zentavo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zentavo;
    FuzzedDataProvider input(data, size);
    const bool raw = input.ConsumeBool();

    std::vector<std::string> args;
    const size_t count = input.ConsumeIntegralInRange<size_t>(0, 12);
    for (size_t i = 0; i < count; ++i) args.push_back(input.ConsumeRandomLengthString(24));

    if (raw) {
        // Whatever the arguments, the parser either refuses them or gives
        // options that, written out again, read back the same.
        const ParsedCommandLine parsed = ParseCommandLine(args);
        CheckParsed(parsed);
        if (!parsed.error.empty()) return 0;
        const ParsedCommandLine again = ParseCommandLine(WriteOut(parsed.options, input));
        Check(again.error.empty());
        Check(SameOptions(again.options, parsed.options));
        return 0;
    }

    // Any options, written out in two ways: both are refused, or both read
    // back as the options themselves.
    CliOptions options;
    options.recurse = input.ConsumeBool();
    options.execute = input.ConsumeBool();
    options.tsv = input.ConsumeBool();
    options.help = input.ConsumeBool();
    options.version = input.ConsumeBool();
    options.no_journal = input.ConsumeBool();
    options.list_runs = input.ConsumeBool();
    options.undo = input.ConsumeBool();
    if (options.undo && input.ConsumeBool()) options.undo_run = input.ConsumeRandomLengthString(24);
    if (input.ConsumeBool()) options.pattern = input.ConsumeRandomLengthString(24);
    options.paths = std::move(args);
    const ParsedCommandLine first = ParseCommandLine(WriteOut(options, input));
    const ParsedCommandLine second = ParseCommandLine(WriteOut(options, input));
    CheckParsed(first);
    Check(first.error.empty() == second.error.empty());
    if (first.error.empty()) {
        Check(SameOptions(first.options, options));
        Check(SameOptions(second.options, options));
    }
    return 0;
}
