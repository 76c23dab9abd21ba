// What the window adds to the core's work, for a folder of 100,000 files:
// from the drop to the painted list, and from "Set Filenames" to the painted
// list, each against the same work done by the core alone. Prints the
// medians and their ratios.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "app/renamer_dlg.h"
#include "bench/fileops/bench_folder.h"
#include "core/code_page.h"
#include "core/rename_pattern.h"
#include "posix/posix_file_system.h"
#include "session/rename_session.h"

namespace {

using namespace zentavo;

constexpr int kFiles = 100000;
constexpr char kPattern[] = "%<1d-%3c.%<e";
// The window and the core alone name the files under the same page.
const CodePage kPage(CodePage::Kind::Utf8);

const BenchFolder* folder = nullptr;

void DropOn(QWidget* window, const std::string& path) {
    QMimeData data;
    data.setData("text/uri-list",
                 "file://" + QByteArray::fromStdString(path).toPercentEncoding("/") + "\r\n");
    const QPoint at = window->rect().center();
    // The window becomes the drop target when it accepts the drag's entry.
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
}

std::unique_ptr<CRenamerDlg> ShownWindow() {
    auto window = std::make_unique<CRenamerDlg>(kPage);
    window->show();
    QApplication::processEvents();
    return window;
}

// The window does long work beside its event loop: runs the loop until the
// work is over.
void WaitUntilIdle(const CRenamerDlg& window) {
    while (window.busy()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void PaintList(CRenamerDlg& window) {
    window.findChild<QAbstractItemView*>("renameList")->viewport()->repaint();
}

void BM_CoreDrop(benchmark::State& state) {
    for (auto _ : state) {
        PosixFileSystem fs;
        RenameSession session(fs, kPage);
        benchmark::DoNotOptimize(session.Drop({folder->path()}, false));
    }
}

void BM_WindowDrop(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<CRenamerDlg> window = ShownWindow();
        state.ResumeTiming();
        DropOn(window.get(), folder->path());
        WaitUntilIdle(*window);
        PaintList(*window);
        state.PauseTiming();
        const bool all_listed = window->session().list().count() == size_t(kFiles);
        window.reset();
        state.ResumeTiming();
        if (!all_listed) {
            state.SkipWithError("the drop did not list every file");
            break;
        }
    }
}

void BM_CoreSetFilenames(benchmark::State& state) {
    PosixFileSystem fs;
    RenameSession session(fs, kPage);
    session.Drop({folder->path()}, false);
    for (auto _ : state) benchmark::DoNotOptimize(SetFilenames(session.list(), kPattern, kPage));
}

void BM_WindowSetFilenames(benchmark::State& state) {
    std::unique_ptr<CRenamerDlg> window = ShownWindow();
    DropOn(window.get(), folder->path());
    WaitUntilIdle(*window);
    window->findChild<QComboBox*>("patternBox")->lineEdit()->setText(kPattern);
    auto* button = window->findChild<QPushButton*>("setFilenamesButton");
    for (auto _ : state) {
        button->click();
        WaitUntilIdle(*window);
        PaintList(*window);
    }
}

BENCHMARK(BM_CoreDrop)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_WindowDrop)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CoreSetFilenames)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_WindowSetFilenames)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// Keeps the median real time of every benchmark beside the usual output.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    const BenchFolder files;
    CreateImageFiles(files.path(), kFiles);
    folder = &files;

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto ratio = [&](const char* window, const char* core) {
        const auto w = reporter.medians.find(window);
        const auto c = reporter.medians.find(core);
        if (w == reporter.medians.end() || c == reporter.medians.end()) return;
        std::printf("%-22s median %8.2f ms, core alone %8.2f ms: %.2fx (target under 1.5x)\n",
                    window, w->second, c->second, w->second / c->second);
    };
    std::printf("\n%d files in one folder:\n", kFiles);
    ratio("BM_WindowDrop", "BM_CoreDrop");
    ratio("BM_WindowSetFilenames", "BM_CoreSetFilenames");
    return 0;
}
