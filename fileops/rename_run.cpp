#include "fileops/rename_run.h"

#include <algorithm>
#include <cerrno>
#include <functional>

#include "core/path_parts.h"
#include "fileops/lexical_path.h"

namespace zentavo {

namespace {

constexpr size_t kProgressEvery = 4096;

}  // namespace

std::string RenameTarget(std::string_view path, std::string_view new_name, PathSyntax syntax,
                         const CodePage& page) {
    const size_t last = page.FindLastOf(path, Separators(syntax));
    std::string target(last == std::string_view::npos ? "." : path.substr(0, last));
    AppendPathName(target, new_name, syntax, page);
    return target;
}

int UnusableName(std::string_view new_name) {
    if (new_name.empty() || new_name.find('\0') != std::string_view::npos) return EINVAL;
    return NameTooLong(new_name) ? ENAMETOOLONG : 0;
}

bool RunWillTry(const RenameList& list, size_t row) {
    return list.mark(row) == RowMark::Pending && UnusableName(list.new_name(row)) == 0;
}

RenameRun::RenameRun(FileSystem& fs, RenameList& list, const CodePage& page, Progress progress,
                     std::string run_token)
    : fs_(fs),
      list_(list),
      page_(page),
      progress_(std::move(progress)),
      run_token_(std::move(run_token)),
      log_(nullptr),
      targets_(nullptr),
      last_error_(list.count(), 0),
      gives_up_(list.count(), false),
      armed_now_(list.count(), false),
      armed_next_(list.count(), false) {}

RenameRun::RenameRun(FileSystem& fs, RenameList& list, const CodePage& page, Progress progress,
                     MoveLog& log, std::string run_token, std::vector<uint32_t> plan_rows,
                     const std::vector<std::string>* targets)
    : fs_(fs),
      list_(list),
      page_(page),
      progress_(std::move(progress)),
      run_token_(std::move(run_token)),
      log_(&log),
      targets_(targets),
      plan_rows_(std::move(plan_rows)),
      last_error_(list.count(), 0),
      gives_up_(list.count(), false),
      armed_now_(list.count(), false),
      armed_next_(list.count(), false) {}

std::string RenameRun::Key(std::string_view path) const {
    // Waiting rows are found by the spelling of a path; the lexical form makes
    // "dir/./a" and "dir//a" meet "dir/a". Spellings that still differ are
    // caught by the full pass that closes every run.
    return LexicalKey(path, list_.syntax());
}

void RenameRun::Wait(const std::string& key, size_t row) {
    waiting_[key].push_back(row);
}

void RenameRun::Wake(const std::string& key) {
    if (waiting_.empty()) return;
    const auto it = waiting_.find(key);
    if (it == waiting_.end()) return;
    for (size_t row : it->second) {
        if (list_.mark(row) != RowMark::Pending || gives_up_[row]) continue;
        if (row > cursor_) {
            // Still ahead in this pass: a full pass reaches it anyway.
            if (in_full_pass_ || armed_now_[row]) continue;
            armed_now_[row] = true;
            woken_now_.push_back(row);
            std::push_heap(woken_now_.begin(), woken_now_.end(), std::greater<>());
        } else if (!armed_next_[row]) {
            armed_next_[row] = true;
            woken_next_.push_back(row);
        }
    }
    waiting_.erase(it);
}

void RenameRun::Try(size_t row) {
    cursor_ = row;
    if (progress_ && ++tries_ % kProgressEvery == 0) progress_(renamed_, list_.count());

    const std::string path(list_.path(row));
    if (const int error = UnusableName(list_.new_name(row)); error != 0) {
        last_error_[row] = error;
        gives_up_[row] = true;
        return;
    }
    const std::string target = TargetOf(row);
    const size_t scratch_row = log_ ? plan_rows_[row] : row;
    const MoveResult moved = fs_.MoveNoReplace(path, target, ScratchName(run_token_, scratch_row));
    if (!moved.left_at.empty() || !moved.saved_other.empty())
        notes_.push_back({row, moved.left_at, moved.saved_other});
    if (log_ && (moved.error == 0 || !moved.left_at.empty())) log_->Moved(plan_rows_[row], moved);
    const int error = moved.error;
    last_error_[row] = error;
    if (error == 0) {
        list_.SetMark(row, RowMark::Renamed);
        ++renamed_in_pass_;
        ++renamed_;
        // A run of few files may still be slow (copies to another disk):
        // its every move is told.
        if (progress_ && renamed_ <= kProgressEvery) progress_(renamed_, list_.count());
        if (!waiting_.empty()) {
            Wake(Key(path));
            Wake(Key(target));
        }
        return;
    }
    if (error == EEXIST) {
        Wait(Key(target), row);
    } else if (error == ENOENT) {
        // The file may yet arrive at its path, moved there by another row.
        Wait(Key(path), row);
    }
}

std::string RenameRun::TargetOf(size_t row) const {
    if (targets_) return (*targets_)[row];
    return RenameTarget(list_.path(row), list_.new_name(row), list_.syntax(), page_);
}

size_t RenameRun::RenamePass() {
    renamed_in_pass_ = 0;
    if (next_pass_ == Pass::Full) {
        in_full_pass_ = true;
        for (size_t row = 0; row < list_.count() && !stop_.stop_requested(); ++row) {
            if (list_.mark(row) == RowMark::Pending && !gives_up_[row]) Try(row);
        }
        in_full_pass_ = false;
    } else {
        woken_now_.swap(woken_next_);
        woken_next_.clear();
        std::make_heap(woken_now_.begin(), woken_now_.end(), std::greater<>());
        for (size_t row : woken_now_) {
            armed_next_[row] = false;
            armed_now_[row] = true;
        }
        while (!woken_now_.empty() && !stop_.stop_requested()) {
            std::pop_heap(woken_now_.begin(), woken_now_.end(), std::greater<>());
            const size_t row = woken_now_.back();
            woken_now_.pop_back();
            armed_now_[row] = false;
            if (list_.mark(row) == RowMark::Pending && !gives_up_[row]) Try(row);
        }
    }
    // Nothing woken for the next pass does not prove it would rename nothing:
    // a target may have been vacated under another spelling. A full pass
    // settles it, and only a full pass may end the run.
    next_pass_ = woken_next_.empty() ? Pass::Full : Pass::Woken;
    return renamed_in_pass_;
}

RenameOutcome RenameRun::Run() {
    while (!stop_.stop_requested()) {
        const Pass pass = next_pass_;
        const size_t renamed = RenamePass();
        if (renamed == 0 && pass == Pass::Full) break;
    }
    fs_.ReleaseFolders();
    const bool stopped = stop_.stop_requested();
    size_t failed = 0;
    for (size_t row = 0; row < list_.count(); ++row) {
        if (list_.mark(row) != RowMark::Pending) continue;
        // A row woken for another try might have moved had the run gone on.
        const bool cut_short =
            stopped && (last_error_[row] == 0 || armed_now_[row] || armed_next_[row]);
        list_.SetMark(row, RowMark::Failed, cut_short ? ECANCELED : last_error_[row]);
        ++failed;
    }
    if (progress_) progress_(renamed_, list_.count());
    RenameOutcome outcome;
    outcome.renamed = renamed_;
    outcome.failed = failed;
    outcome.notes = std::move(notes_);
    return outcome;
}

}  // namespace zentavo
