// The built zentavo-cli run as a process, in a temporary folder as its current
// folder: arguments, exit status and the exact bytes of both output streams.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "cli/help_text.h"
#include "tests/cli/temp_tree.h"

namespace zentavo {
namespace {

using testing::TempTree;
using testing::WithRoot;

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Output goes to files in a folder of its own, away from the tree being
// renamed; the English C.UTF-8 locale fixes the error texts.
ProcessResult RunCli(const std::vector<std::string>& args, const std::string& cwd) {
    TempTree scratch;
    const std::string out_path = scratch.Path("out");
    const std::string err_path = scratch.Path("err");
    std::vector<char*> argv = {const_cast<char*>(ZENTAVO_CLI_PATH)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    char locale[] = "LC_ALL=C.UTF-8";
    char* envp[] = {locale, nullptr};

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
    ProcessResult result;
    int wait_status = 0;
    if (child > 0 && waitpid(child, &wait_status, 0) == child && WIFEXITED(wait_status))
        result.status = WEXITSTATUS(wait_status);
    result.out = ReadAll(out_path);
    result.err = ReadAll(err_path);
    return result;
}

struct ProcessCase {
    std::vector<std::string> args;
    int status;
    std::string out;  // both with the placeholders of WithRoot
    std::string err;
    std::vector<std::string> files_after;  // empty: the tree must not change
};

TEST(EndToEndTest, ExecutableKeepsItsInterface) {
    const std::string usage = UsageText();
    const ProcessCase cases[] = {
        {{}, 2, "", "zentavo-cli: no pattern given (-p PATTERN)\n" + usage, {}},
        {{"-p", "%n"}, 2, "", "zentavo-cli: no PATH given\n" + usage, {}},
        {{"-xq", "-p", "%n", "photos"}, 2, "", "zentavo-cli: unknown option '-q'\n" + usage, {}},
        {{"--version"}, 0, "Zentavo 1.0\nVersion 1.0.0.1\n", "", {}},
        {{"--help"}, 0, HelpText(), "", {}},
        {{"-p", "%<1d-%3c.%<e", "photos"},
         0,
         "Mark     Path^                 New Filename\n"
         "pending  @/photos/a b.JPG     photos-001.jpg\n"
         "pending  @/photos/c\\\\d\\t.jpg  photos-002.jpg\n"
         "pending  @/photos/\\xFF.jpg    photos-003.jpg\n",
         "",
         {}},
        {{"-x", "--tsv", "-p", "%3c.%<e", "--", "./photos/", "-e"},
         0,
         "renamed\t@/-e\t001.\n"
         "renamed\t@/photos/a b.JPG\t001.jpg\n"
         "renamed\t@/photos/c\\\\d\\t.jpg\t002.jpg\n"
         "renamed\t@/photos/\xff.jpg\t003.jpg\n",
         "4 renamed, 0 failed\n",
         {"-: -", "001.: -e", "photos/001.jpg: photos/a b.JPG", "photos/002.jpg: photos/c\\d\t.jpg",
          "photos/003.jpg: photos/\xff.jpg"}},
        {{"-x", "--tsv", "-p", "%e", "photos", "-", "--", "-e"},
         3,
         "pending\t@/-\t\npending\t@/-e\t\n"
         "pending\t@/photos/a b.JPG\tJPG\npending\t@/photos/c\\\\d\\t.jpg\tjpg\n"
         "pending\t@/photos/\xff.jpg\tjpg\n",
         "zentavo-cli: no new name for @/-\nzentavo-cli: no new name for @/-e\n"
         "zentavo-cli: nothing was renamed\n",
         {}},
        {{"-x", "--tsv", "-p", "x", "photos"},
         1,
         "renamed\t@/photos/a b.JPG\tx\nfailed\t@/photos/c\\\\d\\t.jpg\tx\n"
         "failed\t@/photos/\xff.jpg\tx\n",
         "1 renamed, 2 failed\n",
         {"-: -", "-e: -e", "photos/c\\d\t.jpg: photos/c\\d\t.jpg", "photos/x: photos/a b.JPG",
          "photos/\xff.jpg: photos/\xff.jpg"}},
    };
    for (const ProcessCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        TempTree tree;
        for (const char* file :
             {"photos/a b.JPG", "photos/c\\d\t.jpg", "photos/\xff.jpg", "-e", "-"})
            tree.AddFile(file);
        const std::vector<std::string> before = tree.Files();
        const ProcessResult result = RunCli(c.args, tree.root());
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.out, WithRoot(c.out, tree.root()));
        EXPECT_EQ(result.err, WithRoot(c.err, tree.root()));
        EXPECT_EQ(tree.Files(), c.files_after.empty() ? before : c.files_after);
    }
}

}  // namespace
}  // namespace zentavo
