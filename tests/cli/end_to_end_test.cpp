// The built zentavo-cli run as a process, in a temporary folder as its current
// folder: arguments, exit status and the exact bytes of both output streams.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/help_text.h"
#include "journal/journal_store.h"
#include "posix/posix_journal_storage.h"
#include "tests/cli/cli_process.h"
#include "tests/cli/temp_tree.h"

namespace zentavo {
namespace {

using testing::ProcessResult;
using testing::RunCli;
using testing::TempTree;
using testing::WithRoot;

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
        {{"-x", "-p", "%n", "/nonexistent"},
         1,
         "0 renamed, 0 failed\n",
         "zentavo-cli: cannot read /nonexistent: No such file or directory\n",
         {}},
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

// Messages and help come in the language of LANGUAGE, from the catalogues
// the build put beside the program, and in English without one.
TEST(EndToEndTest, SpeaksTheUsersLanguage) {
    struct LanguageCase {
        std::string language;
        std::vector<std::string> args;
        std::string err;  // how standard error starts
        std::string out;  // how standard output starts
    };
    const LanguageCase cases[] = {
        {"de", {"--bogus"}, "zentavo-cli: unbekannte Option '--bogus'\nAufruf: zentavo-cli", ""},
        {"fr",
         {"-x", "-p", "%n", "/nonexistent"},
         "zentavo-cli: impossible de lire /nonexistent",
         ""},
        {"es", {"-p", "%n"}, "zentavo-cli: no se indicó ningún PATH\nUso:", ""},
        {"pt_BR:de",
         {"--list-runs", "x"},
         "zentavo-cli: argumento inesperado 'x' depois de '--list-runs'",
         ""},
        {"ja", {"--help"}, "", "使い方: zentavo-cli [オプション] PATH..."},
        {"zh_CN", {"-p"}, "zentavo-cli: 选项“-p”需要一个 PATTERN", ""},
        {"sv", {"--bogus"}, "zentavo-cli: unknown option '--bogus'\nUsage:", ""},
        {"", {"-p"}, "zentavo-cli: option '-p' needs a PATTERN", ""},
    };
    for (const LanguageCase& c : cases) {
        SCOPED_TRACE(c.language + " " + ::testing::PrintToString(c.args));
        TempTree tree;
        const ProcessResult result = RunCli(c.args, tree.root(), {}, c.language);
        EXPECT_EQ(result.err.substr(0, c.err.size()), c.err);
        EXPECT_EQ(result.out.substr(0, c.out.size()), c.out);
    }
}

// The fields of --list-runs --tsv that do not change between runs: kind,
// files, renamed, failed, state and what the history takes next, one run a
// line.
std::string RunFields(const std::string& listing) {
    std::string fields;
    size_t line_start = 0;
    while (line_start < listing.size()) {
        const size_t line_end = listing.find('\n', line_start);
        std::vector<std::string> cells;
        for (size_t at = line_start; at <= line_end;) {
            const size_t tab = std::min(listing.find('\t', at), line_end);
            cells.push_back(listing.substr(at, tab - at));
            at = tab + 1;
        }
        if (cells.size() == 10)
            fields += cells[2] + ' ' + cells[4] + ' ' + cells[5] + ' ' + cells[6] + ' ' +
                      cells[7] + ' ' + cells[9];
        fields += '\n';
        line_start = line_end + 1;
    }
    return fields;
}

// One tree and one journal folder through a sequence of commands.
TEST(EndToEndTest, UndoAndRedoWalkTheRunsBackAndForth) {
    TempTree tree;
    TempTree state;
    for (const char* file : {"photos/a b.JPG", "photos/new\nline.jpg", "photos/\xff.jpg"})
        tree.AddFile(file);
    const std::vector<std::string> original = tree.Files();
    const std::vector<std::string> renamed = {"photos/001.jpg: photos/a b.JPG",
                                              "photos/002.jpg: photos/new\nline.jpg",
                                              "photos/003.jpg: photos/\xff.jpg"};
    struct Step {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err_start;
        std::vector<std::string> files_after;
    } steps[] = {
        {{"--undo"}, 1, "", "zentavo-cli: there is no run to undo in ", original},
        {{"-x", "--tsv", "-p", "%3c.%<e", "photos"}, 0, "", "3 renamed", renamed},
        {{"--undo", "--tsv"},
         0,
         "restored\t@/photos/a b.JPG\t\t\nrestored\t@/photos/new\\nline.jpg\t\t\n"
         "restored\t@/photos/\xff.jpg\t\t\n",
         "Undone: 3 files of run ",
         original},
        // A second undo never renames the files again.
        {{"--undo"}, 1, "", "zentavo-cli: there is no run to undo in ", original},
        {{"--redo", "--tsv"},
         0,
         "restored\t@/photos/001.jpg\t\t\nrestored\t@/photos/002.jpg\t\t\n"
         "restored\t@/photos/003.jpg\t\t\n",
         "Redone: 3 files of run ",
         renamed},
        {{"--redo"}, 1, "", "zentavo-cli: there is no run to redo in ", renamed},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(::testing::PrintToString(step.args));
        const ProcessResult result = RunCli(step.args, tree.root(), state.root());
        EXPECT_EQ(result.status, step.status);
        if (step.args.front() == "--undo" || step.args.front() == "--redo") {
            EXPECT_EQ(result.out, WithRoot(step.out, tree.root()));
        }
        EXPECT_EQ(result.err.substr(0, step.err_start.size()), step.err_start) << result.err;
        EXPECT_EQ(tree.Files(), step.files_after);
    }

    // A name taken in between keeps its file; the others come back.
    tree.AddFile("photos/a b.JPG");
    const ProcessResult taken = RunCli({"--undo", "--tsv"}, tree.root(), state.root());
    EXPECT_EQ(taken.status, 1);
    EXPECT_EQ(taken.out, WithRoot("restored\t@/photos/new\\nline.jpg\t\t\n"
                                  "restored\t@/photos/\xff.jpg\t\t\n"
                                  "failed\t@/photos/a b.JPG\t@/photos/001.jpg\ttaken\n",
                                  tree.root()));
    EXPECT_EQ(taken.err.substr(0, 31), "Undo incomplete: 2 files of run");
    EXPECT_EQ(tree.Files(), (std::vector<std::string>{"photos/001.jpg: photos/a b.JPG",
                                                      "photos/a b.JPG: photos/a b.JPG",
                                                      "photos/new\nline.jpg: photos/new\nline.jpg",
                                                      "photos/\xff.jpg: photos/\xff.jpg"}));

    const ProcessResult listed = RunCli({"--list-runs", "--tsv"}, tree.root(), state.root());
    EXPECT_EQ(listed.status, 0);
    // The file left behind keeps the run for the next undo.
    EXPECT_EQ(RunFields(listed.out),
              "undo 3 2 1 complete \nredo 3 3 0 complete \nundo 3 3 0 complete \n"
              "rename 3 3 0 complete undo\n");
}

// The folder of a run's files swapped for a link to where they are: the undo
// moves nothing through the link and names the folder as a run would.
TEST(EndToEndTest, UndoNamesAFolderReplacedSinceTheRun) {
    TempTree tree;
    TempTree state;
    tree.AddFile("photos/a.txt");
    ASSERT_EQ(RunCli({"-x", "-p", "b.txt", "photos/a.txt"}, tree.root(), state.root()).status, 0);
    const std::string photos = tree.root() + "/photos";
    ASSERT_EQ(::rename(photos.c_str(), (photos + ".real").c_str()), 0);
    ASSERT_EQ(symlink("photos.real", photos.c_str()), 0);

    const ProcessResult undo = RunCli({"--undo"}, tree.root(), state.root());
    EXPECT_EQ(undo.status, 1);
    EXPECT_NE(undo.out.find("(the folder " + photos + " was replaced during the rename)"),
              std::string::npos)
        << undo.out;
    EXPECT_EQ(tree.Files(), std::vector<std::string>{"photos.real/b.txt: photos/a.txt"});
}

// A run whose journal another process holds, and a journal folder others
// can write to, are refused by the real executable.
TEST(EndToEndTest, RefusesARunningRunAndAJournalOthersCanChange) {
    TempTree tree;
    TempTree state;
    tree.AddFile("a.txt");
    ASSERT_EQ(RunCli({"-x", "-p", "b.txt", "a.txt"}, tree.root(), state.root()).status, 0);
    const std::vector<std::string> renamed = tree.Files();
    const std::string folder = state.root() + "/zentavo/journal";
    JournalStore journals = PosixJournals(SystemOs(), folder);
    std::vector<RunSummary> runs;
    ASSERT_EQ(journals.List(runs), 0);
    ASSERT_EQ(runs.size(), 1u);
    const std::string id = runs[0].header.id;
    {
        HeldRun held;
        ASSERT_EQ(journals.Hold(id, held), 0);
        const ProcessResult undo = RunCli({"--undo"}, tree.root(), state.root());
        EXPECT_EQ(undo.status, 1);
        EXPECT_EQ(undo.err, "zentavo-cli: there is no run to undo in " + folder + "\n");
        const ProcessResult named = RunCli({"--undo", id}, tree.root(), state.root());
        EXPECT_EQ(named.status, 1);
        EXPECT_EQ(named.err, "zentavo-cli: run " + id + " is still running\n");
        const ProcessResult listed = RunCli({"--list-runs", "--tsv"}, tree.root(), state.root());
        EXPECT_EQ(RunFields(listed.out), "rename 1 1 0 running \n");
        EXPECT_EQ(tree.Files(), renamed);
    }
    ASSERT_EQ(chmod(folder.c_str(), 0777), 0);
    const std::string refused =
        "zentavo-cli: refusing the journal: " + folder +
        " is open to other users (a folder must be writable by you alone, a journal file mode "
        "0600)\nzentavo-cli: nothing was ";
    const struct {
        std::vector<std::string> args;
        std::string what;
    } kRefused[] = {{{"--undo"}, "undone"},
                    {{"--redo", id}, "redone"},
                    {{"--list-runs"}, "listed"},
                    {{"-x", "-p", "c.txt", "b.txt"}, "renamed"}};
    for (const auto& c : kRefused) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const ProcessResult result = RunCli(c.args, tree.root(), state.root());
        EXPECT_EQ(result.status, 4);
        EXPECT_EQ(result.err, refused + c.what + "\n");
        EXPECT_EQ(tree.Files(), renamed);
    }
}

}  // namespace
}  // namespace zentavo
