#include "tests/engine/fake_file_system.h"

#include <algorithm>
#include <cerrno>

#include "core/utf8.h"
#include "engine/lexical_path.h"

namespace zentavo::testing {

namespace {

const std::string kFolder = "<folder>";
const std::string kLink = "<link>";

std::string Parent(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

FakeFileSystem::FakeFileSystem(std::string current_folder)
    : current_folder_(std::move(current_folder)) {
    nodes_["/"] = kFolder;
    AddFolder(current_folder_);
}

void FakeFileSystem::AddFolder(const std::string& path) {
    if (path == "/" || Exists(path)) return;
    AddFolder(Parent(path));
    nodes_[path] = kFolder;
    Made(path);
}

void FakeFileSystem::Made(const std::string& path) {
    inodes_[path] = {next_inode_++, keep_birth_ ? now_ns_ : 0, now_ns_};
}

// The device of the innermost mount above path; 1 outside every mount.
uint64_t FakeFileSystem::DeviceOf(const std::string& path) const {
    for (std::string folder = path; folder != "/"; folder = Parent(folder)) {
        if (const auto mount = devices_.find(folder); mount != devices_.end())
            return mount->second;
    }
    return 1;
}

void FakeFileSystem::AddFile(const std::string& path, std::string content) {
    AddFolder(Parent(path));
    nodes_[path] = std::move(content);
    Made(path);
}

void FakeFileSystem::Recreate(const std::string& path, std::string content) {
    nodes_[path] = std::move(content);
    const uint64_t number = inodes_[path].number;
    Made(path);
    inodes_[path].number = number;
}

void FakeFileSystem::AddFolderLink(const std::string& path, const std::string& target) {
    AddFolder(Parent(path));
    nodes_[path] = kLink;
    link_targets_[path] = target;
}

int FakeFileSystem::Search(const std::string& path, EntryKind& kind) {
    const auto it = nodes_.find(LexicallyAbsolute("/", path));
    if (it == nodes_.end()) return ENOENT;
    kind = it->second == kFolder ? EntryKind::Folder
           : it->second == kLink ? EntryKind::FolderLink
                                 : EntryKind::File;
    return 0;
}

int FakeFileSystem::ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) {
    if (const auto error = listing_errors_.find(folder); error != listing_errors_.end())
        return error->second;
    if (folder.empty() || !nodes_.count(folder)) return ENOENT;
    if (const auto link = link_targets_.find(folder); link != link_targets_.end())
        return ListFolder(link->second, entries);
    if (nodes_.at(folder) != kFolder) return ENOTDIR;
    entries.push_back({".", EntryKind::Folder});
    entries.push_back({"..", EntryKind::Folder});
    const std::string prefix = folder == "/" ? "/" : folder + "/";
    for (auto it = nodes_.lower_bound(prefix); it != nodes_.end(); ++it) {
        const std::string& path = it->first;
        if (path.compare(0, prefix.size(), prefix) != 0) break;
        const std::string name = path.substr(prefix.size());
        if (name.empty() || name.find('/') != std::string::npos) continue;
        EntryKind kind = EntryKind::File;
        Search(path, kind);
        const auto inode = inodes_.find(path);
        entries.push_back({name, kind, inode == inodes_.end() ? 0 : inode->second.number});
    }
    return 0;
}

int FakeFileSystem::AbsolutePath(std::string_view path, std::string& absolute) {
    if (path.empty()) return ENOENT;
    absolute = LexicallyAbsolute(current_folder_, path);
    return 0;
}

// Component by component, a link's target taking the place of the path so far.
int FakeFileSystem::RealPath(const std::string& path, std::string& real) {
    ++resolutions_;
    real = "/";
    for (size_t at = 1; at < path.size();) {
        const size_t slash = std::min(path.find('/', at), path.size());
        const std::string next = LexicallyAbsolute(real, path.substr(at, slash - at));
        at = slash + 1;
        const auto node = nodes_.find(next);
        if (node == nodes_.end()) return ENOENT;
        const auto link = link_targets_.find(next);
        real = link == link_targets_.end() ? next : link->second;
        if (at < path.size() && nodes_.at(real) != kFolder) return ENOTDIR;
    }
    return 0;
}

MoveResult FakeFileSystem::MoveNoReplace(const std::string& from, const std::string& to,
                                         const std::string&) {
    MoveResult result;
    result.error = Move(from, to, result);
    return result;
}

int FakeFileSystem::Move(const std::string& raw_from, const std::string& raw_to,
                         MoveResult& result) {
    if (moves_ == kill_after_) throw Killed{};
    ++moves_;
    const std::string from = LexicallyAbsolute("/", raw_from);
    if (const auto failing = move_errors_.find(from); failing != move_errors_.end()) {
        MoveError& fault = failing->second;
        if (fault.times_left != 0) {
            if (fault.times_left > 0) --fault.times_left;
            return fault.error;
        }
    }
    const std::string to = LexicallyAbsolute("/", raw_to);
    const auto source = nodes_.find(from);
    if (source == nodes_.end()) return ENOENT;
    if (name_max_ != 0 && NameLength(std::string_view(to).substr(to.rfind('/') + 1)) > name_max_)
        return ENAMETOOLONG;
    if (from == to) return 0;
    const auto parent = nodes_.find(Parent(to));
    if (parent == nodes_.end()) return ENOENT;
    if (parent->second != kFolder) return ENOTDIR;
    if (nodes_.count(to)) return EEXIST;
    std::string content = std::move(source->second);
    nodes_.erase(source);
    nodes_[to] = std::move(content);
    if (DeviceOf(from) == DeviceOf(to)) {
        inodes_[to] = inodes_[from];
        inodes_[to].changed_ns = now_ns_;
    } else {
        Made(to);
        result.new_identity = {DeviceOf(to), inodes_[to].number};
    }
    inodes_.erase(from);
    return 0;
}

int FakeFileSystem::Stamp(const std::string& path, FileStamp& stamp) {
    const auto found = inodes_.find(LexicallyAbsolute("/", path));
    if (found == inodes_.end()) return ENOENT;
    const std::string& content = nodes_.at(found->first);
    const Inode& inode = found->second;
    stamp = {{DeviceOf(found->first), inode.number}, inode.born_ns, inode.changed_ns,
             content.empty()};
    return 0;
}

int FakeFileSystem::NameMax(const std::string& folder, size_t& longest) {
    const auto found = nodes_.find(LexicallyAbsolute("/", folder));
    if (found == nodes_.end()) return ENOENT;
    if (found->second != kFolder) return ENOTDIR;
    longest = name_max_;
    return 0;
}

size_t FakeFileSystem::NameLength(std::string_view name) {
    return utf16_names_ ? Utf16Length(name) : name.size();
}

int FakeFileSystem::RemoveIfSame(const std::string& path, const FileIdentity& identity) {
    FileStamp stamp;
    if (const int error = Stamp(path, stamp); error != 0) return error;
    if (!(stamp.identity == identity)) return ESTALE;
    Remove(LexicallyAbsolute("/", path));
    return 0;
}

int FakeFileSystem::SameBytes(const std::string& a, const std::string& b, bool& same) {
    const std::string first = LexicallyAbsolute("/", a);
    const std::string second = LexicallyAbsolute("/", b);
    if (!Exists(first) || !Exists(second)) return ENOENT;
    same = nodes_.at(first) == nodes_.at(second);
    return 0;
}

}  // namespace zentavo::testing
