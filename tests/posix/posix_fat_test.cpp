// Moves on a real FAT file system through FUSE, where every fallback is
// needed at once: no RENAME_NOREPLACE, no hard links, no unnamed files, no
// Unix modes, letter case ignored.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "core/rename_pattern.h"
#include "posix/posix_file_system.h"
#include "session/rename_session.h"
#include "tests/posix/posix_test_support.h"
#include "tests/support/list_rows.h"
#include "tests/support/test_code_page.h"

namespace zentavo {
namespace {

using Names = std::vector<std::string>;

class PosixFat : public testing::Test {
protected:
    void SetUp() override {
        ::mkdir(fat_.c_str(), 0755);
        mount_.emplace(dir_ / "fat.img", fat_);
        if (!mount_->mounted()) GTEST_SKIP() << mount_->why_not();
    }
    void TearDown() override { mount_.reset(); }

    TempFolder dir_;
    const std::string fat_ = dir_ / "fat";
    std::optional<FatMount> mount_;
};

TEST_F(PosixFat, MovesNeverReplaceAndLeaveNothingBehind) {
    const struct {
        const char* label;
        const char* from;
        std::string to;  // in the FAT folder, or a full path
        int error;
        Names after;
    } cases[] = {
        {"plain", "a", "b", 0, {"b", "taken"}},
        {"onto a taken name", "a", "taken", EEXIST, {"a", "taken"}},
        {"onto a taken name in other letter case", "a", "TAKEN", EEXIST, {"a", "taken"}},
        {"letter case only", "a", "A", 0, {"A", "taken"}},
        {"a name FAT cannot hold", "a", "bad*name", EINVAL, {"a", "taken"}},
        {"into FAT from another file system", "outside", "a2", 0, {"a", "a2", "taken"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        WriteFile(fat_ + "/a", "mine");
        WriteFile(fat_ + "/taken", "theirs");
        WriteFile(dir_ / "outside", "mine");
        const std::string from =
            std::string(c.from) == "outside" ? dir_ / "outside" : fat_ + "/" + c.from;
        PosixFileSystem fs;

        const int error = Move(fs, from, fat_ + "/" + c.to);
        EXPECT_TRUE(error == c.error || (c.error == EINVAL && error == EPERM)) << error;
        EXPECT_EQ(NamesIn(fat_), c.after);
        EXPECT_EQ(ReadFile(fat_ + "/taken"), "theirs");
        for (const std::string& name : NamesIn(fat_)) ::unlink((fat_ + "/" + name).c_str());
    }
}

TEST_F(PosixFat, RunResolvesAChainAndACaseChange) {
    for (const char* name : {"a", "b", "x"}) WriteFile(fat_ + "/" + name, name);
    PosixFileSystem fs;
    RenameSession session(fs, kTestPage);
    session.Drop({fat_}, false);
    ASSERT_EQ(RowPaths(session.list()), (Names{fat_ + "/a", fat_ + "/b", fat_ + "/x"}));
    // a -> b -> c takes two passes; x -> X only changes letter case.
    session.list().SetNewName(0, "b");
    session.list().SetNewName(1, "c");
    session.list().SetNewName(2, "X");

    const RenameOutcome outcome = session.Rename();
    EXPECT_EQ(RowMarks(session.list()), "RRR");
    EXPECT_EQ(outcome.renamed, 3u);
    EXPECT_EQ(NamesIn(fat_), (Names{"X", "b", "c"}));
    EXPECT_EQ(ReadFile(fat_ + "/b"), "a");
    EXPECT_EQ(ReadFile(fat_ + "/c"), "b");
    EXPECT_EQ(ReadFile(fat_ + "/X"), "x");
}

}  // namespace
}  // namespace zentavo
