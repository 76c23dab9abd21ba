#include "app_test_support.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>

#include <QWidget>

namespace zentavo::testing {

QPalette DarkPalette() {
    QPalette dark;
    const QColor window(53, 53, 53);
    for (const auto role : {QPalette::Window, QPalette::Button}) dark.setColor(role, window);
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

}  // namespace zentavo::testing
