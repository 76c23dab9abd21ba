#include "engine/file_collection.h"

#include <algorithm>
#include <utility>

#include "core/path_parts.h"
#include "engine/lexical_path.h"

namespace zentavo {

namespace {

constexpr size_t kProgressEvery = 4096;

class Collector {
public:
    Collector(FileSystem& fs, bool recurse, Gathered& out, const Progress& progress,
              std::stop_token stop)
        : fs_(fs),
          syntax_(fs.syntax()),
          recurse_(recurse),
          out_(out),
          progress_(progress),
          stop_(std::move(stop)) {}

    void Dropped(std::string_view path) {
        std::string absolute;
        std::string resolved;
        EntryKind kind = EntryKind::File;
        int error = fs_.AbsolutePath(path, absolute);
        if (error == 0) error = ResolveFolderOf(absolute, resolved);
        if (error == 0) error = fs_.Search(resolved, kind);
        if (error == 0) {
            switch (kind) {
                case EntryKind::File:
                    Found(resolved, 0);
                    break;
                case EntryKind::Folder:
                    Walk(resolved);
                    break;
                case EntryKind::FolderLink:
                    // The user chose this link; links met below it are not
                    // entered.
                    if (std::string real; (error = fs_.RealPath(resolved, real)) == 0)
                        Walk(std::move(real));
                    break;
            }
        }
        if (error != 0) out_.problems.push_back({std::string(path), error});
    }

private:
    // The real path of the folder that holds absolute, followed by its last
    // name as it stands.
    int ResolveFolderOf(const std::string& absolute, std::string& resolved) {
        const size_t slash = absolute.find_last_of(Separators(syntax_));
        std::string folder = FolderOf(absolute, syntax_);
        if (slash == std::string::npos || folder == absolute) {
            resolved = absolute;
            return 0;
        }
        auto known = out_.real_folders.find(folder);
        if (known == out_.real_folders.end()) {
            std::string real;
            if (const int error = fs_.RealPath(folder, real); error != 0) return error;
            Remember(real);
            known = out_.real_folders.emplace(std::move(folder), std::move(real)).first;
        }
        resolved = known->second;
        AppendPathName(resolved, std::string_view(absolute).substr(slash + 1), syntax_, CodePage());
        return 0;
    }

    // A folder being walked: its entries as listed, the order of their
    // paths, and the next one to take in it.
    struct Level {
        std::string folder;
        std::vector<FolderEntry> entries;
        std::vector<uint32_t> order;
        size_t next = 0;
    };

    // Depth-first with an explicit stack: folder trees may be deeper than the
    // call stack is safe for. Files come out in the list's order, so the list
    // has nothing left to sort, unless two sibling folders differ in letter
    // case alone (their files interleave).
    void Walk(std::string root) {
        std::vector<Level> levels;
        Enter(std::move(root), levels);
        std::string full;
        while (!levels.empty() && !stop_.stop_requested()) {
            Level& level = levels.back();
            if (level.next == level.order.size()) {
                levels.pop_back();
                continue;
            }
            const FolderEntry& entry = level.entries[level.order[level.next++]];
            full.assign(level.folder);
            AppendPathName(full, entry.name, syntax_, CodePage());
            if (entry.kind == EntryKind::Folder) {
                Enter(full, levels);  // level and entry go stale here
            } else {
                Found(full, entry.inode);
            }
        }
    }

    // Lists folder and puts it on top of levels, its entries in the order of
    // the paths below them: a subfolder's name sorts as if followed by the
    // separator, so "a.txt" comes before the files of folder "a" ('.' < '/').
    void Enter(std::string folder, std::vector<Level>& levels) {
        // Looked at before it is read: a folder swapped in between then
        // fails the run's moves rather than lends them its files.
        Remember(folder);
        std::vector<FolderEntry> entries;
        if (const int error = fs_.ListFolder(folder, entries); error != 0) {
            out_.problems.push_back({std::move(folder), error});
            return;
        }
        std::erase_if(entries, [this](const FolderEntry& entry) {
            if (entry.kind == EntryKind::FolderLink) return true;
            if (entry.kind != EntryKind::Folder) return false;
            if (entry.name == "." || entry.name == "..") return true;
            out_.subfolders_skipped += !recurse_;
            return !recurse_;
        });
        // The entries stay where the listing put them and only their order
        // is sorted: a copy of a large folder's entries would double what
        // the drop holds while it walks.
        std::vector<uint32_t> order(entries.size());
        size_t files = 0;
        size_t bytes = 0;
        for (size_t i = 0; i < entries.size(); ++i) {
            order[i] = uint32_t(i);
            if (entries[i].kind == EntryKind::Folder) {
                entries[i].name += Separator(syntax_);
            } else {
                ++files;
                bytes += folder.size() + 1 + entries[i].name.size();
            }
        }
        std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
            return RenameList::PathLess(entries[a].name, entries[b].name);
        });
        for (FolderEntry& entry : entries)
            if (entry.kind == EntryKind::Folder) entry.name.pop_back();
        out_.files.ReserveMore(files, bytes);
        levels.push_back(Level{std::move(folder), std::move(entries), std::move(order), 0});
    }

    // A file system that numbers its files anew at every look gives a
    // folder no identity worth holding it to.
    void Remember(const std::string& folder) {
        if (FileStamp stamp; fs_.Stamp(folder, stamp) == 0 && !IsWeak(stamp.identity))
            out_.folders.insert_or_assign(folder, stamp.identity);
    }

    void Found(std::string_view path, uint64_t inode) {
        out_.files.Add(path, inode);
        if (progress_ && out_.files.size() % kProgressEvery == 0) progress_(out_.files.size(), 0);
    }

    FileSystem& fs_;
    PathSyntax syntax_;
    bool recurse_;
    Gathered& out_;
    const Progress& progress_;
    std::stop_token stop_;
};

}  // namespace

void GatherFiles(FileSystem& fs, std::string_view path, bool recurse, Gathered& out,
                 const Progress& progress, std::stop_token stop) {
    if (stop.stop_requested()) return;
    Collector(fs, recurse, out, progress, std::move(stop)).Dropped(path);
}

}  // namespace zentavo
