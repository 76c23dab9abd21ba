// What a row costs in memory once it has a path and a new name, measured as
// the allocator's bytes in use (with its own overhead) before and after.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <optional>

#include "bench/core/library_paths.h"
#include "core/code_page.h"
#include "core/rename_pattern.h"

namespace zentavo {
namespace {

constexpr size_t kRows = 1'000'000;
constexpr size_t kFolders = 1'000;

size_t BytesInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_MemoryPerRow(benchmark::State& state) {
    double bytes_per_row = 0;
    for (auto _ : state) {
        const size_t before = BytesInUse();
        std::optional<RenameList> list;
        list.emplace(LibraryList(kRows, kFolders, PathSyntax::Posix));
        SetFilenames(*list, "%<1d-%3c.%<e", CodePage(CodePage::Kind::Utf8));
        bytes_per_row = double(BytesInUse() - before) / double(kRows);
        benchmark::DoNotOptimize(list->count());
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    state.counters["bytes_per_row"] = bytes_per_row;
    state.counters["path_bytes"] = double(kLibraryPathLength);
}
BENCHMARK(BM_MemoryPerRow)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentavo
