#include "cli/cli_main.h"

#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/help_text.h"

namespace zentavo {

int CliMain(std::span<const std::string> args, FileSystem& fs, const CliStreams& io) {
    const ParsedCommandLine parsed = ParseCommandLine(args);
    if (!parsed.error.empty()) {
        io.err << "zentavo-cli: " << parsed.error << '\n' << UsageText();
        return kExitUsage;
    }
    if (parsed.options.help) {
        io.out << HelpText();
        return kExitSuccess;
    }
    if (parsed.options.version) {
        io.out << VersionText();
        return kExitSuccess;
    }
    return RunRenameCommand(parsed.options, fs, io);
}

}  // namespace zentavo
