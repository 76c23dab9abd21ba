#include "cli/cli_main.h"

#include <vector>

#include "cli/command_line.h"
#include "cli/console_stream.h"
#include "cli/exit_status.h"
#include "cli/help_text.h"
#include "cli/help_wording.h"
#include "cli/journal_commands.h"

namespace zentavo {

int CliMain(std::span<const std::string> args, FileSystem& fs, const CodePage& page,
            JournalStore& journals, const CliStreams& io) {
    const ParsedCommandLine parsed = ParseCommandLine(args);
    if (!parsed.error.empty()) {
        io.err << "zentavo-cli: " << parsed.error << '\n' << UsageText();
        return kExitUsage;
    }
    if (parsed.options.help) {
        io.out << WordedForThisSystem(HelpText());
        return kExitSuccess;
    }
    if (parsed.options.version) {
        io.out << VersionText();
        return kExitSuccess;
    }
    if (parsed.options.list_runs) return RunListRunsCommand(parsed.options, page, journals, io);
    if (parsed.options.undo || parsed.options.redo)
        return RunUndoCommand(parsed.options, fs, page, journals, io);
    return RunRenameCommand(parsed.options, fs, page,
                            parsed.options.no_journal ? nullptr : &journals, io);
}

int CliMain(Console& console, FileSystem& fs, const CodePage& page, JournalStore& journals) {
    ConsoleOstream out(console, Console::Stream::Out);
    ConsoleOstream err(console, Console::Stream::Err);
    // As std::cerr is: unbuffered, and what went to the output before it
    // shows first.
    err.setf(std::ios::unitbuf);
    err.tie(&out);
    const std::vector<std::string> args = console.Arguments();
    return CliMain(args, fs, page, journals,
                   {out, err, console.IsTerminal(Console::Stream::Err)});
}

}  // namespace zentavo
