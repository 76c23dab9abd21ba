#include "engine/rename_run.h"

#include <algorithm>
#include <cerrno>
#include <functional>

#include "core/path_parts.h"
#include "engine/lexical_path.h"

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

MoveList MovesOf(const RenameList& list, const CodePage& page) {
    size_t moves = 0;
    size_t bytes = 0;
    for (size_t row = 0; row < list.count(); ++row) {
        if (!RunWillTry(list, row)) continue;
        ++moves;
        // The target is the path's folder, a separator and the new name,
        // and the moves keep only what follows the folder it shares with
        // the path.
        bytes += list.new_name(row).size() + 2;
    }
    MoveList made(list);
    made.Reserve(moves, bytes);
    for (size_t row = 0; row < list.count(); ++row) {
        if (!RunWillTry(list, row)) continue;
        made.AddRow(uint32_t(row),
                    RenameTarget(list.path(row), list.new_name(row), list.syntax(), page));
    }
    return made;
}

RenameRun::RenameRun(FileSystem& fs, RenameList& list, const CodePage& page, Progress progress,
                     std::string run_token)
    : fs_(fs),
      list_(&list),
      own_moves_(MovesOf(list, page)),
      moves_(own_moves_),
      last_(own_moves_.count()),
      syntax_(list.syntax()),
      progress_(std::move(progress)),
      total_(list.count()),
      run_token_(std::move(run_token)),
      armed_now_(last_, false),
      armed_next_(last_, false) {}

RenameRun::RenameRun(FileSystem& fs, RenameList& list, MoveList& moves, Progress progress,
                     MoveLog& log, std::string run_token)
    : fs_(fs),
      list_(&list),
      moves_(moves),
      last_(moves.count()),
      syntax_(list.syntax()),
      progress_(std::move(progress)),
      total_(list.count()),
      run_token_(std::move(run_token)),
      log_(&log),
      armed_now_(last_, false),
      armed_next_(last_, false) {}

RenameRun::RenameRun(FileSystem& fs, MoveList& moves, size_t first, size_t last,
                     Progress progress, MoveLog& log, std::string run_token)
    : fs_(fs),
      moves_(moves),
      first_(first),
      last_(last),
      syntax_(fs.syntax()),
      progress_(std::move(progress)),
      total_(last - first),
      run_token_(std::move(run_token)),
      log_(&log),
      armed_now_(last, false),
      armed_next_(last, false) {}

std::string RenameRun::Key(std::string_view path) const {
    // Waiting moves are found by the spelling of a path; the lexical form
    // makes "dir/./a" and "dir//a" meet "dir/a". Spellings that still differ
    // are caught by the full pass that closes every run.
    return LexicalKey(path, syntax_);
}

void RenameRun::Wait(const std::string& key, size_t move) {
    waiting_[key].push_back(move);
}

void RenameRun::Wake(const std::string& key) {
    if (waiting_.empty()) return;
    const auto it = waiting_.find(key);
    if (it == waiting_.end()) return;
    for (size_t move : it->second) {
        if (!Pending(move)) continue;
        if (move > cursor_) {
            // Still ahead in this pass: a full pass reaches it anyway.
            if (in_full_pass_ || armed_now_[move]) continue;
            armed_now_[move] = true;
            woken_now_.push_back(move);
            std::push_heap(woken_now_.begin(), woken_now_.end(), std::greater<>());
        } else if (!armed_next_[move]) {
            armed_next_[move] = true;
            woken_next_.push_back(move);
        }
    }
    waiting_.erase(it);
}

void RenameRun::Mark(size_t move, RowMark mark, int failure) {
    moves_.SetMark(move, mark, failure);
    if (list_) list_->SetMark(moves_.origin(move), mark, failure);
}

void RenameRun::Try(size_t move) {
    cursor_ = move;
    if (progress_ && ++tries_ % kProgressEvery == 0) progress_(renamed_, total_);

    const std::string& path = moves_.from(move, path_);
    const std::string& target = moves_.to(move, target_);
    const MoveResult moved = fs_.MoveNoReplace(path, target, ScratchName(run_token_, move));
    if (!moved.left_at.empty() || !moved.saved_other.empty())
        notes_.push_back({list_ ? moves_.origin(move) : move, moved.left_at, moved.saved_other});
    if (log_ && (moved.error == 0 || !moved.left_at.empty())) log_->Moved(move, moved);
    const int error = moved.error;
    if (error == 0) {
        Mark(move, RowMark::Renamed);
        ++renamed_in_pass_;
        ++renamed_;
        // A run of few files may still be slow (copies to another disk):
        // its every move is told.
        if (progress_ && renamed_ <= kProgressEvery) progress_(renamed_, total_);
        if (!waiting_.empty()) {
            Wake(Key(path));
            Wake(Key(target));
        }
        return;
    }
    moves_.SetMark(move, RowMark::Pending, error);
    if (error == EEXIST) {
        Wait(Key(target), move);
    } else if (error == ENOENT) {
        // The file may yet arrive at its path, moved there by another move.
        Wait(Key(path), move);
    }
}

size_t RenameRun::RenamePass() {
    renamed_in_pass_ = 0;
    if (next_pass_ == Pass::Full) {
        in_full_pass_ = true;
        for (size_t move = first_; move < last_ && !stop_.stop_requested(); ++move) {
            if (Pending(move)) Try(move);
        }
        in_full_pass_ = false;
    } else {
        woken_now_.swap(woken_next_);
        woken_next_.clear();
        std::make_heap(woken_now_.begin(), woken_now_.end(), std::greater<>());
        for (size_t move : woken_now_) {
            armed_next_[move] = false;
            armed_now_[move] = true;
        }
        while (!woken_now_.empty() && !stop_.stop_requested()) {
            std::pop_heap(woken_now_.begin(), woken_now_.end(), std::greater<>());
            const size_t move = woken_now_.back();
            woken_now_.pop_back();
            armed_now_[move] = false;
            if (Pending(move)) Try(move);
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
    for (size_t move = first_; move < last_; ++move) {
        if (!Pending(move)) continue;
        // A move woken for another try might have been made had the run gone on.
        const int last_error = moves_.failure(move);
        const bool cut_short = stopped && (last_error == 0 || armed_now_[move] || armed_next_[move]);
        Mark(move, RowMark::Failed, cut_short ? ECANCELED : last_error);
        ++failed;
    }
    if (list_) {
        // The rows with names no move can use fail as they would at every try.
        for (size_t row = 0; row < list_->count(); ++row) {
            if (list_->mark(row) != RowMark::Pending) continue;
            list_->SetMark(row, RowMark::Failed, UnusableName(list_->new_name(row)));
            ++failed;
        }
    }
    if (progress_) progress_(renamed_, total_);
    RenameOutcome outcome;
    outcome.renamed = renamed_;
    outcome.failed = failed;
    outcome.notes = std::move(notes_);
    return outcome;
}

}  // namespace zentavo
