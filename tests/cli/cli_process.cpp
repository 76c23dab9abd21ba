#include "tests/cli/cli_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "tests/cli/temp_tree.h"

namespace zentavo::testing {

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

pid_t StartCli(const std::vector<std::string>& args, const std::string& cwd,
               const std::string& state_home, const std::string& out_path,
               const std::string& err_path, const std::string& language) {
    const std::string state = "XDG_STATE_HOME=" + state_home;
    const std::string messages = "LANGUAGE=" + language;
    std::vector<char*> argv = {const_cast<char*>(ZENTAVO_CLI_PATH)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    char locale[] = "LC_ALL=C.UTF-8";
    char* envp[] = {locale, const_cast<char*>(state.c_str()), const_cast<char*>(messages.c_str()),
                    nullptr};

    const pid_t child = fork();
    if (child == 0) {
        const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || dup2(out, STDOUT_FILENO) < 0 || dup2(err, STDERR_FILENO) < 0 ||
            chdir(cwd.c_str()) != 0)
            _exit(126);
        execve(argv[0], argv.data(), envp);
        _exit(127);
    }
    return child;
}

ProcessResult RunCli(const std::vector<std::string>& args, const std::string& cwd,
                     const std::string& state_home, const std::string& language) {
    TempTree scratch;
    const std::string out_path = scratch.Path("out");
    const std::string err_path = scratch.Path("err");
    const pid_t child = StartCli(args, cwd, state_home.empty() ? scratch.Path("state") : state_home,
                                 out_path, err_path, language);
    ProcessResult result;
    int wait_status = 0;
    if (child > 0 && waitpid(child, &wait_status, 0) == child && WIFEXITED(wait_status))
        result.status = WEXITSTATUS(wait_status);
    result.out = ReadAll(out_path);
    result.err = ReadAll(err_path);
    return result;
}

}  // namespace zentavo::testing
