#include "app_test_support.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace zentavo::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "zentavo-app-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string TempFolder::AddFolder(const std::string& relative) const {
    const std::string full = path_ + "/" + relative;
    fs::create_directories(full);
    return full;
}

std::string TempFolder::AddFile(const std::string& relative, const std::string& content) const {
    const std::string full = path_ + "/" + relative;
    fs::create_directories(fs::path(full).parent_path());
    const int fd = open(full.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) throw std::runtime_error("cannot create " + full);
    const ssize_t written = write(fd, content.data(), content.size());
    close(fd);
    if (written != ssize_t(content.size())) throw std::runtime_error("cannot write " + full);
    return full;
}

bool TempFolder::Exists(const std::string& relative) const {
    struct stat info;
    return lstat((path_ + "/" + relative).c_str(), &info) == 0;
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

}  // namespace zentavo::testing
