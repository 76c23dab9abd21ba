// Looking one path up in a big list, as every dropped file is.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/core/library_paths.h"

namespace zentavo {
namespace {

constexpr size_t kRows = 1'000'000;
constexpr size_t kFolders = 1'000;
constexpr size_t kProbes = 4096;

// range(0): 0 POSIX, 1 Windows; range(1): 1 the path is listed, 0 it is not.
void BM_Find(benchmark::State& state) {
    const PathSyntax syntax = state.range(0) == 0 ? PathSyntax::Posix : PathSyntax::Windows;
    const bool listed = state.range(1) == 1;
    const RenameList list = LibraryList(kRows, kFolders, syntax);
    std::vector<std::string> probes = LibraryPaths(kProbes, kFolders, syntax, 2);
    for (std::string& probe : probes) {
        // Windows finds a listed file in any letter case.
        if (syntax == PathSyntax::Windows) probe[probe.size() - 2] = 'p';
        if (!listed) probe.back() = '~';
    }
    size_t next = 0;
    size_t found = 0;
    for (auto _ : state) {
        found += list.Find(probes[next]).has_value();
        next = (next + 1) % kProbes;
    }
    if (found != (listed ? size_t(state.iterations()) : 0)) state.SkipWithError("wrong result");
}
BENCHMARK(BM_Find)->ArgNames({"windows", "listed"})->ArgsProduct({{0, 1}, {1, 0}});

}  // namespace
}  // namespace zentavo
