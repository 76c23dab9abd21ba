// The window's logic without a window: commands on real files, the state
// they leave, and the reports they make, read in the table's English.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "journal/journal_store.h"
#include "posix/posix_journal_storage.h"
#include "tests/posix/faulty_os.h"
#include "tests/support/list_rows.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_code_page.h"
#include "tests/window/gated_file_system.h"
#include "window/row_words.h"
#include "window/window_logic.h"

namespace zentavo {
namespace {

using testing::GatedFileSystem;
using Lines = std::vector<std::string>;

std::string Spelled(const Message& message);

std::string Spelled(const Value& value) {
    switch (value.kind) {
        case Value::Kind::Bytes:
            return value.bytes;
        case Value::Kind::Count:
        case Value::Kind::Integer:
        case Value::Kind::Time:
            return std::to_string(value.number);
        case Value::Kind::Words:
            return Spelled(*value.words);
        case Value::Kind::SystemError:
            return std::strerror(int(value.number));
        case Value::Kind::Chain: {
            std::string chain;
            for (const std::string& name : value.names)
                chain += (chain.empty() ? "" : " -> ") + name;
            return value.number != 0 ? chain + " -> ..." : chain;
        }
    }
    return {};
}

// A message in the table's English, its places filled in order.
std::string Spelled(const Message& message) {
    const std::string text = SourceText(message.id);
    std::string spelled;
    for (size_t i = 0; i < text.size(); ++i) {
        size_t digit = i + 1;
        if (text[i] == '%' && digit < text.size() && text[digit] == 'L') ++digit;
        if (text[i] == '%' && digit < text.size() && text[digit] == 'n') {
            spelled += std::to_string(message.count);
            i = digit;
        } else if (text[i] == '%' && digit < text.size() && text[digit] >= '1' &&
                   text[digit] <= '9' && size_t(text[digit] - '1') < message.values.size()) {
            spelled += Spelled(message.values[size_t(text[digit] - '1')]);
            i = digit;
        } else {
            spelled += text[i];
        }
    }
    return spelled;
}

// Each line of a box's text or detail, an empty one between paragraphs.
Lines SpelledLines(const std::vector<Paragraph>& paragraphs) {
    Lines lines;
    for (const Paragraph& paragraph : paragraphs) {
        if (!lines.empty()) lines.emplace_back();
        for (const Value& value : paragraph) {
            std::istringstream text(Spelled(value));
            for (std::string line; std::getline(text, line);) lines.push_back(line);
        }
    }
    return lines;
}

// A front end that runs what the logic posts when the test settles it, and
// records what the logic shows.
class RecordingFrontEnd : public WindowFrontEnd {
public:
    void Post(std::function<void()> task) override {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
        posted_.notify_one();
    }
    void JobStarted() override {}
    void JobEnded() override {}
    void RowsChanging(bool) override {}
    void RowsChanged() override {}
    void RemoveRows(std::vector<size_t> rows) override { logic->session().list().Remove(rows); }
    void NamesChanged() override {}
    void ShowWarnings(std::vector<TargetProblem> shown) override { warnings = std::move(shown); }
    void AddNotes(const std::vector<RowNote>&) override {}
    void RunEnded() override {}
    void StateChanged() override {}
    void Tell(const Report& report) override { reports.push_back(report); }
    bool Ask(const Question& question) override {
        questions.push_back(question);
        return answer;
    }
    void Close() override { closed = true; }

    // Runs the posted tasks here, as the window's thread would, until the
    // logic has no job and no check under way.
    void Settle() {
        std::unique_lock lock(mutex_);
        for (;;) {
            while (!tasks_.empty()) {
                std::function<void()> task = std::move(tasks_.front());
                tasks_.pop_front();
                lock.unlock();
                task();
                lock.lock();
            }
            if (!logic->state().busy && !logic->checking()) return;
            posted_.wait(lock, [this] { return !tasks_.empty(); });
        }
    }

    WindowLogic* logic = nullptr;
    std::vector<TargetProblem> warnings;
    std::vector<Report> reports;
    std::vector<Question> questions;
    bool answer = true;
    bool closed = false;

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> tasks_;
};

// The logic over files in a folder of their own, its journals in another.
struct Window {
    Window() { front.logic = &logic; }

    const RenameList& rows() const { return logic.session().list(); }
    std::vector<std::string> Paths(const std::vector<std::string>& names) const {
        std::vector<std::string> paths;
        for (const std::string& name : names) paths.push_back(folder / name);
        return paths;
    }
    void Drop(const std::vector<std::string>& names) {
        logic.Drop(Paths(names), false);
        front.Settle();
    }
    void SetFilenames(const std::string& pattern) {
        logic.SetFilenames(pattern);
        front.Settle();
    }
    void Rename() {
        logic.Rename();
        front.Settle();
    }
    // "drop NAME[,NAME...]", "set PATTERN", "rename", "delete all".
    void Do(const std::string& action) {
        if (action.rfind("drop ", 0) == 0) {
            std::vector<std::string> names;
            std::istringstream list(action.substr(5));
            for (std::string name; std::getline(list, name, ',');) names.push_back(name);
            Drop(names);
        } else if (action.rfind("set ", 0) == 0) {
            SetFilenames(action.substr(4));
        } else if (action == "rename") {
            Rename();
        } else if (action == "delete all") {
            std::vector<size_t> all(rows().count());
            for (size_t i = 0; i < all.size(); ++i) all[i] = i;
            logic.DeleteRows(all);
            front.Settle();
        } else {
            ADD_FAILURE() << "unknown action " << action;
        }
    }

    TempFolder folder;
    TempFolder state;
    GatedFileSystem fs;
    FaultyOs journal_os;
    RecordingFrontEnd front;
    WindowLogic logic{front, fs, PosixJournals(journal_os, state / "journal"), kTestPage};
};

struct StateCase {
    const char* name;
    std::vector<std::string> actions;
    bool set_enabled;
    bool rename_enabled;
    size_t rows;
};

void PrintTo(const StateCase& c, std::ostream* out) {
    *out << c.name;
}

class EnabledStates : public ::testing::TestWithParam<StateCase> {};

TEST_P(EnabledStates, FollowWhatTheListHolds) {
    const StateCase& c = GetParam();
    Window w;
    w.folder.AddFile("a.txt");
    w.folder.AddFile("b.txt");
    w.folder.AddFile("only-folders/sub/z");
    for (const std::string& action : c.actions) w.Do(action);
    EXPECT_EQ(w.logic.state().set_filenames_enabled, c.set_enabled);
    EXPECT_EQ(w.logic.state().rename_enabled, c.rename_enabled);
    EXPECT_EQ(w.rows().count(), c.rows);
    EXPECT_FALSE(w.logic.state().busy);
}

const StateCase kStateCases[] = {
    {"nothing yet", {}, false, false, 0},
    {"a drop that adds rows", {"drop a.txt"}, true, false, 1},
    {"a drop of a folder holding only folders", {"drop only-folders"}, false, false, 0},
    {"names for every row", {"drop a.txt,b.txt", "set %3c.%<e"}, true, true, 2},
    {"an empty pattern", {"drop a.txt", "set   "}, true, false, 1},
    {"a pattern that names only some rows",
     {"drop a.txt,only-folders/sub/z", "set %e"},
     true,
     false,
     2},
    {"a drop that adds nothing keeps Rename",
     {"drop a.txt", "set %n", "drop a.txt"},
     true,
     true,
     1},
    {"a drop that adds a row disables Rename",
     {"drop a.txt", "set %n", "drop b.txt"},
     true,
     false,
     2},
    {"a rename run changes neither", {"drop a.txt", "set %n-x", "rename"}, true, true, 1},
    {"Delete changes neither", {"drop a.txt,b.txt", "set %n", "delete all"}, true, true, 0},
    {"Set Filenames on an emptied list enables Rename",
     {"drop a.txt", "delete all", "set %n"},
     true,
     true,
     0},
    {"a drop after a run that adds nothing",
     {"drop a.txt", "set %n-x", "rename", "drop only-folders"},
     false,
     true,
     0},
    {"a drop after a run starts a fresh list",
     {"drop a.txt", "set %n-x", "rename", "drop b.txt"},
     true,
     false,
     1},
};

INSTANTIATE_TEST_SUITE_P(
    Window, EnabledStates, ::testing::ValuesIn(kStateCases), [](const auto& info) {
        std::string name = info.param.name;
        std::replace_if(
            name.begin(), name.end(),
            [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
        return name;
    });

// A drop that could not read some paths adds the rest and lists the first
// ten it could not read, with their reasons.
TEST(WindowLogic, DropTellsWhatItCouldNotRead) {
    const struct {
        int missing;
        const char* last_line;
    } cases[] = {{1, "@/missing-0: Not found"}, {12, "and 2 more"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.missing);
        Window w;
        w.folder.AddFile("there.txt");
        std::vector<std::string> names{"there.txt"};
        for (int i = 0; i < c.missing; ++i) names.push_back("missing-" + std::to_string(i));
        w.Drop(names);

        EXPECT_EQ(RowPaths(w.rows()), Lines{w.folder / "there.txt"});
        ASSERT_EQ(w.front.reports.size(), 1u);
        const Report& report = w.front.reports[0];
        EXPECT_EQ(report.icon, MessageIcon::Warning);
        EXPECT_EQ(Spelled(report.caption), "Not Everything Was Added");
        const Lines lines = SpelledLines(report.text);
        ASSERT_EQ(lines.size(), 2u + std::min(c.missing, 10) + (c.missing > 10 ? 1 : 0));
        EXPECT_EQ(lines[0], "These could not be read, so nothing in them was added:");
        std::string last = c.last_line;
        if (last[0] == '@') last.replace(0, 1, w.folder.path());
        EXPECT_EQ(lines.back(), last);

        w.Drop({"there.txt"});
        EXPECT_EQ(w.front.reports.size(), 1u);  // a drop that read everything says nothing
    }
}

// The summary's detail counts, then lists the first ten failures with
// their reasons.
TEST(WindowLogic, SummaryDetailCountsAndListsFirstFailures) {
    const struct {
        int failing;
        const char* last_line;
    } cases[] = {{2, "@/f01.txt: A file named \"taken.txt\" already exists"}, {12, "and 2 more"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failing);
        Window w;
        w.folder.AddFile("taken.txt");
        w.folder.AddFile("a.txt");
        std::vector<std::string> names{"a.txt"};
        for (int i = 0; i < c.failing; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "f%02d.txt", i);
            names.push_back(w.folder.AddFile(name).substr(w.folder.path().size() + 1));
        }
        w.Drop(names);
        // a.txt goes its way; every other file is to take the name taken.txt.
        w.SetFilenames("taken.txt");
        w.fs.FailMove(std::string(w.rows().path(0)), {});
        w.Rename();

        ASSERT_EQ(w.front.reports.size(), 1u);
        const Report& report = w.front.reports[0];
        EXPECT_EQ(report.icon, MessageIcon::Warning);
        EXPECT_EQ(Spelled(report.caption), "Rename Failed");
        EXPECT_EQ(SpelledLines(report.text),
                  Lines{"Renaming failed for " + std::to_string(c.failing) + " file(s)."});
        const Lines lines = SpelledLines(report.detail);
        const int shown = std::min(c.failing, 10);
        ASSERT_EQ(lines.size(), 4u + shown + (c.failing > 10 ? 1 : 0));
        EXPECT_EQ(Lines(lines.begin(), lines.begin() + 4),
                  (Lines{"Renamed: 1", "Failed: " + std::to_string(c.failing), "",
                         "The first " + std::to_string(shown) + " failure(s):"}));
        std::string last = c.last_line;
        if (last[0] == '@') last.replace(0, 1, w.folder.path());
        EXPECT_EQ(lines.back(), last);
    }
}

// Paths dropped while a job runs wait for its end, then go in as a drop.
TEST(WindowLogic, DropWhileAJobRunsWaitsForItsEnd) {
    Window w;
    for (const char* name : {"a", "b", "c"}) w.folder.AddFile(name);
    w.Drop({"a", "b"});
    w.SetFilenames("%n-x");
    w.fs.HoldMove(1);
    w.logic.Rename();
    w.logic.Drop(w.Paths({"c"}), false);
    w.logic.Drop(w.Paths({"a-x"}), false);
    EXPECT_EQ(RowPaths(w.rows()), w.Paths({"a", "b"}));
    // Nothing but a drop waits: these are not done once the run is over.
    w.logic.SetFilenames("%n-y");
    w.logic.Undo();
    w.fs.Open();
    w.front.Settle();

    // The run is over, so the drop started a fresh list.
    EXPECT_EQ(RowPaths(w.rows()), w.Paths({"a-x", "c"}));
    EXPECT_EQ(RowMarks(w.rows()), "PP");
    EXPECT_EQ(w.rows().new_name(0), "");
    EXPECT_TRUE(w.folder.Exists("b-x"));
    EXPECT_EQ(w.front.reports.size(), 1u);
}

// Exit while a job runs stops it, and the window closes once it is over.
TEST(WindowLogic, ExitWhileAJobRunsClosesOnceItStopped) {
    Window w;
    for (const char* name : {"a", "b", "c"}) w.folder.AddFile(name);
    w.Drop({"a", "b", "c"});
    w.SetFilenames("%n-x");
    w.fs.HoldMove(1);
    w.logic.Rename();
    w.fs.WaitUntilHolding();
    EXPECT_TRUE(w.logic.progress().cancellable);
    EXPECT_FALSE(w.logic.Exit());
    EXPECT_TRUE(w.logic.progress().cancelling);
    EXPECT_FALSE(w.front.closed);
    w.fs.Open();
    w.front.Settle();
    EXPECT_TRUE(w.front.closed);
    EXPECT_EQ(RowMarks(w.rows()), "RFF");
    EXPECT_TRUE(w.front.reports.empty());
    EXPECT_TRUE(w.logic.Exit());
}

TEST(WindowLogic, JournalThatMissesARunIsTold) {
    Window w;
    w.folder.AddFile("a");
    w.Drop({"a"});
    w.SetFilenames("%n-x");
    w.fs.HoldMove(1);
    w.logic.Rename();
    // The plan is on disk; the disk fails from here on.
    w.fs.WaitUntilHolding();
    w.journal_os.Add({OsCall::Fsync, "", 0, EIO});
    w.fs.Open();
    w.front.Settle();

    EXPECT_TRUE(w.folder.Exists("a-x"));
    ASSERT_EQ(w.front.reports.size(), 1u);
    const Report& report = w.front.reports[0];
    EXPECT_EQ(report.icon, MessageIcon::Warning);
    EXPECT_EQ(Spelled(report.caption), "Finished");
    const Lines text = SpelledLines(report.text);
    ASSERT_EQ(text.size(), 5u);
    EXPECT_EQ(text[2], "The journal of this rename in " + (w.state / "journal") +
                           " misses some of it: " + std::strerror(EIO));
}

// The journal cannot be written: the question says what renaming now means,
// and No leaves the list as it was, warnings and all.
TEST(WindowLogic, RenameWithoutJournalIsAsked) {
    const std::string unwritable = "The journal of this rename cannot be written in <journal>: ";
    const struct {
        const char* name;
        bool answer;
        const char* journal;
        std::string says;
    } cases[] = {
        {"yes", true, "disk full", unwritable},
        {"no", false, "disk full", unwritable},
        {"not a folder, no", false, "a file",
         "The journal is refused: <journal> is a symbolic link, or not a"},
        {"refused, yes", true, "mode 0777",
         "The journal is refused: <journal> is open to other users"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Window w;
        w.front.answer = c.answer;
        const std::string folder = w.state / "journal";
        if (std::string(c.journal) == "a file") {
            w.state.AddFile("journal");  // where the journal folder should be
        } else if (std::string(c.journal) == "disk full") {
            w.journal_os.Add({.call = OsCall::Mkdir, .path = folder, .error = ENOSPC});
        } else {
            std::filesystem::create_directory(folder);
            std::filesystem::permissions(folder, std::filesystem::perms::all);
        }
        std::string says = c.says;
        says.replace(says.find("<journal>"), 9, folder);
        // b's new name is taken by a file that stays.
        for (const char* name : {"a", "b", "b-x"}) w.folder.AddFile(name);
        w.Drop({"a", "b"});
        w.SetFilenames("%n-x");
        ASSERT_EQ(w.front.warnings.size(), 1u);
        w.Rename();

        ASSERT_EQ(w.front.questions.size(), 1u);
        const Question& question = w.front.questions[0];
        EXPECT_EQ(Spelled(question.caption), "Rename Without Undo?");
        const Lines text = SpelledLines(question.text);
        EXPECT_EQ(text.front().substr(0, says.size()), says);
        EXPECT_EQ(text.back(), "Without it the rename cannot be undone. Rename anyway?");
        EXPECT_EQ(w.front.reports.size(), c.answer ? 1u : 0u);
        EXPECT_EQ(RowMarks(w.rows()), c.answer ? "RF" : "PP");
        EXPECT_EQ(w.folder.Exists("a"), !c.answer);
        EXPECT_EQ(w.logic.session().stale(), c.answer);
        EXPECT_TRUE(w.logic.state().rename_enabled);
        // The preview looked at the rows again.
        EXPECT_EQ(w.front.warnings.size(), c.answer ? 0u : 1u);
    }
}

TEST(WindowLogic, InterruptedRunIsOfferedBack) {
    for (const bool answer : {true, false}) {
        SCOPED_TRACE(answer);
        Window w;
        w.front.answer = answer;
        w.folder.AddFile("a.txt", "a");
        // A run that moved its file and was killed before it wrote more.
        {
            JournalStore journals = PosixJournals(SystemOs(), w.state / "journal");
            RunHeader header;
            header.rows = 1;
            header.first_folder = w.folder.path();
            JournalWriter writer;
            ASSERT_EQ(journals.Create(header, writer), 0);
            struct stat st {};
            ASSERT_EQ(::lstat((w.folder / "a.txt").c_str(), &st), 0);
            writer.Plan(w.folder / "a.txt", w.folder / "b.txt", {st.st_dev, st.st_ino});
            ASSERT_EQ(writer.SealPlan(), 0);
        }
        ASSERT_EQ(std::rename((w.folder / "a.txt").c_str(), (w.folder / "b.txt").c_str()), 0);

        w.logic.OfferUndoOfInterruptedRun();
        w.front.Settle();
        ASSERT_EQ(w.front.questions.size(), 1u);
        EXPECT_EQ(Spelled(w.front.questions[0].caption), "Interrupted Rename");
        const Lines text = SpelledLines(w.front.questions[0].text);
        ASSERT_EQ(text.size(), 3u);
        const std::string ran = " in " + w.folder.path() +
                                ", did not end: 0 of 1 files were renamed before it was cut short.";
        EXPECT_EQ(text[0].rfind("The last rename, started ", 0), 0u) << text[0];
        EXPECT_EQ(text[0].substr(text[0].size() - std::min(text[0].size(), ran.size())), ran);
        EXPECT_EQ(text[2], "Undo it now?");
        EXPECT_EQ(w.folder.Exists("a.txt"), answer);
        ASSERT_EQ(w.front.reports.size(), answer ? 1u : 0u);
        if (answer) {
            EXPECT_EQ(SpelledLines(w.front.reports[0].text),
                      Lines{"1 file(s) are back under their names."});
            EXPECT_EQ(RowPaths(w.rows()), Lines{w.folder / "a.txt"});
            EXPECT_TRUE(w.logic.state().set_filenames_enabled);
        }
    }
}

// What a row's warning says; a ring by its names, round to its row again,
// and cut short after seven names; the names as the list's syntax cuts them.
TEST(RowWords, WarningsSayWhatIsInTheWay) {
    const struct {
        const char* name;
        PathSyntax syntax;
        size_t ring;  // rows in a ring of renames; 0: the kind alone
        TargetProblemKind kind;
        const char* says;
    } cases[] = {
        {"same target", PathSyntax::Posix, 0, TargetProblemKind::SameTarget,
         "Another listed file is to get the same new path: /d/1"},
        {"same target on Windows", PathSyntax::Windows, 0, TargetProblemKind::SameTarget,
         "Another listed file is to get the same new path: C:\\d\\1"},
        {"target taken", PathSyntax::Posix, 0, TargetProblemKind::TargetTaken,
         "A file named \"n0\" already exists and no listed file moves it away"},
        {"name too long", PathSyntax::Posix, 0, TargetProblemKind::NameTooLong,
         "The new name is too long for this folder"},
        {"a ring of three", PathSyntax::Posix, 3, TargetProblemKind::Cycle,
         "These renames form a cycle, which cannot complete without replacing a file: 0 -> 1 -> "
         "2 -> 0"},
        {"a ring of three on Windows", PathSyntax::Windows, 3, TargetProblemKind::Cycle,
         "These renames form a cycle, which cannot complete without replacing a file: 0 -> 1 -> "
         "2 -> 0"},
        {"a ring of six", PathSyntax::Posix, 6, TargetProblemKind::Cycle,
         "These renames form a cycle, which cannot complete without replacing a file: 0 -> 1 -> "
         "2 -> 3 -> 4 -> 5 -> 0"},
        {"a ring of seven", PathSyntax::Posix, 7, TargetProblemKind::Cycle,
         "These renames form a cycle, which cannot complete without replacing a file: 0 -> 1 -> "
         "2 -> 3 -> 4 -> 5 -> 6 -> ..."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RenameList list(c.syntax);
        const std::string folder = c.syntax == PathSyntax::Windows ? "C:\\d\\" : "/d/";
        std::vector<std::string> paths;
        for (int i = 0; i < 8; ++i) paths.push_back(folder + std::to_string(i));
        list.InsertNew(paths);
        for (size_t row = 0; row < list.count(); ++row)
            list.SetNewName(row, "n" + std::to_string(row));
        std::vector<TargetProblem> warnings;
        const size_t rows = c.ring > 0 ? c.ring : 1;
        for (size_t row = 0; row < rows; ++row) {
            TargetProblem warning;
            warning.row = row;
            warning.other = c.ring > 0 ? (row + 1) % c.ring : 1;
            warning.kind = c.kind;
            warnings.push_back(warning);
        }
        const RowWords words(list, warnings);
        ASSERT_NE(words.WarningOf(0), nullptr);
        EXPECT_EQ(Spelled(words.Warning(*words.WarningOf(0))), c.says);
        EXPECT_EQ(Spelled(words.Status(0, nullptr)), "pending: " + std::string(c.says));
        EXPECT_EQ(words.WarningOf(rows), nullptr);
        EXPECT_EQ(Spelled(words.Status(rows, nullptr)), "pending");
    }
}

// Why a failed row was not renamed names its folder, and tells a move into
// another folder, by the separators of the list's syntax: a backslash is a
// name's own on POSIX.
TEST(RowWords, FailuresFindTheFolderByTheListsSeparators) {
    const struct {
        PathSyntax syntax;
        const char* path;
        const char* new_name;
        int error;
        const char* says;
    } cases[] = {
        {PathSyntax::Posix, "/d/a", "b", ESTALE,
         "failed: The folder /d was replaced during the rename"},
        {PathSyntax::Posix, "/d/a", "e/b", ESTALE,
         "failed: The folder /d, or the one the file was to move into, was replaced during the "
         "rename"},
        {PathSyntax::Posix, "/d/a\\b", "c\\d", ENOENT, "failed: The file is no longer there"},
        {PathSyntax::Windows, "C:\\d\\a", "b", ESTALE,
         "failed: The folder C:\\d was replaced during the rename"},
        {PathSyntax::Windows, "C:\\d\\a", "e\\b", ESTALE,
         "failed: The folder C:\\d, or the one the file was to move into, was replaced during "
         "the rename"},
        {PathSyntax::Windows, "C:/d/a", "b", ESTALE,
         "failed: The folder C:/d was replaced during the rename"},
        {PathSyntax::Windows, "C:\\d\\a", "e/b", ENOENT,
         "failed: The file, or the folder it was to move into, is not there"},
        {PathSyntax::Windows, "C:\\d\\a", "b", ENOENT, "failed: The file is no longer there"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.path) + " to " + c.new_name);
        RenameList list(c.syntax);
        list.InsertNew(std::vector<std::string>{c.path});
        list.SetNewName(0, c.new_name);
        list.SetMark(0, RowMark::Failed, c.error);
        EXPECT_EQ(Spelled(RowWords(list, {}).Status(0, nullptr)), c.says);
    }
}

}  // namespace
}  // namespace zentavo
