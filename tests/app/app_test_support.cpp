#include "app_test_support.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>

#include <QWidget>
#include <optional>

namespace zentavo::testing {

QPalette DarkPalette() {
    QPalette dark;
    const QColor window(53, 53, 53);
    for (const auto role : {QPalette::Window, QPalette::Button})
        dark.setColor(role, window);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                            QPalette::HighlightedText, QPalette::ToolTipText})
        dark.setColor(role, Qt::white);
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    dark.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    dark.setColor(QPalette::ToolTipBase, window);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return dark;
}

QByteArray FileUrl(const std::string& path) {
    return "file://" + QByteArray(path.data(), qsizetype(path.size())).toPercentEncoding("/");
}

bool DropUriList(QWidget* widget, const QByteArray& uri_list) {
    QMimeData data;
    data.setData(QStringLiteral("text/uri-list"), uri_list);
    const QPoint at = widget->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    if (!enter.isAccepted()) return false;
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &drop);
    return drop.isAccepted();
}

bool DropPaths(QWidget* widget, const std::vector<std::string>& paths) {
    QByteArray uri_list;
    for (const std::string& path : paths) uri_list += FileUrl(path) + "\r\n";
    return DropUriList(widget, uri_list);
}

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

void GatedFileSystem::Wait() {
    std::unique_lock lock(mutex_);
    holding_ = true;
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
