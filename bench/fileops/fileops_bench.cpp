// Collection and rename runs through PosixFileSystem, each against a
// baseline timed in the same repetition on the same files: `find -type f`
// for the collection, a plain loop of renameat2 calls for the renames. The
// rename runs write their journal, on the same disk, as every run does. Every
// repetition reports its own time, the baseline's (baseline_s) and their
// ratio; read the medians. Nothing here asserts a time. The collection also
// reports the walk alone (walk_ratio): the drop adds the sorted insertion of
// every path into the rename list.
#include <benchmark/benchmark.h>
#include <fcntl.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/fileops/bench_folder.h"
#include "engine/file_collection.h"
#include "journal/journal_store.h"
#include "posix/os.h"
#include "posix/posix_file_system.h"
#include "posix/posix_journal_storage.h"
#include "session/rename_session.h"

namespace zentavo {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTreeFolders = 1000;
constexpr int kFilesPerFolder = 100;
constexpr int kFlatFiles = 100000;
constexpr int kChainFiles = 10000;
constexpr int kRepetitions = 5;
const CodePage kPage(CodePage::Kind::Utf8);

// The journal folder of every benchmarked run.
JournalStore& Journals() {
    static BenchFolder folder;
    static JournalStore journals = PosixJournals(SystemOs(), folder.path() + "/journal");
    return journals;
}

void Report(benchmark::State& state, double seconds, double baseline) {
    state.SetIterationTime(seconds);
    state.counters["baseline_s"] = baseline;
    state.counters["ratio"] = seconds / baseline;
}

// 10 folders of 100 folders of 100 files each.
const BenchFolder& Tree() {
    static const auto tree = [] {
        auto folder = std::make_unique<BenchFolder>();
        for (int top = 0; top < kTreeFolders / 100; ++top) {
            const std::string upper = folder->path() + "/" + NumberedName("d", top, 2);
            std::filesystem::create_directory(upper);
            for (int sub = 0; sub < 100; ++sub) {
                const std::string lower = upper + "/" + NumberedName("s", sub, 2);
                std::filesystem::create_directory(lower);
                for (int file = 0; file < kFilesPerFolder; ++file)
                    CreateEmptyFile(lower + "/" + NumberedName("file", file, 3) + ".jpg");
            }
        }
        return folder;
    }();
    return *tree;
}

void BM_CollectTree(benchmark::State& state) {
    const std::string root = Tree().path();
    for (auto _ : state) {
        const double baseline = TimeFind(root);
        PosixFileSystem fs;
        RenameSession session(fs, kPage);
        const auto start = Clock::now();
        const DropOutcome outcome = session.Drop({root}, true);
        const double seconds = SecondsSince(start);
        if (outcome.added != size_t{kTreeFolders} * kFilesPerFolder) {
            state.SkipWithError("the drop did not find every file");
            return;
        }
        // The walk alone, without the sorted insertion into the list.
        Gathered gathered;
        const auto walk_start = Clock::now();
        GatherFiles(fs, root, true, gathered);
        state.counters["walk_ratio"] = SecondsSince(walk_start) / baseline;
        Report(state, seconds, baseline);
    }
}

struct FlatFolder {
    BenchFolder folder;
    std::vector<std::string> a_paths;
    std::vector<std::string> b_paths;
};

const FlatFolder& Flat() {
    static const auto flat = [] {
        auto made = std::make_unique<FlatFolder>();
        for (int i = 0; i < kFlatFiles; ++i) {
            made->a_paths.push_back(made->folder.path() + "/" + NumberedName("a", i, 6));
            made->b_paths.push_back(made->folder.path() + "/" + NumberedName("b", i, 6));
            CreateEmptyFile(made->a_paths.back());
        }
        return made;
    }();
    return *flat;
}

bool RenameAll(const std::vector<std::string>& from, const std::vector<std::string>& to) {
    bool all = true;
    for (size_t i = 0; i < from.size(); ++i)
        all &=
            ::renameat2(AT_FDCWD, from[i].c_str(), AT_FDCWD, to[i].c_str(), RENAME_NOREPLACE) == 0;
    return all;
}

// The loop moves a* to b*, the rename run moves them back: the same files,
// names of the same length, in the same order.
void BM_RenameFolder(benchmark::State& state) {
    const FlatFolder& flat = Flat();
    for (auto _ : state) {
        auto start = Clock::now();
        const bool moved = RenameAll(flat.a_paths, flat.b_paths);
        const double baseline = SecondsSince(start);

        PosixFileSystem fs;
        RenameSession session(fs, kPage);
        session.Drop({flat.folder.path()}, false);
        RenameList& list = session.list();
        for (size_t row = 0; row < list.count(); ++row) {
            const std::string_view path = list.path(row);
            list.SetNewName(row, "a" + std::string(path.substr(path.size() - 6)));
        }
        start = Clock::now();
        const RenameOutcome outcome = session.Rename({}, &Journals());
        const double seconds = SecondsSince(start);
        if (!moved || outcome.renamed != size_t{kFlatFiles}) {
            state.SkipWithError("not every file was renamed");
            return;
        }
        Report(state, seconds, baseline);
    }
}

struct ChainFolder {
    BenchFolder folder;
    std::vector<std::string> paths;  // f00000 .. f10000
};

const ChainFolder& Chain() {
    static const auto chain = [] {
        auto made = std::make_unique<ChainFolder>();
        for (int i = 0; i <= kChainFiles; ++i)
            made->paths.push_back(made->folder.path() + "/" + NumberedName("f", i, 5));
        for (int i = 0; i < kChainFiles; ++i) CreateEmptyFile(made->paths[i]);
        return made;
    }();
    return *chain;
}

// Moves every file one number up, last first, as someone who knows the
// order would; returns whether all moved.
bool ShiftUp(const ChainFolder& chain) {
    bool all = true;
    for (int i = kChainFiles - 1; i >= 0; --i)
        all &= ::renameat2(AT_FDCWD, chain.paths[i].c_str(), AT_FDCWD, chain.paths[i + 1].c_str(),
                           RENAME_NOREPLACE) == 0;
    return all;
}

bool ShiftDown(const ChainFolder& chain) {
    bool all = true;
    for (int i = 0; i < kChainFiles; ++i)
        all &= ::renameat2(AT_FDCWD, chain.paths[i + 1].c_str(), AT_FDCWD, chain.paths[i].c_str(),
                           RENAME_NOREPLACE) == 0;
    return all;
}

// The rename run meets the rows in ascending order, so it has to discover
// the chain: the first pass moves only the last file.
void BM_RenumberChain(benchmark::State& state) {
    const ChainFolder& chain = Chain();
    for (auto _ : state) {
        auto start = Clock::now();
        bool moved = ShiftUp(chain);
        const double baseline = SecondsSince(start);
        moved &= ShiftDown(chain);

        PosixFileSystem fs;
        RenameSession session(fs, kPage);
        session.Drop({chain.folder.path()}, false);
        RenameList& list = session.list();
        for (size_t row = 0; row < list.count(); ++row)
            list.SetNewName(row, NumberedName("f", static_cast<int>(row) + 1, 5));
        start = Clock::now();
        const RenameOutcome outcome = session.Rename({}, &Journals());
        const double seconds = SecondsSince(start);
        moved &= ShiftDown(chain);
        if (!moved || outcome.renamed != size_t{kChainFiles}) {
            state.SkipWithError("not every file was renamed");
            return;
        }
        Report(state, seconds, baseline);
    }
}

BENCHMARK(BM_CollectTree)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(kRepetitions)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameFolder)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(kRepetitions)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenumberChain)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(kRepetitions)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentavo
