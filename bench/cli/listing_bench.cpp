// The preview listing a script would ask for, `zentavo-cli --tsv -r -p
// PATTERN DIR`, against `find DIR -type f`: whole processes on the same tree,
// run one after the other in each repetition (which goes first alternates).
// Every repetition reports the listing's wall time, find's (find_s), their
// ratio, the ratio of their CPU times (cpu_ratio, steadier on a busy machine)
// and the listing's peak resident memory per row (bytes_per_row); read the
// medians. path_bytes is the mean length of a listed path.
// $ZENTAVO_BENCH_CLI names another zentavo-cli to measure, an older build say.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/fileops/bench_folder.h"

namespace zentavo {
namespace {

constexpr int kFolders = 1000;
constexpr int kRepetitions = 7;
constexpr const char* kPattern = "%<1d-%3c.%<e";

struct Tree {
    BenchFolder folder;
    size_t files = 0;
    double path_bytes = 0;
    bool warm = false;  // listed once already, so both programs meet a warm cache
};

// kFolders folders of files_per_folder empty files, made once per size.
Tree& TreeOf(int files_per_folder) {
    static std::map<int, std::unique_ptr<Tree>> trees;
    std::unique_ptr<Tree>& tree = trees[files_per_folder];
    if (tree) return *tree;
    tree = std::make_unique<Tree>();
    size_t path_bytes = 0;
    for (int folder = 0; folder < kFolders; ++folder) {
        const std::string dir = tree->folder.path() + "/" + NumberedName("d", folder, 3);
        std::filesystem::create_directory(dir);
        for (int file = 0; file < files_per_folder; ++file) {
            const std::string path = dir + "/" + NumberedName("IMG_", file, 6) + ".jpg";
            CreateEmptyFile(path);
            path_bytes += path.size();
            ++tree->files;
        }
    }
    tree->path_bytes = double(path_bytes) / double(tree->files);
    return *tree;
}

void BM_ListingAgainstFind(benchmark::State& state) {
    Tree& tree = TreeOf(int(state.range(0)));
    const std::vector<std::string> find = FindFiles(tree.folder.path());
    const char* other_cli = std::getenv("ZENTAVO_BENCH_CLI");
    const std::vector<std::string> listing = {
        other_cli != nullptr && *other_cli != '\0' ? other_cli : ZENTAVO_CLI,
        "--tsv",
        "-r",
        "-p",
        kPattern,
        tree.folder.path()};
    if (!tree.warm) {
        RunProcess(find);
        RunProcess(listing);
        tree.warm = true;
    }
    static bool listing_first = false;
    for (auto _ : state) {
        ProcessCost baseline;
        ProcessCost cost;
        if (listing_first) {
            cost = RunProcess(listing);
            baseline = RunProcess(find);
        } else {
            baseline = RunProcess(find);
            cost = RunProcess(listing);
        }
        listing_first = !listing_first;
        state.SetIterationTime(cost.seconds);
        state.counters["find_s"] = baseline.seconds;
        state.counters["ratio"] = cost.seconds / baseline.seconds;
        state.counters["cpu_ratio"] = cost.cpu_seconds / baseline.cpu_seconds;
        state.counters["bytes_per_row"] = double(cost.max_rss_bytes) / double(tree.files);
        state.counters["path_bytes"] = tree.path_bytes;
    }
}
BENCHMARK(BM_ListingAgainstFind)
    ->ArgName("files_per_folder")
    ->Arg(100)
    ->Arg(1000)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(kRepetitions)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentavo
