// zentavo-cli killed with SIGKILL at a random moment of a rename run, then
// `zentavo-cli --undo`: every name and every byte must be as before, with no
// scratch file left. Each seed kills the run anew on the restored tree.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <thread>

#include "tests/cli/cli_process.h"
#include "tests/posix/posix_test_support.h"

namespace zentavo {
namespace {

namespace fs = std::filesystem;

enum class Place {
    Disk,         // the temporary folder's own file system
    Fat,          // a FAT image through FUSE: case ignored, so a case change takes the detour
    OtherSystem,  // the files on a tmpfs, moved to the disk beside it
};

struct KillCase {
    const char* label;
    Place place;
    int files;
    const char* name_format;  // printf format of the file names, from 0
    const char* pattern;
    int seeds;
};

void PrintTo(const KillCase& c, std::ostream* out) {
    *out << c.label;
}

// Relative path -> content of every file below folder.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_directory()) continue;
        files[fs::relative(entry.path(), folder).string()] = *ReadFile(entry.path().string());
    }
    return files;
}

// The names that differ, with a mark: + only in a, - only in b, ~ other bytes.
std::string Difference(const std::map<std::string, std::string>& a,
                       const std::map<std::string, std::string>& b) {
    std::string differences;
    for (const auto& [path, content] : a) {
        const auto other = b.find(path);
        if (other == b.end()) {
            differences += "+" + path + " ";
        } else if (other->second != content) {
            differences += "~" + path + " ";
        }
    }
    for (const auto& [path, content] : b)
        if (!a.count(path)) differences += "-" + path + " ";
    return differences;
}

class KillTest : public ::testing::TestWithParam<KillCase> {};

TEST_P(KillTest, UndoRestoresEveryNameAndByte) {
    const KillCase& c = GetParam();
    TempFolder root;
    const std::string tree = root / "tree";
    const std::string folder = tree + "/files";
    const std::string state = root / "state";
    ASSERT_EQ(::mkdir(tree.c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    std::unique_ptr<FatMount> fat;
    std::unique_ptr<ScratchMount> other;
    if (c.place == Place::Fat) {
        fat = std::make_unique<FatMount>(root / "fat.img", folder);
        if (!fat->mounted()) GTEST_SKIP() << fat->why_not();
    } else if (c.place == Place::OtherSystem) {
        ASSERT_EQ(::mkdir((tree + "/disk").c_str(), 0755), 0);
        other = std::make_unique<ScratchMount>(folder, "size=64m");
        if (!other->mounted()) GTEST_SKIP() << other->why_not();
    }
    char name[64];
    for (int i = 0; i < c.files; ++i) {
        std::snprintf(name, sizeof name, c.name_format, i);
        WriteFile(folder + "/" + name, std::string(name) + PatternBytes(size_t(i % 7) * 100));
    }
    const auto before = Snapshot(tree);

    // A whole run, undone, tells how long a run lasts here: the kills fall
    // anywhere in it.
    const auto whole_start = std::chrono::steady_clock::now();
    const testing::ProcessResult whole =
        testing::RunCli({"-x", "--tsv", "-p", c.pattern, folder}, root.path(), state);
    const auto run_time = std::chrono::steady_clock::now() - whole_start;
    ASSERT_EQ(whole.status, 0) << whole.err;
    ASSERT_EQ(testing::RunCli({"--undo"}, root.path(), state).status, 0);
    ASSERT_EQ(Difference(Snapshot(tree), before), "");

    std::mt19937 random(20261207);
    const auto longest = std::chrono::duration_cast<std::chrono::microseconds>(run_time).count();
    for (int seed = 0; seed < c.seeds; ++seed) {
        const auto delay = std::chrono::microseconds(random() % uint64_t(longest + 1));
        SCOPED_TRACE("seed " + std::to_string(seed) + ", killed after " +
                     std::to_string(delay.count()) + " us of " + std::to_string(longest));
        // A journal folder per kill: an undo with no run of its own to take
        // back must not reach the runs of earlier seeds.
        const std::string seed_state = state + "-" + std::to_string(seed);
        const pid_t run = testing::StartCli({"-x", "--tsv", "-p", c.pattern, folder}, root.path(),
                                            seed_state, root / "out", root / "err");
        ASSERT_GT(run, 0);
        std::this_thread::sleep_for(delay);
        ::kill(run, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(run, &status, 0), run);
        // A FUSE daemon may still carry out the killed process's last
        // request, a rename the kernel took as failed: its cached names are
        // stale until they time out (one second by default).
        if (fat) std::this_thread::sleep_for(std::chrono::milliseconds(1200));

        const testing::ProcessResult undo = testing::RunCli({"--undo"}, root.path(), seed_state);
        // Killed before its journal was begun, a run has moved nothing.
        if (undo.status != 0) {
            EXPECT_EQ(undo.err.rfind("zentavo-cli: there is no run to undo", 0), 0u) << undo.err;
        }
        const auto after = Snapshot(tree);
        EXPECT_EQ(Difference(after, before), "") << undo.out << undo.err;
        for (const auto& [path, content] : after)
            EXPECT_EQ(path.find(".zentavo-"), std::string::npos) << path;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, KillTest,
    ::testing::Values(KillCase{"renumbering_chain", Place::Disk, 20000, "f%05d", "f%5c", 3},
                      KillCase{"case_change_on_fat", Place::Fat, 40, "photo%03d.jpg", "%>n", 3},
                      KillCase{"copy_to_another_file_system", Place::OtherSystem, 100, "f%04d.dat",
                               "../disk/%n", 3}),
    [](const ::testing::TestParamInfo<KillCase>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace zentavo
