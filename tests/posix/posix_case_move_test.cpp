// Moves that the file system sees as onto the file itself: a change of letter
// case where case is ignored, and two hard links of one file. Case folding is
// acted out: the rename reports EEXIST, and the lookup of the new spelling
// finds the old file, as on such a file system.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "engine/rename_run.h"
#include "journal/undo_run.h"
#include "posix/posix_file_system.h"
#include "posix/posix_journal_storage.h"
#include "session/rename_session.h"
#include "tests/posix/faulty_os.h"
#include "tests/posix/posix_test_support.h"
#include "tests/support/test_code_page.h"

namespace zentavo {
namespace {

using Names = std::vector<std::string>;

class PosixCaseMove : public testing::Test {
protected:
    void SetUp() override {
        WriteFile(dir_ / "photo", "content");
        os_.Add({.call = OsCall::Rename, .path = dir_ / "PHOTO", .nth = 1, .error = EEXIST});
        os_.Add(
            {.call = OsCall::StatAt, .path = dir_ / "PHOTO", .nth = 1, .redirect = dir_ / "photo"});
    }

    TempFolder dir_;
    FaultyOs os_;
};

TEST_F(PosixCaseMove, GoesThroughATemporaryName) {
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "photo", dir_ / "PHOTO"), 0);
    EXPECT_EQ(NamesIn(dir_.path()), Names{"PHOTO"});
    EXPECT_EQ(ReadFile(dir_ / "PHOTO"), "content");
    EXPECT_EQ(os_.count(OsCall::Rename), 3u);
}

// The scratch name is fixed before the move so that a record of the run can
// hold it; should someone else hold it, the move fails and takes nothing.
TEST_F(PosixCaseMove, TakenScratchNameFailsAndTouchesNothing) {
    WriteFile(dir_ / kTestScratchName, "theirs");
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "photo", dir_ / "PHOTO"), EEXIST);
    EXPECT_EQ(NamesIn(dir_.path()), (Names{kTestScratchName, "photo"}));
    EXPECT_EQ(ReadFile(dir_ / kTestScratchName), "theirs");
}

TEST_F(PosixCaseMove, FailedSecondStepIsRolledBack) {
    os_.Add({.call = OsCall::Rename, .nth = 3, .error = EIO});
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "photo", dir_ / "PHOTO"), EIO);
    EXPECT_EQ(NamesIn(dir_.path()), Names{"photo"});
    EXPECT_EQ(ReadFile(dir_ / "photo"), "content");
}

TEST_F(PosixCaseMove, StepsThatCanNeitherFinishNorGoBackSayWhereTheFileIs) {
    os_.Add({.call = OsCall::Rename, .nth = 3, .error = EIO});
    os_.Add({.call = OsCall::Rename, .nth = 4, .error = EIO});
    PosixFileSystem fs(os_);

    const MoveResult result = fs.MoveNoReplace(dir_ / "photo", dir_ / "PHOTO", kTestScratchName);
    EXPECT_EQ(result.error, EIO);
    EXPECT_EQ(result.left_at, dir_ / kTestScratchName);
    EXPECT_EQ(ReadFile(result.left_at), "content");
}

// The run's journal holds where such a file lies, and an undo brings it back
// from there.
TEST_F(PosixCaseMove, AFileLeftUnderTheScratchNameIsUndoneFromThere) {
    os_.Add({.call = OsCall::Rename, .nth = 3, .error = EIO});
    os_.Add({.call = OsCall::Rename, .nth = 4, .error = EIO});
    TempFolder state;
    JournalStore journals = PosixJournals(SystemOs(), state / "journal");
    PosixFileSystem fs(os_);
    RenameSession session(fs, kTestPage);
    session.list().SetNewName(session.list().Insert(dir_ / "photo"), "PHOTO");
    const RenameOutcome outcome = session.Rename({}, &journals);
    ASSERT_EQ(outcome.notes.size(), 1u);
    ASSERT_EQ(NamesIn(dir_.path()), Names{outcome.notes[0].left_at.substr(dir_.path().size() + 1)});

    PosixFileSystem unfaulted;
    UndoOutcome undo;
    ASSERT_EQ(UndoRun(unfaulted, journals, outcome.run_id, undo), 0);
    EXPECT_EQ(NamesIn(dir_.path()), Names{"photo"});
    EXPECT_EQ(ReadFile(dir_ / "photo"), "content");
    ASSERT_EQ(undo.restored.size(), 1u);
    EXPECT_EQ(undo.restored[0], dir_ / "photo");
}

// Killed between the two steps, the run leaves the file under the scratch
// name its token and the row make, which a record of the run holds from the
// start.
TEST_F(PosixCaseMove, KillBetweenTheStepsLeavesTheFileUnderTheRunsScratchName) {
    os_.Add({.call = OsCall::Rename, .nth = 3, .before = [] { ::_exit(0); }});
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        PosixFileSystem fs(os_);
        RenameList list;
        list.SetNewName(list.Insert(dir_ / "photo"), "PHOTO");
        RenameRun(fs, list, kTestPage, {}, "run").Run();
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(NamesIn(dir_.path()), Names{ScratchName("run", 0)});
    EXPECT_EQ(ReadFile(dir_ / ScratchName("run", 0)), "content");
}

// A target that is the source itself, or another name of its file, never
// goes through the scratch name: one rename is tried and nothing changes.
TEST(PosixMoveOntoItsOwnFile, NeedsNoScratchName) {
    const struct {
        const char* target;
        int error;
    } cases[] = {
        {"./a", 0},    {"sub/../a", 0}, {"sub/.././a", 0},  // the source's own entry
        {"b", EEXIST}, {"A", EEXIST},   {"sub/a", EEXIST},  // hard links
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        TempFolder dir;
        WriteFile(dir / "a", "content");
        ::mkdir((dir / "sub").c_str(), 0755);
        ASSERT_EQ(::link((dir / "a").c_str(), (dir / "b").c_str()), 0);
        ASSERT_EQ(::link((dir / "a").c_str(), (dir / "A").c_str()), 0);
        ASSERT_EQ(::link((dir / "a").c_str(), (dir / "sub/a").c_str()), 0);
        const struct stat before = LstatOf(dir / "a");
        FaultyOs os;
        PosixFileSystem fs(os);

        EXPECT_EQ(Move(fs, dir / "a", dir / c.target), c.error);
        EXPECT_EQ(os.count(OsCall::Rename), 1u);
        EXPECT_EQ(NamesIn(dir.path()), (Names{"A", "a", "b", "sub"}));
        const struct stat after = LstatOf(dir / "a");
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_ctim.tv_nsec, before.st_ctim.tv_nsec);
    }
}

}  // namespace
}  // namespace zentavo
