// The journal on real files: its bytes read back exactly, cut or damaged
// anywhere, and the folder that keeps the runs.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "journal/journal_records.h"
#include "journal/journal_store.h"
#include "posix/os.h"
#include "posix/posix_journal_storage.h"
#include "tests/posix/posix_test_support.h"

namespace zentavo {

namespace {

// A row of the plan and a step, as written and as read back; the time of a
// step's batch is checked on its own.
struct PlannedMove {
    std::string source;
    std::string target;
    FileIdentity identity;

    bool operator==(const PlannedMove&) const = default;
};

struct Step {
    uint32_t row = 0;
    FileIdentity new_identity;
    std::string left_at;
    std::string saved_other;

    bool operator==(const Step&) const = default;
};

void WritePlan(JournalWriter& writer, const std::vector<PlannedMove>& plan) {
    for (const PlannedMove& move : plan) writer.Plan(move.source, move.target, move.identity);
}

void WriteStep(JournalWriter& writer, const Step& step) {
    MoveResult moved;
    moved.new_identity = step.new_identity;
    moved.left_at = step.left_at;
    moved.saved_other = step.saved_other;
    writer.Moved(step.row, moved);
}

std::vector<PlannedMove> PlanOf(const RunRecord& run) {
    std::vector<PlannedMove> plan;
    std::string from;
    std::string to;
    for (size_t i = 0; i < run.plan.count(); ++i)
        plan.push_back({run.plan.from(i, from), run.plan.to(i, to), run.plan.identity(i)});
    return plan;
}

std::vector<Step> StepsOf(const RunRecord& run) {
    std::vector<Step> steps;
    for (const MoveStep& step : run.steps) {
        Step read{step.row, {}, {}, {}};
        if (step.note != kNoNote) {
            read.new_identity = run.notes[step.note].new_identity;
            read.left_at = run.notes[step.note].left_at;
            read.saved_other = run.notes[step.note].saved_other;
        }
        steps.push_back(read);
    }
    return steps;
}

// A clock that moves one second per reading, so every step is synced and
// written as it comes.
JournalWriter::Clock Ticking() {
    return [now = int64_t{1'000'000'000'000}]() mutable { return now += 1'000'000'000; };
}

struct Written {
    RunHeader header;
    std::vector<PlannedMove> plan;
    std::vector<Step> steps;
    std::string bytes;
};

Written WriteRun(JournalStore& store, std::vector<PlannedMove> plan, std::vector<Step> steps,
                 JournalWriter::Clock clock = Ticking()) {
    Written written{{}, std::move(plan), std::move(steps), {}};
    written.header.rows = written.plan.size();
    written.header.first_folder = "/d";
    JournalWriter writer(clock);
    EXPECT_EQ(store.Create(written.header, writer), 0);
    WritePlan(writer, written.plan);
    EXPECT_EQ(writer.SealPlan(), 0);
    for (const Step& step : written.steps) WriteStep(writer, step);
    EXPECT_EQ(writer.Finish(written.steps.size(), 1), 0);
    written.bytes = *ReadFile(store.PathOf(written.header.id));
    return written;
}

const std::vector<PlannedMove> kOddPlan = {
    {"/d/new\nline", "/d/tab\there", {2049, 11}},
    {"/d/\xff\xfe not utf-8", "/d/\\back\\slash", {2049, 12}},
    {"/d/sub/x", "/d/sub/../y", {2050, 0}},
    {"/", "/x", {1, 1ull << 62}},
};

TEST(JournalFile, ReadsBackEveryByteAndStopsAtAnyCutOrDamage) {
    TempFolder state;
    JournalStore store = PosixJournals(SystemOs(), state / "journal");
    const Step copied{1, {77, 99}, {}, {}};
    const Step stuck{2, {}, "/d/sub/.zentavo-x-3.tmp", "/d/sub/y (other)"};
    const Step plain{0, {}, {}, {}};
    const Written written = WriteRun(store, kOddPlan, {plain, copied, stuck});

    RunRecord run;
    ASSERT_TRUE(ParseJournal(written.bytes, run));
    EXPECT_EQ(run.header.id, written.header.id);
    EXPECT_EQ(run.header.first_folder, "/d");
    EXPECT_EQ(PlanOf(run), written.plan);
    EXPECT_EQ(StepsOf(run), written.steps);
    // Each step was written in a batch of its own, stamped when written.
    for (size_t i = 1; i < run.steps.size(); ++i)
        EXPECT_GT(run.WrittenNs(i), run.WrittenNs(i - 1));
    ASSERT_TRUE(run.end);
    EXPECT_EQ(run.end->renamed, 3u);
    EXPECT_EQ(run.end->failed, 1u);
    EXPECT_EQ(run.state(), RunState::Complete);

    // Whatever is left of the file, what is read is a true beginning of it:
    // never a row, a step or an end that was not written.
    for (size_t size = 0; size < written.bytes.size(); ++size) {
        SCOPED_TRACE("cut at " + std::to_string(size));
        const std::string_view cut = std::string_view(written.bytes).substr(0, size);
        RunRecord part;
        if (!ParseJournal(cut, part)) continue;
        EXPECT_EQ(part.header.id, written.header.id);
        const std::vector<PlannedMove> plan = PlanOf(part);
        const std::vector<Step> steps = StepsOf(part);
        EXPECT_TRUE(std::equal(plan.begin(), plan.end(), written.plan.begin()));
        EXPECT_TRUE(std::equal(steps.begin(), steps.end(), written.steps.begin()));
        EXPECT_FALSE(part.end);
        EXPECT_LE(part.whole_bytes, size);
        std::optional<RunEnd> end;
        std::optional<int64_t> undone;
        ParseTail(cut, size, end, undone);
        EXPECT_FALSE(end);
    }
    for (size_t at = 0; at < written.bytes.size(); ++at) {
        SCOPED_TRACE("damage at " + std::to_string(at));
        std::string damaged = written.bytes;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x20);
        RunRecord part;
        if (!ParseJournal(damaged, part)) continue;
        const std::vector<PlannedMove> plan = PlanOf(part);
        const std::vector<Step> steps = StepsOf(part);
        EXPECT_TRUE(std::equal(plan.begin(), plan.end(), written.plan.begin()));
        EXPECT_TRUE(std::equal(steps.begin(), steps.end(), written.steps.begin()));
    }
}

TEST(JournalFile, LargePlanSpansBatchesAndStaysSmall) {
    TempFolder state;
    JournalStore store = PosixJournals(SystemOs(), state / "journal");
    std::vector<PlannedMove> plan;
    std::vector<Step> steps;
    for (uint32_t i = 0; i < 20000; ++i) {
        const std::string number = std::to_string(100000 + i);
        plan.push_back({"/home/someone/Pictures/Holiday/IMG_" + number + ".JPG",
                        "/home/someone/Pictures/Holiday/rome-" + number + ".jpg",
                        {2049, 5000000 + i}});
        steps.push_back({i, {}, {}, {}});
    }
    const auto still = [] { return int64_t{5}; };
    const Written written = WriteRun(store, plan, steps, still);

    RunRecord run;
    ASSERT_TRUE(ParseJournal(written.bytes, run));
    EXPECT_EQ(PlanOf(run), plan);
    EXPECT_EQ(StepsOf(run), steps);
    // The shared folder is written once per batch, not once per row.
    EXPECT_LT(written.bytes.size(), plan.size() * 40);
}

TEST(JournalStore, KeepsPrivateFilesAndTheNewestRuns) {
    TempFolder state;
    const std::string folder = state / "deep/state/zentavo/journal";
    JournalStore store = PosixJournals(SystemOs(), folder, Retention{3, uint64_t{1} << 30});
    const Step step;
    // The oldest run was cut short: only its journal knows where its files are.
    RunHeader cut;
    cut.rows = kOddPlan.size();
    {
        JournalWriter writer(Ticking());
        ASSERT_EQ(store.Create(cut, writer), 0);
        WritePlan(writer, kOddPlan);
        ASSERT_EQ(writer.SealPlan(), 0);
        WriteStep(writer, step);
    }
    std::vector<std::string> ids;
    for (int i = 0; i < 5; ++i) {
        ids.push_back(WriteRun(store, kOddPlan, {step}).header.id);
        store.Prune(ids.back());
    }
    EXPECT_EQ(LstatOf(folder).st_mode & 07777, 0700u);
    EXPECT_EQ(LstatOf(state / "deep").st_mode & 07777, 0700u);
    EXPECT_EQ(LstatOf(store.PathOf(ids.back())).st_mode & 07777, 0600u);

    std::vector<RunSummary> runs;
    ASSERT_EQ(store.List(runs), 0);
    ASSERT_EQ(runs.size(), 4u);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(runs[i].header.id, ids[4 - i]);
    EXPECT_EQ(runs[3].header.id, cut.id);
    EXPECT_EQ(runs[0].state(), RunState::Complete);
    EXPECT_EQ(runs[0].renamed(), 1u);

    // Past the size bound only the newest run, the one spared and the one
    // cut short stay.
    JournalStore small = PosixJournals(SystemOs(), folder, Retention{50, runs[0].bytes + 1});
    small.Prune(ids[2]);
    ASSERT_EQ(small.List(runs), 0);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].header.id, ids[4]);
    EXPECT_EQ(runs[1].header.id, ids[2]);
    EXPECT_EQ(runs[2].header.id, cut.id);
}

TEST(JournalStore, RunThatMovedNothingLeavesNoJournal) {
    TempFolder state;
    JournalStore store = PosixJournals(SystemOs(), state / "journal");
    RunHeader header;
    header.rows = 1;
    JournalWriter writer;
    ASSERT_EQ(store.Create(header, writer), 0);
    WritePlan(writer, {kOddPlan[0]});
    ASSERT_EQ(writer.SealPlan(), 0);
    EXPECT_TRUE(Exists(store.PathOf(header.id)));
    ASSERT_EQ(writer.Finish(0, 1), 0);
    EXPECT_EQ(NamesIn(state / "journal"), std::vector<std::string>{});
}

// The header's count of rows sizes what is read: one that claims more rows
// than the file could hold, as a damaged one may, reads as a plan cut short.
TEST(JournalStore, HeaderClaimingMoreRowsThanTheFileHoldsReadsAsCutShort) {
    TempFolder state;
    JournalStore store = PosixJournals(SystemOs(), state / "journal");
    RunHeader header;
    header.rows = uint64_t(1) << 60;
    JournalWriter writer;
    ASSERT_EQ(store.Create(header, writer), 0);

    RunRecord run;
    ASSERT_EQ(store.Read(header.id, run), 0);
    EXPECT_EQ(run.header.rows, header.rows);
    EXPECT_TRUE(run.plan.empty());
    EXPECT_FALSE(run.plan_complete());
}

TEST(JournalStore, InterruptedRunWithATornTailCanBeMarkedUndone) {
    TempFolder state;
    JournalStore store = PosixJournals(SystemOs(), state / "journal");
    RunHeader header;
    header.rows = kOddPlan.size();
    {
        JournalWriter writer(Ticking());
        ASSERT_EQ(store.Create(header, writer), 0);
        WritePlan(writer, kOddPlan);
        ASSERT_EQ(writer.SealPlan(), 0);
        writer.Moved(0, {});
        // Killed here: no end record.
    }
    const std::string path = store.PathOf(header.id);
    WriteFile(path, *ReadFile(path) + std::string("S\x05garb", 7));

    std::vector<RunSummary> runs;
    ASSERT_EQ(store.List(runs), 0);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].state(), RunState::Interrupted);
    EXPECT_EQ(runs[0].renamed(), 1u);

    // Marks go after the torn tail, which stays: nothing is cut off.
    const std::string torn = *ReadFile(path);
    const struct {
        bool undone;
        RunState state;
    } kMarks[] = {{true, RunState::Undone}, {false, RunState::Interrupted}, {true, RunState::Undone}};
    for (const auto& mark : kMarks) {
        SCOPED_TRACE(mark.undone ? "undone" : "redone");
        {
            HeldRun held;
            ASSERT_EQ(store.Hold(header.id, held), 0);
            EXPECT_EQ(held.run.steps.size(), 1u);
            ASSERT_EQ(store.Mark(held, mark.undone, 42), 0);
            ASSERT_EQ(store.List(runs), 0);
            EXPECT_EQ(runs[0].state(), RunState::Running);
        }
        RunRecord run;
        ASSERT_EQ(store.Read(header.id, run), 0);
        EXPECT_EQ(run.state(), mark.state);
        EXPECT_EQ(run.steps.size(), 1u);
        ASSERT_EQ(store.List(runs), 0);
        EXPECT_EQ(runs[0].state(), mark.state);
        EXPECT_TRUE(ReadFile(path)->starts_with(torn));
    }
}

// Someone else who could change the journal could make an undo move any
// file: such a journal folder or file is refused, whatever is asked of it.
struct Untrusted {
    std::string name;
    std::string path;  // relative to the state folder
    std::function<int(const std::string&)> spoil;  // returns the errno of a call it needs
    int error = 0;
};

void PrintTo(const Untrusted& untrusted, std::ostream* out) {
    *out << untrusted.name;
}

constexpr uid_t kAnotherUser = 65534;

class UntrustedJournal : public ::testing::TestWithParam<Untrusted> {};

TEST_P(UntrustedJournal, IsRefused) {
    const Untrusted& c = GetParam();
    TempFolder state;
    JournalStore store = PosixJournals(SystemOs(), state / "zentavo/journal");
    const std::string id = WriteRun(store, kOddPlan, {Step{}}).header.id;
    const std::string path = c.path == "FILE" ? store.PathOf(id) : state / c.path;
    if (const int error = c.spoil(path); error != 0)
        GTEST_SKIP() << "cannot give " << path << " to another user: " << std::strerror(error);

    std::vector<RunSummary> runs;
    EXPECT_EQ(store.List(runs), c.error);
    EXPECT_EQ(store.untrusted_path(), path);
    HeldRun held;
    EXPECT_EQ(store.Hold(id, held), c.error);
    RunRecord run;
    EXPECT_EQ(store.Read(id, run), c.error);
    if (c.path == "FILE") return;  // a new run makes a file of its own
    RunHeader header;
    JournalWriter writer;
    EXPECT_EQ(store.Create(header, writer), c.error);
    EXPECT_EQ(store.untrusted_path(), path);
}

const auto kChmod = [](mode_t mode) {
    return [mode](const std::string& path) { return chmod(path.c_str(), mode) == 0 ? 0 : errno; };
};
const auto kGive = [](const std::string& path) {
    return lchown(path.c_str(), kAnotherUser, kAnotherUser) == 0 ? 0 : errno;
};

INSTANTIATE_TEST_SUITE_P(
    JournalStore, UntrustedJournal,
    ::testing::Values(
        Untrusted{"FolderOpenToOthers", "zentavo/journal", kChmod(0777), EACCES},
        Untrusted{"FolderWritableByGroup", "zentavo/journal", kChmod(0770), EACCES},
        Untrusted{"FolderAboveOpenToOthers", "zentavo", kChmod(0733), EACCES},
        Untrusted{"FolderOfAnotherUser", "zentavo/journal", kGive, EPERM},
        Untrusted{"FolderAboveOfAnotherUser", "zentavo", kGive, EPERM},
        Untrusted{"FolderIsALink", "zentavo/journal",
                  [](const std::string& path) {
                      return rename(path.c_str(), (path + ".real").c_str()) == 0 &&
                                     symlink("journal.real", path.c_str()) == 0
                                 ? 0
                                 : errno;
                  },
                  ELOOP},
        Untrusted{"FileOfAnotherUser", "FILE", kGive, EPERM},
        Untrusted{"FileReadableByOthers", "FILE", kChmod(0644), EACCES},
        Untrusted{"FileIsALink", "FILE",
                  [](const std::string& path) {
                      return rename(path.c_str(), (path + ".real").c_str()) == 0 &&
                                     symlink((path + ".real").c_str(), path.c_str()) == 0
                                 ? 0
                                 : errno;
                  },
                  ELOOP}),
    [](const auto& info) { return info.param.name; });

// A run's journal is held for as long as its process lives, by another
// process here, since a lock is the kernel's: a run going on lists as
// running and cannot be undone or marked; once killed it is interrupted.
TEST(JournalStore, ALiveRunIsRunningAndAKilledOneInterrupted) {
    TempFolder state;
    JournalStore store = PosixJournals(SystemOs(), state / "journal");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    RunHeader header;
    header.rows = kOddPlan.size();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        JournalWriter writer(Ticking());
        if (store.Create(header, writer) != 0) _exit(1);
        WritePlan(writer, kOddPlan);
        if (writer.SealPlan() != 0) _exit(1);
        writer.Moved(0, {});
        const char id_size = char(header.id.size());
        if (write(ready[1], &id_size, 1) != 1 ||
            write(ready[1], header.id.data(), header.id.size()) != ssize_t(header.id.size()))
            _exit(1);
        pause();
        _exit(0);
    }
    close(ready[1]);
    char id_size = 0;
    ASSERT_EQ(read(ready[0], &id_size, 1), 1);
    std::string id(size_t(id_size), '\0');
    ASSERT_EQ(read(ready[0], id.data(), id.size()), ssize_t(id.size()));
    close(ready[0]);
    const std::string bytes = *ReadFile(store.PathOf(id));

    std::vector<RunSummary> runs;
    ASSERT_EQ(store.List(runs), 0);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].state(), RunState::Running);
    HeldRun held;
    EXPECT_EQ(store.Hold(id, held), EBUSY);
    EXPECT_EQ(*ReadFile(store.PathOf(id)), bytes);

    ASSERT_EQ(kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(store.List(runs), 0);
    EXPECT_EQ(runs[0].state(), RunState::Interrupted);
    EXPECT_EQ(store.Hold(id, held), 0);
}

}  // namespace
}  // namespace zentavo
