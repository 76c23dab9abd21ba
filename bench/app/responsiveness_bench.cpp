// How the window answers while it drops, names, renames many files and undoes
// the rename, on a real X display: a probe pings it as a window manager does (_NET_WM_PING)
// and keeps the longest time it went unanswered. Each step is measured twice
// in the same run: as the work was done before, on the window's own thread
// (a list view over the same session and model), and by the window itself.
// Every rename keeps a journal, as the window's do. Optionally times
// zentavo-cli doing the same work, and the process's peak memory, each step's
// (beside the heap in use as it began) and the whole session's per row. Run
// it through run-responsiveness, which starts Xvfb and openbox:
//   zentavo_responsiveness_bench FILES REPETITIONS [--no-baseline] [--cli ZENTAVO_CLI]
#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/message_boxes.h"
#include "app/rename_list_model.h"
#include "app/rename_list_view.h"
#include "app/renamer_dlg.h"
#include "bench/app/ping_probe.h"
#include "bench/fileops/bench_folder.h"
#include "core/code_page.h"
#include "core/rename_pattern.h"
#include "engine/target_check.h"
#include "journal/journal_store.h"
#include "journal/undo_run.h"
#include "posix/large_blocks.h"
#include "posix/os.h"
#include "posix/posix_file_system.h"
#include "posix/posix_journal_storage.h"
#include "session/rename_session.h"

extern char** environ;

namespace {

using namespace zentavo;
using bench::PingProbe;
using Clock = std::chrono::steady_clock;

// The window and the work as done before name the files under the same page.
const CodePage kPage(CodePage::Kind::Utf8);

class QuietBoxes : public MessageBoxes {
public:
    void Show(QWidget*, MessageIcon, const QString&, const QString& text, const QString&) override {
        last = text;
    }
    bool Ask(QWidget*, const QString&, const QString&) override { return true; }
    QString last;
};

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// The process's memory in bytes: resident now, or at its peak.
size_t Memory(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0)
            return size_t(std::atoll(line.c_str() + std::strlen(field))) * 1024;
    }
    return 0;
}

// Runs the event loop until done says so, looking every few milliseconds.
void RunUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer look;
    look.setInterval(2);
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (done()) loop.quit();
    });
    look.start();
    if (!done()) loop.exec();
}

// Keeps the event loop running for a while, as a user's pause.
void Idle(double seconds) {
    const Clock::time_point until = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                       std::chrono::duration<double>(seconds));
    RunUntil([&] { return Clock::now() >= until; });
}

struct Step {
    double seconds = 0;
    double gap = 0;
    size_t start = 0;  // resident as the step began: what earlier steps left
    size_t heap = 0;   // of it, the heap in use: what is live rather than kept
    size_t peak = 0;   // of the process while the step ran
};

struct Steps {
    Step drop, names, check, rename, undo;
    size_t paints = 0;  // of the list while the files were renamed
};

// The steps as the figures name them, in the order they run.
constexpr const char* kStepNames[] = {"drop", "names", "check", "rename", "undo"};

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    size_t paints = 0;
};

// Starts the process's peak memory afresh from what it holds now, so that
// each step's peak is its own.
void ResetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// A probe that never reached the display would report a window that never
// kept it waiting.
void RequireConnected(const PingProbe& probe) {
    if (!probe.connected()) throw std::runtime_error("the probe cannot reach the X display");
}

template <typename Work>
Step Measure(PingProbe& probe, Work&& work) {
    ResetPeakMemory();
    const size_t resident = Memory("VmRSS:");
    const struct mallinfo2 heap = mallinfo2();
    const Clock::time_point start = Clock::now();
    work();
    const Clock::time_point end = Clock::now();
    // The probe's last answer may still be on its way.
    Idle(0.05);
    return {Seconds(start, end), probe.LongestGapSeconds(start, end), resident,
            heap.uordblks + heap.hblkhd, Memory("VmHWM:")};
}

// The work as the window did it before: on its own thread, the list shown by
// the same model in a view of the window's size.
Steps Before(const std::string& folder, const std::string& pattern, const QSize& size) {
    PosixFileSystem fs;
    RenameSession session(fs, kPage);
    RenameListView view;
    RenameListModel model(session.list(), kPage);
    view.setModel(&model);
    view.resize(size);
    view.show();
    Idle(0.3);
    PingProbe probe(uint32_t(view.winId()), std::chrono::milliseconds(5));
    Idle(0.1);
    RequireConnected(probe);
    Steps steps;
    steps.drop = Measure(probe, [&] {
        model.ReplaceRows([&] { session.Drop({folder}, false); });
        view.viewport()->repaint();
    });
    steps.names = Measure(probe, [&] {
        SetFilenames(session.list(), pattern, kPage);
        model.RowsRewritten();
        view.viewport()->repaint();
    });
    steps.check = Measure(probe, [&] { CheckTargets(fs, session.list(), kPage); });
    JournalStore journals = PosixJournals(SystemOs(), DefaultJournalFolder());
    steps.rename = Measure(probe, [&] {
        session.Rename({}, &journals);
        model.RowsRewritten();
        view.viewport()->repaint();
    });
    steps.undo = Measure(probe, [&] {
        UndoOutcome outcome;
        int error = 0;
        model.ReplaceRows([&] { error = session.Undo(journals, {}, outcome); });
        view.viewport()->repaint();
        if (error != 0 || !outcome.problems.empty())
            throw std::runtime_error("the undo did not bring every file back");
    });
    return steps;
}

Steps Window(const std::string& folder, const std::string& pattern) {
    // What earlier repetitions freed goes back to the system first, so that
    // this session starts as a fresh process would.
    malloc_trim(0);
    CRenamerDlg window(kPage);
    window.show();
    Idle(0.3);
    PingProbe probe(uint32_t(window.winId()), std::chrono::milliseconds(5));
    Idle(0.1);
    RequireConnected(probe);
    const auto idle = [&] { RunUntil([&] { return !window.busy(); }); };
    Steps steps;
    steps.drop = Measure(probe, [&] {
        window.OnDropFiles({folder});
        idle();
    });
    window.findChild<QComboBox*>("patternBox")
        ->lineEdit()
        ->setText(QString::fromStdString(pattern));
    steps.names = Measure(probe, [&] {
        window.findChild<QPushButton*>("setFilenamesButton")->click();
        idle();
    });
    steps.check = Measure(probe, [&] { RunUntil([&] { return !window.checking(); }); });
    PaintCounter paints(window.findChild<RenameListView*>("renameList")->viewport());
    steps.rename = Measure(probe, [&] {
        window.findChild<QPushButton*>("renameButton")->click();
        idle();
    });
    steps.paints = paints.paints;
    steps.undo = Measure(probe, [&] {
        window.findChild<QAction*>("undoAction")->trigger();
        idle();
    });
    // The files that came back are a fresh list of rows still to rename.
    const RenameList& rows = window.session().list();
    if (rows.count() == 0 || rows.mark(0) != RowMark::Pending)
        throw std::runtime_error("the window's undo brought no file back");
    return steps;
}

// Runs zentavo-cli with args, its output thrown away; returns the seconds.
double RunCli(const std::string& cli, std::vector<std::string> args) {
    args.insert(args.begin(), cli);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, cli.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        throw std::runtime_error(cli + " did not do its work");
    return Seconds(start, Clock::now());
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Max(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

}  // namespace

int main(int argc, char** argv) {
    // As the window's own program starts.
    GiveLargeBlocksBack();
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FILES REPETITIONS [--no-baseline] [--cli ZENTAVO_CLI]\n",
                     argv[0]);
        return 2;
    }
    const size_t files = std::strtoull(argv[1], nullptr, 10);
    const int repetitions = std::atoi(argv[2]);
    bool baseline = true;
    std::string cli;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-baseline") == 0) baseline = false;
        if (std::strcmp(argv[i], "--cli") == 0 && i + 1 < argc) cli = argv[++i];
    }
    QuietBoxes boxes;
    InstallMessageBoxes(&boxes);
    const size_t before_files = Memory("VmRSS:");
    const BenchFolder folder;
    CreateImageFiles(folder.path(), int(files));
    std::printf("%zu files in %s; resident at start %.1f MB\n", files, folder.path().c_str(),
                double(before_files) / 1e6);

    std::map<std::string, std::vector<double>> seconds, gaps, peaks;
    std::vector<double> paints;
    const auto keep = [&](const std::string& who, const Steps& steps) {
        const std::pair<const char*, const Step*> named[] = {
            {"drop", &steps.drop},     {"names", &steps.names}, {"check", &steps.check},
            {"rename", &steps.rename}, {"undo", &steps.undo}};
        for (const auto& [name, step] : named) {
            seconds[who + " " + name].push_back(step->seconds);
            gaps[who + " " + name].push_back(step->gap);
            peaks[who + " " + name].push_back(double(step->peak));
        }
    };
    const QSize size = CRenamerDlg(kPage).size();
    int round = 0;
    try {
        for (int rep = 0; rep < repetitions; ++rep) {
            // Every step renames every file: each one gives them new names.
            const auto pattern = [&] { return "r" + std::to_string(round++) + "-%7c.%<e"; };
            if (baseline) keep("before", Before(folder.path(), pattern(), size));
            const Steps window = Window(folder.path(), pattern());
            keep("window", window);
            paints.push_back(double(window.paints));
            if (!cli.empty()) {
                seconds["cli preview"].push_back(
                    RunCli(cli, {"--tsv", "-p", pattern(), folder.path()}));
                seconds["cli rename"].push_back(
                    RunCli(cli, {"-x", "--tsv", "-p", pattern(), folder.path()}));
            }
            std::printf(
                "repetition %d done; the window's memory by step, MB at its start (heap in use) "
                "-> peak:",
                rep + 1);
            const Step* window_steps[] = {&window.drop, &window.names, &window.check,
                                          &window.rename, &window.undo};
            for (size_t step = 0; step < std::size(kStepNames); ++step)
                std::printf(" %s %.1f (%.1f) -> %.1f%s", kStepNames[step],
                            double(window_steps[step]->start) / 1e6,
                            double(window_steps[step]->heap) / 1e6,
                            double(window_steps[step]->peak) / 1e6,
                            step + 1 < std::size(kStepNames) ? "," : ";");
            std::printf(" last summary: %s\n", qPrintable(boxes.last));
            std::fflush(stdout);
        }
    } catch (const std::exception& failure) {
        // Returning, not exiting, so that the files go with their folder.
        std::fprintf(stderr, "no figures: %s\n", failure.what());
        return 1;
    }

    std::printf("\nmedians of %d repetition(s), %zu files:\n", repetitions, files);
    std::printf("%-8s %12s %12s %8s %14s %14s\n", "step", "window s", "before s", "ratio",
                "window gap s", "before gap s");
    for (const char* step : kStepNames) {
        const double window = Median(seconds[std::string("window ") + step]);
        const double before = Median(seconds[std::string("before ") + step]);
        std::printf("%-8s %12.3f %12.3f %8.2f %14.3f %14.3f\n", step, window, before,
                    before > 0 ? window / before : 0.0, Max(gaps[std::string("window ") + step]),
                    Max(gaps[std::string("before ") + step]));
    }
    double window_total = 0, before_total = 0;
    for (const char* step : {"drop", "names", "rename"}) {
        window_total += Median(seconds[std::string("window ") + step]);
        before_total += Median(seconds[std::string("before ") + step]);
    }
    std::printf("drop + names + rename: window %.3f s, before %.3f s, ratio %.2f\n", window_total,
                before_total, before_total > 0 ? window_total / before_total : 0.0);
    std::printf("the list repainted %.0f times while the files were renamed (median)\n",
                Median(paints));
    if (!cli.empty()) {
        const double preview = Median(seconds["cli preview"]);
        const double rename = Median(seconds["cli rename"]);
        const double window_preview =
            Median(seconds["window drop"]) + Median(seconds["window names"]);
        std::printf(
            "zentavo-cli: list and name %.3f s (window drop + names %.3f s, %.2fx); "
            "list, name and rename %.3f s (window %.3f s, %.2fx)\n",
            preview, window_preview, window_preview / preview, rename, window_total,
            window_total / rename);
    }
    std::printf("peak resident during the window's (median)");
    for (const char* step : kStepNames)
        std::printf(" %s %.1f MB", step, Median(peaks[std::string("window ") + step]) / 1e6);
    std::printf("\n");
    // Each step's peak starts from what the process held as it began, so the
    // largest of a repetition is its whole session's.
    std::vector<double> sessions(peaks["window drop"].size(), 0);
    for (const char* step : kStepNames)
        for (size_t rep = 0; rep < sessions.size(); ++rep)
            sessions[rep] = std::max(sessions[rep], peaks[std::string("window ") + step][rep]);
    const double session = Median(sessions);
    std::printf(
        "the window's whole session (drop, names, check, rename, undo), median: peak %.1f MB, "
        "%.0f bytes per row (%.0f without the %.1f MB at start); largest %.1f MB\n",
        session / 1e6, session / double(files), (session - double(before_files)) / double(files),
        double(before_files) / 1e6, Max(sessions) / 1e6);
    size_t peak = std::max(Memory("VmHWM:"), size_t(Max(sessions)));
    for (const char* step : kStepNames)
        peak = std::max(peak, size_t(Max(peaks[std::string("before ") + step])));
    std::printf("peak resident %.1f MB: %.0f bytes per row (%.0f without the %.1f MB at start)\n",
                double(peak) / 1e6, double(peak) / double(files),
                double(peak - before_files) / double(files), double(before_files) / 1e6);
    return 0;
}
