// The built zentavo-cli started as a process of its own: RunCli on every
// system (cli_process.cpp on POSIX, win32_cli_process.cpp on Windows),
// StartCli on POSIX, for a process to be signalled.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace zentavo::testing {

struct ProcessResult {
    int status = -1;  // the exit status; -1 when it did not exit by itself
    std::string out;
    std::string err;
};

// Starts zentavo-cli with args in cwd, its output in the files out_path and
// err_path, the C.UTF-8 locale (which fixes the error texts), the messages of
// language (LANGUAGE; English when empty) and its journals under state_home.
// Returns its process id.
pid_t StartCli(const std::vector<std::string>& args, const std::string& cwd,
               const std::string& state_home, const std::string& out_path,
               const std::string& err_path, const std::string& language = {});

// Runs zentavo-cli to its end. Output goes to files in a folder of its own,
// away from the tree being renamed; journals go to state_home
// (XDG_STATE_HOME, on Windows LOCALAPPDATA), by default a folder thrown away
// with the output. language is POSIX's alone: on Windows the texts are
// English.
ProcessResult RunCli(const std::vector<std::string>& args, const std::string& cwd,
                     const std::string& state_home = {}, const std::string& language = {});

}  // namespace zentavo::testing
