#include "fileops/undo_plan.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "fileops/lexical_path.h"
#include "fileops/scratch_name.h"

namespace zentavo {

namespace {

// "dir/./a" and "dir//a" meet "dir/a", as they do for the run's own passes.
// A journal holds the paths of the system that wrote it, this one.
std::string Key(const std::string& path) {
    return LexicalKey(path, kNativeSyntax);
}

std::string NameOf(const std::string& path) {
    return path.substr(path.find_last_of(Separators(kNativeSyntax)) + 1);
}

// File systems stamp times from a clock that may lag the one the journal
// reads by a tick or so: a file made just after the run began can look a
// little older than the run.
constexpr int64_t kCoarseClockNs = 50'000'000;

struct IdentityHash {
    size_t operator()(const FileIdentity& identity) const {
        return std::hash<uint64_t>()(identity.inode * 31 + identity.device);
    }
};

const std::string kNowhere;

// A file the run moved, and where the journal or the disk says it is. Its
// names point into the run's record, which outlives the planning: a run of
// many files would otherwise hold every path twice.
struct Tracked {
    size_t row = 0;  // the row that first moved it: its source is the file's name before
    const std::string* at = nullptr;  // where its last recorded step put it; null: lost track of it
    FileIdentity identity;
    int64_t born_by = 0;          // the file was born no later than this
    size_t last_step = SIZE_MAX;  // the last recorded step that moved it; SIZE_MAX: none
    std::string found_at;         // for a run cut short: where it is, when not at `at`
};

class Planner {
public:
    Planner(const RunRecord& run, FileSystem& fs)
        : run_(run), fs_(fs), changed_by_(run.end ? run.end->ended_ns : 0) {}

    UndoPlan Plan() {
        Replay();
        if (!run_.end) FindUnrecorded();
        // A plan cut short before the first move: unless damage cut it, or
        // the rows read moved, the run moved nothing.
        plan_.damaged = !run_.plan_complete() && (run_.damaged || !tracked_.empty());
        std::vector<bool> going_back(tracked_.size(), false);
        for (size_t i = 0; i < tracked_.size(); ++i) going_back[i] = Decide(tracked_[i]);
        Sequence(going_back);
        ListUnmoved();
        return std::move(plan_);
    }

private:
    const std::string& Destination(const MoveStep& step) const {
        return step.left_at.empty() ? run_.plan[step.row].target : step.left_at;
    }

    // Follows the recorded steps: a file may move twice in one run, when a
    // row whose source had vanished finds another row's file arriving there.
    void Replay() {
        stepped_.assign(run_.plan.size(), false);
        file_of_step_.assign(run_.steps.size(), 0);
        // Most steps move a file of their own.
        tracked_.reserve(run_.steps.size());
        std::unordered_map<std::string, size_t> by_path;
        by_path.reserve(run_.steps.size());
        for (size_t i = 0; i < run_.steps.size(); ++i) {
            const MoveStep& step = run_.steps[i];
            const PlannedMove& move = run_.plan[step.row];
            size_t index = tracked_.size();
            if (const auto found = by_path.find(Key(move.source)); found != by_path.end()) {
                index = found->second;
                by_path.erase(found);
            } else {
                tracked_.push_back(
                    {step.row, &move.source, move.identity, run_.header.started_ns, SIZE_MAX, {}});
            }
            Tracked& file = tracked_[index];
            if (step.new_identity.inode != 0) {
                file.identity = step.new_identity;
                file.born_by = step.written_ns;
            }
            file.at = &Destination(step);
            file.last_step = i;
            file_of_step_[i] = index;
            if (const auto [slot, added] = by_path.try_emplace(Key(*file.at), index); !added) {
                // Something removed the earlier file under this name during the run.
                tracked_[slot->second].at = nullptr;
                slot->second = index;
            }
            stepped_[step.row] = true;
        }
    }

    std::string Scratch(const std::string& path, size_t row) const {
        return JoinPath(FolderOf(path), ScratchName(run_.header.id, row));
    }

    void Look(const std::string& path) {
        if (path.empty() || !looked_.insert(path).second) return;
        FileStamp stamp;
        if (fs_.Stamp(path, stamp) != 0) return;
        stamps_[path] = stamp;
        // A weak identity tells a file only where it is expected.
        if (stamp.identity.inode != 0 && !IsWeak(stamp.identity))
            where_.try_emplace(stamp.identity, path);
    }

    const FileStamp* StampAt(const std::string& path) const {
        const auto found = stamps_.find(path);
        return found == stamps_.end() ? nullptr : &found->second;
    }

    bool BornDuringRun(const FileStamp& stamp) const {
        const int64_t time = stamp.born_ns != 0 ? stamp.born_ns : stamp.changed_ns;
        return time >= run_.header.started_ns - kCoarseClockNs;
    }

    // The run was cut short: the moves after its last recorded batch are
    // found by looking at every name they could have used.
    void FindUnrecorded() {
        for (const Tracked& file : tracked_)
            if (file.at) Look(*file.at);
        for (size_t row = 0; row < run_.plan.size(); ++row) {
            if (stepped_[row]) continue;
            const PlannedMove& move = run_.plan[row];
            Look(move.source);
            Look(move.target);
            Look(Scratch(move.source, row));
            Look(Scratch(move.target, row));
        }
        std::unordered_set<FileIdentity, IdentityHash> claimed;
        std::unordered_set<std::string> taken;  // names already accounted for
        for (Tracked& file : tracked_) {
            claimed.insert(file.identity);
            const FileStamp* stamp = file.at ? StampAt(*file.at) : nullptr;
            if (stamp && stamp->identity == file.identity) {
                taken.insert(*file.at);
                continue;
            }
            if (const auto found = where_.find(file.identity); found != where_.end()) {
                file.found_at = found->second;
                taken.insert(found->second);
            }
        }
        // Hard links of one file share its identity: each row looks for it
        // under its own names first, so that every name finds its way back.
        std::vector<const std::string*> own(run_.plan.size(), nullptr);
        for (size_t row = 0; row < run_.plan.size(); ++row) {
            if (stepped_[row]) continue;
            const PlannedMove& move = run_.plan[row];
            for (const std::string* name : {&move.source, &move.target}) {
                const FileStamp* stamp = StampAt(*name);
                if (move.identity.inode == 0 || !stamp || !(stamp->identity == move.identity) ||
                    !taken.insert(*name).second)
                    continue;
                own[row] = name;
                break;
            }
        }
        for (size_t row = 0; row < run_.plan.size(); ++row) {
            if (stepped_[row]) continue;
            const PlannedMove& move = run_.plan[row];
            const std::string* found = own[row];
            if (!found) {
                if (move.identity.inode == 0 || claimed.count(move.identity)) continue;
                const auto elsewhere = where_.find(move.identity);
                if (elsewhere != where_.end() && taken.count(elsewhere->second)) continue;
                if (elsewhere != where_.end()) found = &elsewhere->second;
            }
            if (found) ClearPlaceholder(move);
            if (!found) {
                if (!AdoptDetour(move, row)) AdoptFinishedCopy(move, row);
            } else if (*found != move.source || Respelt(move)) {
                // Where letter case is ignored, the file answers to both
                // spellings; it goes back to the old one whichever it has.
                Tracked file{row, &move.source, move.identity, run_.header.started_ns, SIZE_MAX, {}};
                file.found_at = *found != move.source ? *found : move.target;
                tracked_.push_back(std::move(file));
            } else {
                ClearScratchCopy(move, row);
                ClearFinishedCopy(move);
                ClearSecondLink(move);
            }
        }
    }

    // Whether the source and the target name one entry, the row's file,
    // which has the target's spelling: where letter case is ignored, only the
    // folder's listing tells the two spellings apart.
    bool Respelt(const PlannedMove& move) {
        const FileStamp* at_target = StampAt(move.target);
        if (!at_target || !(at_target->identity == move.identity) ||
            Key(move.target) == Key(move.source))
            return false;
        return !Listed(move.source);
    }

    // Whether the folder's listing holds the path's name byte for byte.
    bool Listed(const std::string& path) {
        const std::string folder = FolderOf(path);
        auto [names, added] = listed_.try_emplace(folder);
        if (added) {
            std::vector<FolderEntry> entries;
            fs_.ListFolder(folder, entries);
            for (FolderEntry& entry : entries) names->second.insert(std::move(entry.name));
        }
        return names->second.count(NameOf(path)) != 0;
    }

    // Whether two names of one file are two entries: in two folders, or two
    // names both listed in one. Where letter case is ignored, or a folder is
    // reached through a link, two spellings may be one entry, and removing
    // either would remove the file.
    bool TwoEntries(const std::string& a, const std::string& b) {
        FileStamp folder_a;
        FileStamp folder_b;
        if (fs_.Stamp(JoinPath(FolderOf(a), "."), folder_a) != 0 ||
            fs_.Stamp(JoinPath(FolderOf(b), "."), folder_b) != 0 || folder_a.identity.inode == 0)
            return false;
        if (!(folder_a.identity == folder_b.identity)) return true;
        return NameOf(a) != NameOf(b) && Listed(a) && Listed(b);
    }

    // The file still under its source and, as a second entry whose status
    // changed during the run, under its target too: a move by a hard link
    // and an unlink, cut short between the two. The target name goes; the
    // file keeps its own.
    void ClearSecondLink(const PlannedMove& move) {
        const FileStamp* at_target = StampAt(move.target);
        if (!at_target || !(at_target->identity == move.identity) ||
            at_target->changed_ns < run_.header.started_ns - kCoarseClockNs ||
            !TwoEntries(move.source, move.target))
            return;
        plan_.leftovers.push_back({move.target, at_target->identity});
    }

    // An empty file made during the run under the target while the row's
    // file is found elsewhere: the placeholder of a move on a file system
    // without a no-replace rename, cut short before the file took its place.
    // Where letter case is ignored it holds the source's name too; an empty
    // file where the row's own file stood when listed cannot predate the run,
    // however coarse the file system's clock.
    void ClearPlaceholder(const PlannedMove& move) {
        const FileStamp* at_target = StampAt(move.target);
        const FileStamp* at_source = StampAt(move.source);
        const auto ours = [&](const FileStamp* stamp) {
            return stamp && stamp->empty_file && !(stamp->identity == move.identity);
        };
        if (ours(at_source)) {
            plan_.leftovers.push_back({move.source, at_source->identity});
        } else if (ours(at_target) && BornDuringRun(*at_target)) {
            plan_.leftovers.push_back({move.target, at_target->identity});
        }
    }

    // A copy to another file system that was still being made.
    void ClearScratchCopy(const PlannedMove& move, size_t row) {
        const std::string scratch = Scratch(move.target, row);
        if (const FileStamp* stamp = StampAt(scratch); stamp && BornDuringRun(*stamp))
            plan_.leftovers.push_back({scratch, stamp->identity});
    }

    // A copy under the target made during the run on another file system,
    // while the source is still there: the move was cut short between placing
    // the copy and removing the source. Only a byte-for-byte copy goes.
    void ClearFinishedCopy(const PlannedMove& move) {
        const FileStamp* stamp = StampAt(move.target);
        if (!stamp || stamp->identity.device == move.identity.device || !BornDuringRun(*stamp))
            return;
        bool same = false;
        if (fs_.SameBytes(move.source, move.target, same) == 0 && same)
            plan_.leftovers.push_back({move.target, stamp->identity});
    }

    // A change of letter case cut short between its two steps leaves the file
    // under the row's scratch name beside its source. The name is the run's
    // own, so the file is too, even where the rename renumbered it (FAT
    // through FUSE numbers a file by where its entry lies).
    bool AdoptDetour(const PlannedMove& move, size_t row) {
        const std::string scratch = Scratch(move.source, row);
        const FileStamp* stamp = StampAt(scratch);
        if (!stamp) return false;
        Tracked file{row, &move.source, stamp->identity, INT64_MAX, SIZE_MAX, {}};
        file.found_at = scratch;
        tracked_.push_back(std::move(file));
        return true;
    }

    // The source is gone and a copy made during the run stands under the
    // target on another file system: the move finished but its step, with
    // the copy's identity, was never written.
    void AdoptFinishedCopy(const PlannedMove& move, size_t row) {
        const FileStamp* stamp = StampAt(move.target);
        if (stamp && stamp->identity.device != move.identity.device && BornDuringRun(*stamp)) {
            Tracked file{row, &move.source, stamp->identity, INT64_MAX, SIZE_MAX, {}};
            file.found_at = move.target;
            tracked_.push_back(std::move(file));
            return;
        }
        plan_.problems.push_back({move.source, move.source, UndoReason::Gone, 0});
    }

    bool SameFile(const FileStamp& stamp, const Tracked& file) const {
        if (file.identity.inode == 0) return true;  // nothing to tell it by
        if (!(stamp.identity == file.identity)) return false;
        if (stamp.born_ns != 0) return stamp.born_ns <= file.born_by;
        return changed_by_ == 0 || stamp.changed_ns <= changed_by_;
    }

    // Whether the file goes back; otherwise it is back already or reported.
    bool Decide(const Tracked& file) {
        const std::string& original = run_.plan[file.row].source;
        const std::string& now = !file.found_at.empty() ? file.found_at
                                 : file.at                 ? *file.at
                                                           : kNowhere;
        FileStamp stamp;
        const int error = now.empty() ? ENOENT : fs_.Stamp(now, stamp);
        if (error == 0 && SameFile(stamp, file)) {
            if (Key(now) != Key(original)) return true;
            plan_.already_back.push_back(original);
            return false;
        }
        // An earlier undo that did not finish, or the user, may have put it back.
        FileStamp back;
        if (file.identity.inode != 0 && fs_.Stamp(original, back) == 0 && SameFile(back, file)) {
            plan_.already_back.push_back(original);
            return false;
        }
        const UndoReason reason = error == ENOENT ? UndoReason::Gone
                                  : error == 0    ? UndoReason::Replaced
                                                  : UndoReason::Failed;
        plan_.problems.push_back({original, now, reason, error});
        return false;
    }

    // The moves the journal missed happened last, so they are undone first;
    // then every recorded step, newest first.
    void Sequence(const std::vector<bool>& going_back) {
        std::vector<size_t> index_of(tracked_.size(), SIZE_MAX);
        const size_t files = size_t(std::count(going_back.begin(), going_back.end(), true));
        plan_.originals.reserve(files);
        plan_.moves.reserve(files + run_.steps.size());
        for (size_t i = 0; i < tracked_.size(); ++i) {
            if (!going_back[i]) continue;
            const Tracked& file = tracked_[i];
            index_of[i] = plan_.originals.size();
            plan_.originals.push_back(run_.plan[file.row].source);
            if (!file.found_at.empty()) {
                const std::string& to = file.last_step == SIZE_MAX
                                            ? plan_.originals.back()
                                            : Destination(run_.steps[file.last_step]);
                plan_.moves.push_back({file.found_at, to, file.identity, index_of[i]});
            }
        }
        for (size_t step = run_.steps.size(); step-- > 0;) {
            const size_t i = file_of_step_[step];
            if (!going_back[i]) continue;
            const MoveStep& done = run_.steps[step];
            const std::string& from = Destination(done);
            const std::string& to = run_.plan[done.row].source;
            // A move onto the file's own name moved nothing.
            if (Key(from) == Key(to)) continue;
            plan_.moves.push_back({from, to, tracked_[i].identity, index_of[i]});
        }
    }

    // The rows whose files the run never moved, as far as the journal and
    // the disk tell, and that are still there.
    void ListUnmoved() {
        std::vector<bool> moved = stepped_;
        for (const Tracked& file : tracked_) moved[file.row] = true;
        for (size_t row = 0; row < run_.plan.size(); ++row) {
            if (moved[row]) continue;
            const std::string& source = run_.plan[row].source;
            FileStamp stamp;
            if (StampAt(source) != nullptr || fs_.Stamp(source, stamp) == 0)
                plan_.unmoved.push_back(source);
        }
    }

    const RunRecord& run_;
    FileSystem& fs_;
    const int64_t changed_by_;
    std::vector<bool> stepped_;
    std::vector<size_t> file_of_step_;  // the tracked file each recorded step moved
    std::vector<Tracked> tracked_;
    std::unordered_set<std::string> looked_;
    std::unordered_map<std::string, FileStamp> stamps_;
    std::unordered_map<FileIdentity, std::string, IdentityHash> where_;
    std::unordered_map<std::string, std::unordered_set<std::string>> listed_;  // folder -> names
    UndoPlan plan_;
};

}  // namespace

UndoPlan PlanUndo(const RunRecord& run, FileSystem& fs) {
    return Planner(run, fs).Plan();
}

}  // namespace zentavo
