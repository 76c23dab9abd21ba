// Naming a whole list: the work behind "&Set Filenames".
#include <benchmark/benchmark.h>

#include "bench/core/library_paths.h"
#include "core/code_page.h"
#include "core/rename_pattern.h"

namespace zentavo {
namespace {

constexpr size_t kRows = 1'000'000;
constexpr size_t kFolders = 1'000;

struct Setting {
    PathSyntax syntax;
    CodePage::Kind kind;
};

// The native setting first; a double-byte page walks every search character
// by character.
constexpr Setting kSettings[] = {
    {PathSyntax::Posix, CodePage::Kind::Utf8},
    {PathSyntax::Windows, CodePage::Kind::SingleByte},
    {PathSyntax::Windows, CodePage::Kind::ShiftJis},
};

void BM_SetFilenames(benchmark::State& state) {
    const Setting setting = kSettings[state.range(0)];
    const CodePage page(setting.kind);
    RenameList list = LibraryList(kRows, kFolders, setting.syntax);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SetFilenames(list, "%<1d-%3c.%<e", page));
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(kRows));
    // Seconds per row, shown with an SI prefix (n for nanoseconds).
    state.counters["time_per_row"] = benchmark::Counter(
        double(kRows), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SetFilenames)
    ->ArgName("setting")
    ->DenseRange(0, std::size(kSettings) - 1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentavo
