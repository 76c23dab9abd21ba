// Adding a big drop to the list in one batch, against sorting the same paths
// by their bytes as the baseline.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "bench/core/library_paths.h"

namespace zentavo {
namespace {

constexpr size_t kPaths = 1'000'000;
constexpr size_t kFolders = 1'000;

PathSyntax SyntaxOf(const benchmark::State& state) {
    return state.range(0) == 0 ? PathSyntax::Posix : PathSyntax::Windows;
}

void BM_InsertNew(benchmark::State& state) {
    const PathSyntax syntax = SyntaxOf(state);
    const std::vector<std::string> shuffled = LibraryPaths(kPaths, kFolders, syntax);
    for (auto _ : state) {
        state.PauseTiming();
        auto batch = std::make_unique<PathBatch>();
        for (const std::string& path : shuffled) batch->Add(path);
        auto list = std::make_unique<RenameList>(syntax);
        state.ResumeTiming();
        benchmark::DoNotOptimize(list->InsertNew(std::move(*batch)));
        state.PauseTiming();
        list.reset();
        batch.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertNew)->ArgName("windows")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SortBaseline(benchmark::State& state) {
    const std::vector<std::string> shuffled = LibraryPaths(kPaths, kFolders, SyntaxOf(state));
    for (auto _ : state) {
        state.PauseTiming();
        auto batch = std::make_unique<std::vector<std::string>>(shuffled);
        state.ResumeTiming();
        std::sort(batch->begin(), batch->end());
        benchmark::DoNotOptimize(batch->data());
        state.PauseTiming();
        batch.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortBaseline)->ArgName("windows")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentavo
