#include "fileops/file_collection.h"

#include <utility>

namespace zentavo {

namespace {

constexpr size_t kProgressEvery = 4096;

class Collector {
public:
    Collector(FileSystem& fs, bool recurse, Gathered& out, const Progress& progress)
        : fs_(fs), recurse_(recurse), out_(out), progress_(progress) {}

    void Dropped(std::string_view path, int depth) {
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
                    if (depth == 0 || recurse_) Walk(resolved, depth + 1);
                    break;
                case EntryKind::FolderLink:
                    // The user chose this link; links met below it are not
                    // entered.
                    if (depth > 0) break;
                    if (std::string real; (error = fs_.RealPath(resolved, real)) == 0)
                        Walk(std::move(real), depth + 1);
                    break;
            }
        }
        if (error != 0) out_.problems.push_back({std::string(path), error});
    }

private:
    // The real path of the folder that holds absolute, followed by its last
    // name as it stands.
    int ResolveFolderOf(const std::string& absolute, std::string& resolved) {
        const size_t slash = absolute.rfind('/');
        if (absolute == "/" || slash == std::string::npos) {
            resolved = absolute;
            return 0;
        }
        const std::string folder = slash == 0 ? "/" : absolute.substr(0, slash);
        auto known = out_.real_folders.find(folder);
        if (known == out_.real_folders.end()) {
            std::string real;
            if (const int error = fs_.RealPath(folder, real); error != 0) return error;
            known = out_.real_folders.emplace(folder, std::move(real)).first;
        }
        resolved = known->second;
        if (resolved.back() != '/') resolved += '/';
        resolved.append(absolute, slash + 1);
        return 0;
    }

    // Depth-first with an explicit stack: folder trees may be deeper than the
    // call stack is safe for.
    void Walk(std::string root, int depth) {
        std::vector<std::pair<std::string, int>> pending;
        pending.emplace_back(std::move(root), depth);
        std::vector<FolderEntry> entries;
        std::string full;
        while (!pending.empty()) {
            auto [folder, level] = std::move(pending.back());
            pending.pop_back();
            entries.clear();
            if (const int error = fs_.ListFolder(folder, entries); error != 0) {
                out_.problems.push_back({folder, error});
                continue;
            }
            const bool ends_in_slash = !folder.empty() && folder.back() == '/';
            for (FolderEntry& entry : entries) {
                if (entry.kind == EntryKind::FolderLink) continue;
                if (entry.kind == EntryKind::Folder &&
                    (entry.name == "." || entry.name == ".." || !recurse_))
                    continue;
                full.assign(folder);
                if (!ends_in_slash) full += '/';
                full += entry.name;
                if (entry.kind == EntryKind::Folder) {
                    pending.emplace_back(full, level + 1);
                } else {
                    Found(full, entry.inode);
                }
            }
        }
    }

    void Found(std::string_view path, uint64_t inode) {
        out_.files.Add(path, inode);
        if (progress_ && out_.files.size() % kProgressEvery == 0) progress_(out_.files.size(), 0);
    }

    FileSystem& fs_;
    bool recurse_;
    Gathered& out_;
    const Progress& progress_;
};

}  // namespace

void GatherFiles(FileSystem& fs, std::string_view path, int depth, bool recurse, Gathered& out,
                 const Progress& progress) {
    Collector(fs, recurse, out, progress).Dropped(path, depth);
}

size_t AddFiles(FileSystem& fs, RenameList& list, std::string_view path, int depth, bool recurse) {
    Gathered gathered;
    GatherFiles(fs, path, depth, recurse, gathered);
    return list.InsertNew(std::move(gathered.files));
}

}  // namespace zentavo
