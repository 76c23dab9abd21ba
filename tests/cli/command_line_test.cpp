#include "cli/command_line.h"

#include <gtest/gtest.h>

namespace zentavo {
namespace {

struct ParseCase {
    std::vector<std::string> args;
    std::optional<std::string> pattern;
    std::string flags;  // r, x, t(sv), h(elp), v(ersion) that must be set
    std::vector<std::string> paths;
};

std::string SetFlags(const CliOptions& options) {
    std::string flags;
    if (options.recurse) flags += 'r';
    if (options.execute) flags += 'x';
    if (options.tsv) flags += 't';
    if (options.help) flags += 'h';
    if (options.version) flags += 'v';
    if (options.no_journal) flags += 'n';
    if (options.list_runs) flags += 'l';
    if (options.undo) flags += "u(" + options.undo_run + ")";
    if (options.redo) flags += "d(" + options.undo_run + ")";
    return flags;
}

TEST(CommandLineTest, ReadsOptionsAndPaths) {
    const ParseCase cases[] = {
        {{"-p", "%n", "a"}, "%n", "", {"a"}},
        {{"--pattern=%n", "-rx", "--tsv", "a", "b"}, "%n", "rxt", {"a", "b"}},
        {{"a", "--pattern", "%3c", "--recurse", "b", "--execute"}, "%3c", "rx", {"a", "b"}},
        {{"-rxp%<e", "a"}, "%<e", "rx", {"a"}},
        {{"-xp", "-r", "a"}, "-r", "x", {"a"}},
        {{"-p", "%n", "--", "-x", "--tsv", "--"}, "%n", "", {"-x", "--tsv", "--"}},
        {{"-p", "", "-", "a", "a"}, "", "", {"-", "a", "a"}},
        {{"--pattern=", "a"}, "", "", {"a"}},
        {{"-p", "1", "-p", "2", "a"}, "2", "", {"a"}},
        {{"--help"}, std::nullopt, "h", {}},
        {{"-h", "--version"}, std::nullopt, "hv", {}},
        {{"-x", "--no-journal", "-p", "%n", "a"}, "%n", "xn", {"a"}},
        {{"--undo"}, std::nullopt, "u()", {}},
        {{"--undo", "20261207-101010-00ff", "--tsv"}, std::nullopt, "tu(20261207-101010-00ff)", {}},
        {{"--tsv", "--undo=r1"}, std::nullopt, "tu(r1)", {}},
        {{"--list-runs", "--tsv"}, std::nullopt, "tl", {}},
        {{"--redo", "r1"}, std::nullopt, "d(r1)", {}},
        {{"--redo", "--tsv"}, std::nullopt, "td()", {}},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const ParsedCommandLine parsed = ParseCommandLine(c.args);
        EXPECT_EQ(parsed.error, "");
        EXPECT_EQ(parsed.options.pattern, c.pattern);
        EXPECT_EQ(SetFlags(parsed.options), c.flags);
        EXPECT_EQ(parsed.options.paths, c.paths);
    }
}

TEST(CommandLineTest, RejectsWhatCannotBeRun) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"a"}, "no pattern given (-p PATTERN)"},
        {{"-x", "--tsv", "a"}, "no pattern given (-p PATTERN)"},
        {{"-p", "%n"}, "no PATH given"},
        {{"-p", "%n", "--"}, "no PATH given"},
        {{"-p", "%n", "-rz", "a"}, "unknown option '-z'"},
        {{"--zap", "-p", "%n", "a"}, "unknown option '--zap'"},
        {{"--pat=%n", "a"}, "unknown option '--pat'"},
        {{"--tsv=yes", "-p", "%n", "a"}, "option '--tsv' takes no argument"},
        {{"a", "-p"}, "option '-p' needs a PATTERN"},
        {{"a", "--pattern"}, "option '--pattern' needs a PATTERN"},
        {{"--help", "--bogus"}, "unknown option '--bogus'"},
        {{"--no-journal", "-p", "%n", "a"}, "option '--no-journal' goes with -x"},
        {{"--undo", "-p", "%n"}, "option '--undo' does not go with -p, -r, -x or --no-journal"},
        {{"-x", "--list-runs"}, "option '--list-runs' does not go with -p, -r, -x or --no-journal"},
        {{"--undo", "r1", "r2"}, "unexpected argument 'r2' after '--undo'"},
        {{"--undo", "--list-runs"}, "options '--undo', '--redo' and '--list-runs' do not go together"},
        {{"--undo", "--redo"}, "options '--undo', '--redo' and '--list-runs' do not go together"},
        {{"--redo", "a.txt", "b.txt"}, "unexpected argument 'b.txt' after '--redo'"},
    };
    for (const auto& [args, error] : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        EXPECT_EQ(ParseCommandLine(args).error, error);
    }
}

}  // namespace
}  // namespace zentavo
