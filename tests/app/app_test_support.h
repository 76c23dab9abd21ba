// Helpers shared by the window tests: real files in a temporary folder,
// drops as the desktop delivers them, and a recorder of message boxes.
#pragma once

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include <QPalette>
#include <QString>
#include <QUrl>

#include "app/message_boxes.h"
#include "posix/posix_file_system.h"
#include "tests/support/temp_folder.h"

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

// The real file system, with a gate that holds a chosen call on the thread
// that makes it until the test opens it, and moves that fail as told.
class GatedFileSystem : public FileSystem {
public:
    // The n-th move from now (counting from 1) waits at the gate.
    void HoldMove(int n);
    // Every folder listing waits at the gate.
    void HoldListings();
    // A call is waiting at the gate.
    bool holding();
    // Lets the held call and every later one through.
    void Open();
    // The move of from does not happen and reports result instead.
    void FailMove(const std::string& from, MoveResult result);

    int Search(const std::string& path, EntryKind& kind) override;
    int ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) override;
    int AbsolutePath(std::string_view path, std::string& absolute) override;
    int RealPath(const std::string& path, std::string& real) override;
    MoveResult MoveNoReplace(const std::string& from, const std::string& to,
                             const std::string& scratch_name) override;
    void ReleaseFolders() override { real_.ReleaseFolders(); }
    void ExpectFolders(const FolderIdentities& listed) override { real_.ExpectFolders(listed); }
    int Stamp(const std::string& path, FileStamp& stamp) override;
    int NameMax(const std::string& folder, size_t& longest) override;
    size_t NameLength(std::string_view name) override { return real_.NameLength(name); }
    int RemoveIfSame(const std::string& path, const FileIdentity& identity) override;
    int SameBytes(const std::string& a, const std::string& b, bool& same) override;

private:
    void Wait();

    PosixFileSystem real_;
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = true;
    bool holding_ = false;
    int moves_to_hold_ = 0;
    bool hold_listings_ = false;
    std::map<std::string, MoveResult> failures_;
};

}  // namespace zentavo::testing
