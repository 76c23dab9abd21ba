#include "journal/undo_plan.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "engine/lexical_path.h"
#include "engine/path_index.h"
#include "engine/path_keys.h"
#include "engine/scratch_name.h"

namespace zentavo {

namespace {

// File systems stamp times from a clock that may lag the one the journal
// reads by a tick or so: a file made just after the run began can look a
// little older than the run.
constexpr int64_t kCoarseClockNs = 50'000'000;

struct IdentityHash {
    size_t operator()(const FileIdentity& identity) const {
        return std::hash<uint64_t>()(identity.inode * 31 + identity.device);
    }
};

constexpr uint32_t kNone = UINT32_MAX;

// When a file was born at the latest, where no step made it anew: before
// the run began, or at any time for a file found where only the run could
// have put it.
constexpr uint32_t kBornBeforeRun = UINT32_MAX;
constexpr uint32_t kBornAnyTime = UINT32_MAX - 1;

// A file the run moved, and where the journal or the disk says it is: its
// names are read from the run's record, which outlives the planning, so
// that a run of many files holds every path once, and so is its identity
// (Planner::IdentityOf). 16 bytes, one per file.
struct Tracked {
    // The row that first moved it (no list holds 2^31 rows): its source is
    // the file's name before.
    uint32_t row : 31 = 0;
    uint32_t lost : 1 = 0;  // something else took the name its last step gave it
    uint32_t last_step = kNone;  // the last recorded step that moved it
    uint32_t found = kNone;      // for a run cut short: index of where it is, when not at At()
    // The step that made the file anew (a copy), by whose batch's time it
    // was born; or kBornBeforeRun, kBornAnyTime.
    uint32_t born_by_step = kBornBeforeRun;
};
static_assert(sizeof(Tracked) == 16);

class Planner {
public:
    Planner(RunRecord& run, FileSystem& fs)
        : run_(run), fs_(fs), syntax_(fs.syntax()), changed_by_(run.end ? run.end->ended_ns : 0) {}

    UndoPlan Plan() {
        Replay();
        if (!run_.end) FindUnrecorded();
        // A plan cut short before the first move: unless damage cut it, or
        // the rows read moved, the run moved nothing.
        plan_.damaged = !run_.plan_complete() && (run_.damaged || !tracked_.empty());
        std::vector<bool> going_back(tracked_.size(), false);
        for (size_t i = 0; i < tracked_.size(); ++i) going_back[i] = Decide(tracked_[i]);
        ListUnmoved();
        Sequence(going_back);
        return std::move(plan_);
    }

private:
    // "dir/./a" and "dir//a" meet "dir/a", as they do for the run's own passes.
    std::string Key(std::string_view path) const { return LexicalKey(path, syntax_); }

    std::string_view NameOf(std::string_view path) const {
        return path.substr(path.find_last_of(Separators(syntax_)) + 1);
    }

    // The row's file's name before the run, and the one the run gave it.
    std::string Source(size_t row) const {
        std::string path;
        run_.plan.from(row, path);
        return path;
    }
    std::string Target(size_t row) const {
        std::string path;
        run_.plan.to(row, path);
        return path;
    }

    // Where the journal last saw the file: where its last recorded step put
    // it, else its source; nothing once it lost track of it.
    const std::string& At(const Tracked& file, std::string& into) const {
        if (file.lost) {
            into.clear();
            return into;
        }
        return file.last_step == kNone ? run_.plan.from(file.row, into)
                                       : run_.Destination(run_.steps[file.last_step], into);
    }

    std::string_view FoundAt(const Tracked& file) const {
        return file.found == kNone ? std::string_view() : found_[file.found];
    }

    // The time the file was born by, at the latest.
    int64_t BornBy(const Tracked& file) const {
        switch (file.born_by_step) {
            case kBornBeforeRun:
                return run_.header.started_ns;
            case kBornAnyTime:
                return INT64_MAX;
            default:
                return run_.WrittenNs(file.born_by_step);
        }
    }

    // The identity the file is known by: that of the copy a step made, or
    // the one it was found with where only the run could have put it, else
    // its row's.
    const FileIdentity& IdentityOf(const Tracked& file) const {
        if (file.born_by_step < kBornAnyTime)
            return run_.notes[run_.steps[file.born_by_step].note].new_identity;
        if (file.found != kNone)
            if (const auto adopted = adopted_.find(file.found); adopted != adopted_.end())
                return adopted->second;
        return run_.plan.identity(file.row);
    }

    void Track(uint32_t row, const FileIdentity& identity, uint32_t born_by_step,
               std::string_view found_at) {
        Tracked file;
        file.row = row;
        file.born_by_step = born_by_step;
        file.found = uint32_t(found_.size());
        if (!(identity == run_.plan.identity(row))) adopted_.emplace(file.found, identity);
        found_.emplace_back(found_at);
        tracked_.push_back(file);
    }

    // Follows the recorded steps: a file may move twice in one run, when a
    // row whose source had vanished finds another row's file arriving there.
    void Replay() {
        stepped_.assign(run_.plan.count(), false);
        file_of_step_.assign(run_.steps.size(), 0);
        // Most steps move a file of their own.
        tracked_.reserve(run_.steps.size());
        PathKeys keys(syntax_);
        // Each file under where its last step put it.
        std::string key_path;
        PathIndex by_path(run_.steps.size(),
                          [&](uint32_t file) { return keys(At(tracked_[file], key_path)); });
        std::string source;
        std::string at;
        for (size_t i = 0; i < run_.steps.size(); ++i) {
            const MoveStep& step = run_.steps[i];
            uint32_t index = by_path.Take(keys(run_.plan.from(step.row, source)));
            if (index == PathIndex::kNone) {
                index = uint32_t(tracked_.size());
                Tracked file;
                file.row = step.row;
                tracked_.push_back(file);
            }
            Tracked& file = tracked_[index];
            if (step.note != kNoNote && run_.notes[step.note].new_identity.inode != 0)
                file.born_by_step = uint32_t(i);
            file.last_step = uint32_t(i);
            file.lost = 0;
            file_of_step_[i] = index;
            if (const uint32_t earlier = by_path.Put(keys(At(file, at)), index);
                earlier != PathIndex::kNone) {
                // Something removed the earlier file under this name during the run.
                tracked_[earlier].lost = 1;
            }
            stepped_[step.row] = true;
        }
    }

    std::string Scratch(std::string_view path, size_t row) const {
        return JoinPath(FolderOf(path, syntax_), ScratchName(run_.header.id, row), syntax_);
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

    const FileStamp* StampAt(std::string_view path) const {
        const auto found = stamps_.find(std::string(path));
        return found == stamps_.end() ? nullptr : &found->second;
    }

    bool BornDuringRun(const FileStamp& stamp) const {
        const int64_t time = stamp.born_ns != 0 ? stamp.born_ns : stamp.changed_ns;
        return time >= run_.header.started_ns - kCoarseClockNs;
    }

    // The run was cut short: the moves after its last recorded batch are
    // found by looking at every name they could have used.
    void FindUnrecorded() {
        std::string at_path;
        for (const Tracked& file : tracked_)
            if (!file.lost) Look(At(file, at_path));
        for (size_t row = 0; row < run_.plan.count(); ++row) {
            if (stepped_[row]) continue;
            const std::string source = Source(row);
            const std::string target = Target(row);
            Look(source);
            Look(target);
            Look(Scratch(source, row));
            Look(Scratch(target, row));
        }
        std::unordered_set<FileIdentity, IdentityHash> claimed;
        std::unordered_set<std::string> taken;  // names already accounted for
        for (Tracked& file : tracked_) {
            claimed.insert(IdentityOf(file));
            const std::string& at = At(file, at_path);
            const FileStamp* stamp = file.lost ? nullptr : StampAt(at);
            if (stamp && stamp->identity == IdentityOf(file)) {
                taken.insert(at);
                continue;
            }
            if (const auto found = where_.find(IdentityOf(file)); found != where_.end()) {
                file.found = uint32_t(found_.size());
                found_.push_back(found->second);
                taken.insert(found->second);
            }
        }
        // Hard links of one file share its identity: each row looks for it
        // under its own names first, so that every name finds its way back.
        enum class Own : uint8_t { None, Source, Target };
        std::vector<Own> own(run_.plan.count(), Own::None);
        for (size_t row = 0; row < run_.plan.count(); ++row) {
            const FileIdentity& identity = run_.plan.identity(row);
            if (stepped_[row] || identity.inode == 0) continue;
            for (const Own name : {Own::Source, Own::Target}) {
                const std::string path = name == Own::Source ? Source(row) : Target(row);
                const FileStamp* stamp = StampAt(path);
                if (!stamp || !(stamp->identity == identity) || !taken.insert(path).second)
                    continue;
                own[row] = name;
                break;
            }
        }
        for (size_t row = 0; row < run_.plan.count(); ++row) {
            if (stepped_[row]) continue;
            const std::string source = Source(row);
            const FileIdentity& identity = run_.plan.identity(row);
            std::optional<std::string> found;
            if (own[row] != Own::None) {
                found = own[row] == Own::Source ? source : Target(row);
            } else {
                if (identity.inode == 0 || claimed.count(identity)) continue;
                const auto elsewhere = where_.find(identity);
                if (elsewhere != where_.end() && taken.count(elsewhere->second)) continue;
                if (elsewhere != where_.end()) found = elsewhere->second;
            }
            if (found) ClearPlaceholder(row);
            if (!found) {
                if (!AdoptDetour(row)) AdoptFinishedCopy(row);
            } else if (*found != source || Respelt(row)) {
                // Where letter case is ignored, the file answers to both
                // spellings; it goes back to the old one whichever it has.
                Track(uint32_t(row), identity, kBornBeforeRun,
                      *found != source ? *found : Target(row));
            } else {
                ClearScratchCopy(row);
                ClearFinishedCopy(row);
                ClearSecondLink(row);
            }
        }
    }

    // Whether the source and the target name one entry, the row's file,
    // which has the target's spelling: where letter case is ignored, only the
    // folder's listing tells the two spellings apart.
    bool Respelt(size_t row) {
        const std::string target = Target(row);
        const std::string source = Source(row);
        const FileStamp* at_target = StampAt(target);
        if (!at_target || !(at_target->identity == run_.plan.identity(row)) ||
            Key(target) == Key(source))
            return false;
        return !Listed(source);
    }

    // Whether the folder's listing holds the path's name byte for byte.
    bool Listed(std::string_view path) {
        const std::string folder = FolderOf(path, syntax_);
        auto [names, added] = listed_.try_emplace(folder);
        if (added) {
            std::vector<FolderEntry> entries;
            fs_.ListFolder(folder, entries);
            for (FolderEntry& entry : entries) names->second.insert(std::move(entry.name));
        }
        return names->second.count(std::string(NameOf(path))) != 0;
    }

    // Whether two names of one file are two entries: in two folders, or two
    // names both listed in one. Where letter case is ignored, or a folder is
    // reached through a link, two spellings may be one entry, and removing
    // either would remove the file.
    bool TwoEntries(std::string_view a, std::string_view b) {
        FileStamp folder_a;
        FileStamp folder_b;
        if (fs_.Stamp(JoinPath(FolderOf(a, syntax_), ".", syntax_), folder_a) != 0 ||
            fs_.Stamp(JoinPath(FolderOf(b, syntax_), ".", syntax_), folder_b) != 0 ||
            folder_a.identity.inode == 0)
            return false;
        if (!(folder_a.identity == folder_b.identity)) return true;
        return NameOf(a) != NameOf(b) && Listed(a) && Listed(b);
    }

    // The file still under its source and, as a second entry whose status
    // changed during the run, under its target too: a move by a hard link
    // and an unlink, cut short between the two. The target name goes; the
    // file keeps its own.
    void ClearSecondLink(size_t row) {
        const std::string target = Target(row);
        const FileStamp* at_target = StampAt(target);
        if (!at_target || !(at_target->identity == run_.plan.identity(row)) ||
            at_target->changed_ns < run_.header.started_ns - kCoarseClockNs ||
            !TwoEntries(Source(row), target))
            return;
        plan_.leftovers.push_back({target, at_target->identity});
    }

    // An empty file made during the run under the target while the row's
    // file is found elsewhere: the placeholder of a move on a file system
    // without a no-replace rename, cut short before the file took its place.
    // Where letter case is ignored it holds the source's name too; an empty
    // file where the row's own file stood when listed cannot predate the run,
    // however coarse the file system's clock.
    void ClearPlaceholder(size_t row) {
        const std::string target = Target(row);
        const std::string source = Source(row);
        const FileStamp* at_target = StampAt(target);
        const FileStamp* at_source = StampAt(source);
        const auto ours = [&](const FileStamp* stamp) {
            return stamp && stamp->empty_file && !(stamp->identity == run_.plan.identity(row));
        };
        if (ours(at_source)) {
            plan_.leftovers.push_back({source, at_source->identity});
        } else if (ours(at_target) && BornDuringRun(*at_target)) {
            plan_.leftovers.push_back({target, at_target->identity});
        }
    }

    // A copy to another file system that was still being made.
    void ClearScratchCopy(size_t row) {
        const std::string scratch = Scratch(Target(row), row);
        if (const FileStamp* stamp = StampAt(scratch); stamp && BornDuringRun(*stamp))
            plan_.leftovers.push_back({scratch, stamp->identity});
    }

    // A copy under the target made during the run on another file system,
    // while the source is still there: the move was cut short between placing
    // the copy and removing the source. Only a byte-for-byte copy goes.
    void ClearFinishedCopy(size_t row) {
        const std::string target = Target(row);
        const FileStamp* stamp = StampAt(target);
        if (!stamp || stamp->identity.device == run_.plan.identity(row).device ||
            !BornDuringRun(*stamp))
            return;
        bool same = false;
        if (fs_.SameBytes(Source(row), target, same) == 0 && same)
            plan_.leftovers.push_back({target, stamp->identity});
    }

    // A change of letter case cut short between its two steps leaves the file
    // under the row's scratch name beside its source. The name is the run's
    // own, so the file is too, even where the rename renumbered it (FAT
    // through FUSE numbers a file by where its entry lies).
    bool AdoptDetour(size_t row) {
        const std::string scratch = Scratch(Source(row), row);
        const FileStamp* stamp = StampAt(scratch);
        if (!stamp) return false;
        Track(uint32_t(row), stamp->identity, kBornAnyTime, scratch);
        return true;
    }

    // The source is gone and a copy made during the run stands under the
    // target on another file system: the move finished but its step, with
    // the copy's identity, was never written.
    void AdoptFinishedCopy(size_t row) {
        const std::string target = Target(row);
        const FileStamp* stamp = StampAt(target);
        if (stamp && stamp->identity.device != run_.plan.identity(row).device &&
            BornDuringRun(*stamp)) {
            Track(uint32_t(row), stamp->identity, kBornAnyTime, target);
            return;
        }
        const std::string source = Source(row);
        plan_.problems.push_back({source, source, UndoReason::Gone, 0});
    }

    bool SameFile(const FileStamp& stamp, const Tracked& file) const {
        const FileIdentity& identity = IdentityOf(file);
        if (identity.inode == 0) return true;  // nothing to tell it by
        if (!(stamp.identity == identity)) return false;
        if (stamp.born_ns != 0) return stamp.born_ns <= BornBy(file);
        return changed_by_ == 0 || stamp.changed_ns <= changed_by_;
    }

    // Whether the file goes back; otherwise it is back already or reported.
    bool Decide(const Tracked& file) {
        const std::string original = Source(file.row);
        std::string at;
        const std::string now(file.found != kNone ? FoundAt(file) : At(file, at));
        FileStamp stamp;
        const int error = now.empty() ? ENOENT : fs_.Stamp(now, stamp);
        if (error == 0 && SameFile(stamp, file)) {
            if (Key(now) != Key(original)) return true;
            plan_.already_back.Add(original);
            return false;
        }
        // An earlier undo that did not finish, or the user, may have put it back.
        FileStamp back;
        if (IdentityOf(file).inode != 0 && fs_.Stamp(original, back) == 0 &&
            SameFile(back, file)) {
            plan_.already_back.Add(original);
            return false;
        }
        const UndoReason reason = error == ENOENT ? UndoReason::Gone
                                  : error == 0    ? UndoReason::Replaced
                                                  : UndoReason::Failed;
        plan_.problems.push_back({std::string(original), now, reason, error});
        return false;
    }

    // The moves the journal missed happened last, so they are undone first;
    // then every recorded step, newest first. visit(file, from, to, back_of)
    // for each, where back_of is the plan's row whose move this one takes
    // back exactly (kNone when its paths are not that row's).
    template <typename Visit>
    void EachMove(const std::vector<bool>& going_back, Visit&& visit) const {
        std::string from_path;
        std::string to_path;
        for (uint32_t i = 0; i < tracked_.size(); ++i) {
            const Tracked& file = tracked_[i];
            if (!going_back[i] || file.found == kNone) continue;
            const std::string& to = file.last_step == kNone
                                        ? run_.plan.from(file.row, to_path)
                                        : run_.Destination(run_.steps[file.last_step], to_path);
            visit(i, FoundAt(file), to, kNone);
        }
        for (size_t step = run_.steps.size(); step-- > 0;) {
            const uint32_t i = file_of_step_[step];
            if (!going_back[i]) continue;
            const MoveStep& done = run_.steps[step];
            const std::string& from = run_.Destination(done, from_path);
            const std::string& to = run_.plan.from(done.row, to_path);
            // A move onto the file's own name moved nothing.
            if (Key(from) == Key(to)) continue;
            // Unless a detour left the file elsewhere, the step is the row's move.
            visit(i, from, to, run_.LeftElsewhere(done) ? kNone : done.row);
        }
    }

    // Each file going back gets its index in originals, which holds where
    // its name before the run lies; index_of says it by tracked file.
    std::vector<uint32_t> ListOriginals(const std::vector<bool>& going_back) {
        plan_.originals.reserve(size_t(std::count(going_back.begin(), going_back.end(), true)));
        std::vector<uint32_t> index_of(tracked_.size(), kNone);
        for (size_t i = 0; i < tracked_.size(); ++i) {
            if (!going_back[i]) continue;
            index_of[i] = uint32_t(plan_.originals.size());
            plan_.originals.push_back(run_.plan.first_span(tracked_[i].row));
        }
        return index_of;
    }

    // The undo's moves are the plan's, made anew over its paths: most take
    // a step of the run back and cost no bytes of their own. Where every
    // one does, each once, the plan's moves become the undo's in place;
    // otherwise they are counted first, so that the moves hold no slack from
    // growing.
    void Sequence(const std::vector<bool>& going_back) {
        size_t moves = 0;
        size_t own_bytes = 0;
        // The plan's move that each takes back, and its file.
        std::vector<uint32_t> order;
        std::vector<uint32_t> file_of;
        order.reserve(run_.steps.size());
        file_of.reserve(run_.steps.size());
        std::vector<bool> taken_back(run_.plan.count(), false);
        bool each_once = true;
        // A move carried in place keeps its row's identity, which is its
        // file's unless the file moved twice or was made anew: those few are
        // found while the plan's rows are where they were.
        std::vector<std::pair<size_t, FileIdentity>> other_identity;
        EachMove(going_back,
                 [&](uint32_t i, std::string_view from, std::string_view to, uint32_t back_of) {
                     ++moves;
                     if (back_of == kNone) {
                         own_bytes += from.size() + to.size();
                         return;
                     }
                     each_once = each_once && !taken_back[back_of];
                     taken_back[back_of] = true;
                     const FileIdentity& identity = IdentityOf(tracked_[i]);
                     if (!(identity == run_.plan.identity(back_of)))
                         other_identity.emplace_back(order.size(), identity);
                     order.push_back(back_of);
                     file_of.push_back(i);
                 });
        taken_back = std::vector<bool>();
        if (each_once && order.size() == moves) {
            // Nothing reads the steps again, nor the files once each move
            // knows its own: their room goes back before the next allocates.
            run_.steps = std::vector<MoveStep>();
            file_of_step_ = std::vector<uint32_t>();
            std::vector<uint32_t> index_of = ListOriginals(going_back);
            for (uint32_t& file : file_of) file = index_of[file];
            index_of = std::vector<uint32_t>();
            tracked_ = std::vector<Tracked>();
            auto next_other = other_identity.begin();
            run_.plan.TakeBack(order, [&](size_t k, uint32_t& origin, FileIdentity& identity) {
                origin = file_of[k];
                if (next_other != other_identity.end() && next_other->first == k)
                    identity = (next_other++)->second;
            });
            plan_.moves = std::move(run_.plan);
            return;
        }
        order = std::vector<uint32_t>();
        file_of = std::vector<uint32_t>();
        const std::vector<uint32_t> index_of = ListOriginals(going_back);
        MoveList::Anew anew(run_.plan, moves, own_bytes);
        EachMove(going_back,
                 [&](uint32_t i, std::string_view from, std::string_view to, uint32_t back_of) {
                     if (back_of == kNone) {
                         anew.Add(from, to, index_of[i], IdentityOf(tracked_[i]));
                     } else {
                         anew.Backwards(back_of, index_of[i], IdentityOf(tracked_[i]));
                     }
                 });
        anew.Finish();
        plan_.moves = std::move(run_.plan);
    }

    // The rows whose files the run never moved, as far as the journal and
    // the disk tell, and that are still there.
    void ListUnmoved() {
        std::vector<bool> moved = stepped_;
        for (const Tracked& file : tracked_) moved[file.row] = true;
        for (size_t row = 0; row < run_.plan.count(); ++row) {
            if (moved[row]) continue;
            const std::string source = Source(row);
            FileStamp stamp;
            if (StampAt(source) != nullptr || fs_.Stamp(source, stamp) == 0)
                plan_.unmoved.Add(source);
        }
    }

    RunRecord& run_;
    FileSystem& fs_;
    PathSyntax syntax_;
    const int64_t changed_by_;
    std::vector<bool> stepped_;
    std::vector<uint32_t> file_of_step_;  // the tracked file each recorded step moved
    std::vector<Tracked> tracked_;
    std::vector<std::string> found_;  // where files of a run cut short were found
    // By index in found_: the identity of a file found under a name only the
    // run could have given it, where it is not its row's.
    std::unordered_map<uint32_t, FileIdentity> adopted_;
    std::unordered_set<std::string> looked_;
    std::unordered_map<std::string, FileStamp> stamps_;
    std::unordered_map<FileIdentity, std::string, IdentityHash> where_;
    std::unordered_map<std::string, std::unordered_set<std::string>> listed_;  // folder -> names
    UndoPlan plan_;
};

}  // namespace

UndoPlan PlanUndo(RunRecord& run, FileSystem& fs) {
    return Planner(run, fs).Plan();
}

}  // namespace zentavo
