#include "tests/window/gated_file_system.h"

#include <optional>

namespace zentavo::testing {

void GatedFileSystem::HoldMove(int n) {
    std::lock_guard lock(mutex_);
    open_ = false;
    moves_to_hold_ = n;
}

void GatedFileSystem::HoldListings() {
    std::lock_guard lock(mutex_);
    open_ = false;
    hold_listings_ = true;
}

bool GatedFileSystem::holding() {
    std::lock_guard lock(mutex_);
    return holding_;
}

void GatedFileSystem::Open() {
    {
        std::lock_guard lock(mutex_);
        open_ = true;
    }
    opened_.notify_all();
}

void GatedFileSystem::FailMove(const std::string& from, MoveResult result) {
    std::lock_guard lock(mutex_);
    failures_[from] = std::move(result);
}

void GatedFileSystem::WaitUntilHolding() {
    std::unique_lock lock(mutex_);
    held_.wait(lock, [this] { return holding_; });
}

void GatedFileSystem::Wait() {
    std::unique_lock lock(mutex_);
    holding_ = true;
    held_.notify_all();
    opened_.wait(lock, [this] { return open_; });
    holding_ = false;
}

int GatedFileSystem::Search(const std::string& path, EntryKind& kind) {
    return real_.Search(path, kind);
}

int GatedFileSystem::ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) {
    bool hold = false;
    {
        std::lock_guard lock(mutex_);
        hold = hold_listings_ && !open_;
    }
    if (hold) Wait();
    return real_.ListFolder(folder, entries);
}

int GatedFileSystem::AbsolutePath(std::string_view path, std::string& absolute) {
    return real_.AbsolutePath(path, absolute);
}

int GatedFileSystem::RealPath(const std::string& path, std::string& real) {
    return real_.RealPath(path, real);
}

MoveResult GatedFileSystem::MoveNoReplace(const std::string& from, const std::string& to,
                                          const std::string& scratch_name) {
    bool hold = false;
    std::optional<MoveResult> failure;
    {
        std::lock_guard lock(mutex_);
        hold = moves_to_hold_ > 0 && --moves_to_hold_ == 0 && !open_;
        if (const auto found = failures_.find(from); found != failures_.end())
            failure = found->second;
    }
    if (hold) Wait();
    if (failure) return *failure;
    return real_.MoveNoReplace(from, to, scratch_name);
}

int GatedFileSystem::Stamp(const std::string& path, FileStamp& stamp) {
    return real_.Stamp(path, stamp);
}

int GatedFileSystem::NameMax(const std::string& folder, size_t& longest) {
    return real_.NameMax(folder, longest);
}

int GatedFileSystem::RemoveIfSame(const std::string& path, const FileIdentity& identity) {
    return real_.RemoveIfSame(path, identity);
}

int GatedFileSystem::SameBytes(const std::string& a, const std::string& b, bool& same) {
    return real_.SameBytes(a, b, same);
}

}  // namespace zentavo::testing
