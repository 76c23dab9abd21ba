// The arguments of zentavo-cli, read by hand: GNU-style short and long options
// that may stand anywhere before "--", everything else a PATH.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zentavo {

struct CliOptions {
    std::optional<std::string> pattern;  // an empty pattern is a given pattern
    bool recurse = false;
    bool execute = false;
    bool tsv = false;
    bool help = false;
    bool version = false;
    bool no_journal = false;
    bool undo = false;
    bool redo = false;
    std::string undo_run;  // the run --undo or --redo names; empty: the history's next
    bool list_runs = false;
    std::vector<std::string> paths;  // in the order given
};

struct ParsedCommandLine {
    CliOptions options;
    std::string error;  // why the command line cannot be run; empty when it can
};

// args are the arguments after the program name. With --help or --version the
// pattern and the paths may be missing; --undo, --redo and --list-runs take
// neither.
ParsedCommandLine ParseCommandLine(std::span<const std::string> args);

}  // namespace zentavo
