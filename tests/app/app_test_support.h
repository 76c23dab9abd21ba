// Helpers shared by the window tests: real files in a temporary folder,
// drops as the desktop delivers them, and a recorder of message boxes.
#pragma once

#include <string>
#include <vector>

#include <QPalette>
#include <QString>
#include <QUrl>

#include "app/message_boxes.h"
#include "tests/support/temp_folder.h"
#include "tests/window/gated_file_system.h"

class QWidget;

namespace zentavo::testing {

// The file URL of a byte path, each byte that is not unreserved
// percent-encoded, as file managers send it.
QByteArray FileUrl(const std::string& path);

// Drops a text/uri-list with these lines on widget, as a real drop arrives:
// drag enter, drag move, then drop. Returns whether the drop was accepted.
bool DropUriList(QWidget* widget, const QByteArray& uri_list);
bool DropPaths(QWidget* widget, const std::vector<std::string>& paths);

// A dark Fusion palette, as dark desktop themes give it.
QPalette DarkPalette();

struct ShownBox {
    QWidget* owner;
    MessageIcon icon;
    QString caption;
    QString text;
    QString detail;
};

// Records every box instead of showing it, for as long as it lives.
class BoxRecorder : public MessageBoxes {
public:
    BoxRecorder() { InstallMessageBoxes(this); }
    ~BoxRecorder() override { InstallMessageBoxes(nullptr); }

    void Show(QWidget* owner, MessageIcon icon, const QString& caption, const QString& text,
              const QString& detail) override {
        boxes.push_back({owner, icon, caption, text, detail});
    }
    // A question is recorded and answered with answer.
    bool Ask(QWidget* owner, const QString& caption, const QString& text) override {
        boxes.push_back({owner, MessageIcon::Question, caption, text, {}});
        return answer;
    }

    std::vector<ShownBox> boxes;
    bool answer = true;
};

}  // namespace zentavo::testing
