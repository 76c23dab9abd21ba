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
        EntryKind kind = EntryKind::File;
        const std::string absolute = fs_.AbsolutePath(path);
        if (const int error = fs_.Search(absolute, kind); error != 0) {
            out_.problems.push_back({std::string(path), error});
            return;
        }
        switch (kind) {
            case EntryKind::File:
                Found(absolute);
                break;
            case EntryKind::Folder:
                if (depth == 0 || recurse_) Walk(absolute, depth + 1);
                break;
            case EntryKind::FolderLink:
                // The user chose this link; links met below it are not entered.
                if (depth == 0) Walk(absolute, depth + 1);
                break;
        }
    }

private:
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
                    Found(full);
                }
            }
        }
    }

    void Found(const std::string& path) {
        out_.files.push_back(path);
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
