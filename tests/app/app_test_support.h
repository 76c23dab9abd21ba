// Helpers shared by the window tests: real files in a temporary folder,
// drops as the desktop delivers them, and a recorder of message boxes.
#pragma once

#include <string>
#include <vector>

#include <QString>
#include <QUrl>

#include "app/message_boxes.h"

class QWidget;

namespace zentavo::testing {

// A fresh folder under the system's temporary folder, removed with its
// contents at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    // Creates the file (and its folders) at this path relative to the folder;
    // returns its full path.
    std::string AddFile(const std::string& relative, const std::string& content = "x") const;
    std::string AddFolder(const std::string& relative) const;
    bool Exists(const std::string& relative) const;

  private:
    std::string path_;
};

// The file URL of a byte path, each byte that is not unreserved
// percent-encoded, as file managers send it.
QByteArray FileUrl(const std::string& path);

// Drops a text/uri-list with these lines on widget, as a real drop arrives:
// drag enter, drag move, then drop. Returns whether the drop was accepted.
bool DropUriList(QWidget* widget, const QByteArray& uri_list);
bool DropPaths(QWidget* widget, const std::vector<std::string>& paths);

struct ShownBox {
    QWidget* owner;
    MessageIcon icon;
    QString caption;
    QString text;
};

// Records every box instead of showing it, for as long as it lives.
class BoxRecorder : public MessageBoxes {
  public:
    BoxRecorder() { InstallMessageBoxes(this); }
    ~BoxRecorder() override { InstallMessageBoxes(nullptr); }

    void Show(QWidget* owner, MessageIcon icon, const QString& caption,
              const QString& text) override {
        boxes.push_back({owner, icon, caption, text});
    }

    std::vector<ShownBox> boxes;
};

}  // namespace zentavo::testing
