// The built zentavo-cli renaming real trees, the same rows on every system
// (natively, and on Windows under wine): after every command the tree's
// listing is compared, never the exit status alone, since wine reports a
// case-only rename as made and may have changed nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/path_syntax.h"
#include "tests/cli/cli_process.h"
#include "tests/cli/temp_tree.h"

namespace zentavo {
namespace {

using testing::ProcessResult;
using testing::RunCli;
using testing::TempTree;

struct Command {
    std::vector<std::string> args;  // "@other" stands for the way to the other volume
    int status;
    std::vector<std::string> files_after;       // "relative: content", sorted
    std::vector<std::string> other_after = {};  // the same on the other volume
};

struct DiskCase {
    const char* label;
    std::vector<std::string> files;  // each made holding its own name
    std::vector<Command> commands;   // in order, on one tree and one journal
};

const char kLoneSurrogate[] = "\xED\xA0\x80";  // U+D800 in WTF-8

// A folder on another file system than the temporary folder's, which a
// relative new name reaches from it; none on Windows, where no relative path
// leads to another drive, and a folder that links to another file system is
// a reparse point, which a run refuses to move through (win32_tests move
// files across drives).
std::string OtherVolume() {
    return kNativeSyntax == PathSyntax::Posix ? "/dev/shm" : "";
}

std::string Replaced(std::string text, const std::string& what, const std::string& with) {
    if (const size_t at = text.find(what); at != std::string::npos)
        text.replace(at, what.size(), with);
    return text;
}

void RunCase(const DiskCase& c) {
    SCOPED_TRACE(c.label);
    TempTree tree;
    TempTree state;
    for (const std::string& file : c.files) tree.AddFile(file);
    std::vector<std::string> made;
    for (const std::string& file : c.files) made.push_back(file + ": " + file);
    std::sort(made.begin(), made.end());
    ASSERT_EQ(tree.Files(), made) << "the names could not be made";

    // A folder of the case's own on the other volume, reached from the tree
    // by a relative path with slashes, which every system reads.
    namespace fs = std::filesystem;
    fs::path there;
    std::string to_there;
    for (const Command& command : c.commands) {
        if (command.other_after.empty() || !there.empty()) continue;
        there = NativePath(OtherVolume()) / NativePath(tree.root()).filename();
        ASSERT_TRUE(fs::create_directory(there));
        to_there = Utf8Path(there.lexically_relative(NativePath(tree.root())));
        std::replace(to_there.begin(), to_there.end(), '\\', '/');
    }
    for (const Command& command : c.commands) {
        std::vector<std::string> args;
        for (const std::string& arg : command.args)
            args.push_back(Replaced(arg, "@other", to_there));
        SCOPED_TRACE(::testing::PrintToString(args));
        const ProcessResult result = RunCli(args, tree.root(), state.root());
        EXPECT_EQ(result.status, command.status) << result.out << result.err;
        EXPECT_EQ(tree.Files(), command.files_after);
        if (!there.empty()) {
            EXPECT_EQ(testing::FilesBelow(Utf8Path(there)), command.other_after);
        }
    }
    std::error_code ignored;
    if (!there.empty()) fs::remove_all(there, ignored);
}

TEST(RenameOnDiskTest, MovesExactlyWhatTheCommandsSay) {
    const DiskCase cases[] = {
        {"a chain: 0 goes to 1 once 1 has gone to 2",
         {"0", "1"},
         {{{"-x", "-p", "%c", "0", "1"}, 0, {"1: 0", "2: 1"}}}},
        {"a swap of two names through a third",
         {"a", "b"},
         {{{"-x", "-p", "t", "a"}, 0, {"b: b", "t: a"}},
          {{"-x", "-p", "a", "b"}, 0, {"a: b", "t: a"}},
          {{"-x", "-p", "b", "t"}, 0, {"a: b", "b: a"}}}},
        {"a folder tree with -r",
         {"d/x.txt", "d/s/y.txt", "d/s/t/z.txt"},
         {{{"-x", "-r", "-p", "%<1d-%c.%e", "d"},
           0,
           {"d/d-1.txt: d/x.txt", "d/s/s-1.txt: d/s/y.txt", "d/s/t/t-1.txt: d/s/t/z.txt"}}}},
        {"names beyond ASCII, kept exactly",
         {"caf\xC3\xA9.txt"},
         {{{"-x", "-p", "\xE6\x97\xA5\xE6\x9C\xAC-%n", "caf\xC3\xA9.txt"},
           0,
           {"\xE6\x97\xA5\xE6\x9C\xAC-caf\xC3\xA9.txt: caf\xC3\xA9.txt"}}}},
        {"a taken name is refused and both files stay",
         {"a", "b"},
         {{{"-x", "-p", "b", "a"}, 1, {"a: a", "b: b"}}}},
        {"letter case alone changes",
         {"case.txt"},
         {{{"-x", "-p", "CASE.txt", "case.txt"}, 0, {"CASE.txt: case.txt"}},
          {{"--undo"}, 0, {"case.txt: case.txt"}}}},
        {"undo and redo",
         {"a.txt", "b.txt"},
         {{{"-x", "-p", "%c.%e", "a.txt", "b.txt"}, 0, {"1.txt: a.txt", "2.txt: b.txt"}},
          {{"--undo"}, 0, {"a.txt: a.txt", "b.txt: b.txt"}},
          {{"--redo"}, 0, {"1.txt: a.txt", "2.txt: b.txt"}}}},
    };
    for (const DiskCase& c : cases) RunCase(c);
}

// The help names the journal's folder as the system has it, and on Windows
// shows a command with a Windows path.
TEST(RenameOnDiskTest, HelpIsWordedForTheSystem) {
    TempTree tree;
    const std::string help = RunCli({"--help"}, tree.root()).out;
    const bool windows = kNativeSyntax == PathSyntax::Windows;
    for (const auto& [text, shown] :
         {std::pair{"$XDG_STATE_HOME/zentavo/journal", !windows},
          std::pair{"%LOCALAPPDATA%\\Zentavo\\journal", windows},
          std::pair{"zentavo-cli -x -p \"%<1d-%3c.%<e\" C:\\Photos", windows}}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(help.find(text) != std::string::npos, shown) << help;
    }
}

TEST(RenameOnDiskTest, MovesToAnotherVolumeAndBack) {
    if (OtherVolume().empty())
        GTEST_SKIP() << "no relative new name leads to another volume here";
    RunCase({"to another volume and back by undo",
             {"a.txt"},
             {{{"-x", "-p", "@other/%n", "a.txt"}, 0, {}, {"a.txt: a.txt"}},
              {{"--undo"}, 0, {"a.txt: a.txt"}, {}}}});
}

TEST(RenameOnDiskTest, KeepsAnUnpairedSurrogate) {
    TempTree probe;
    const std::string name = std::string("x") + kLoneSurrogate + ".txt";
    bool held = false;
    try {
        probe.AddFile(name);
        held = probe.Files() == std::vector<std::string>{name + ": " + name};
    } catch (const std::exception&) {
        // the name cannot even be spelled for the system
    }
    if (!held)
        GTEST_SKIP() << "this system holds no unpaired surrogate in a name (wine maps names "
                        "to its host's UTF-8, which has none)";
    RunCase({"an unpaired surrogate",
             {name},
             {{{"-x", "-p", "y-%n", name}, 0, {"y-" + name + ": " + name}}}});
}

}  // namespace
}  // namespace zentavo
