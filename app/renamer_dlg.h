// The main window: the rename list, the pattern box and the buttons that
// drive the naming core and the file operations.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/template_dialog.h"
#include "fileops/file_system.h"
#include "fileops/rename_session.h"

class QCheckBox;
class QComboBox;
class QMimeData;
class QPushButton;
class QTreeView;

namespace zentavo {

class RenameListModel;

class CRenamerDlg : public TemplateDialog {
    Q_OBJECT
  public:
    // Works on the real file system.
    explicit CRenamerDlg(QWidget* owner = nullptr);
    // Works on fs, which must outlive the window.
    explicit CRenamerDlg(FileSystem& fs, QWidget* owner = nullptr);
    ~CRenamerDlg() override;

    const RenameSession& session() const { return session_; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

  private:
    // Works on fs, or on own_fs when fs is null.
    CRenamerDlg(std::unique_ptr<FileSystem> own_fs, FileSystem* fs, QWidget* owner);

    void BindMessageMap();

    void OnDropFiles(const std::vector<std::string>& paths);
    void OnSetFilenames();
    void OnRename();
    void OnKeydownList(const QKeyEvent& key);
    void OnExit();

    void SetColumnWidths();
    std::vector<std::string> DroppedPaths(const QMimeData& data) const;

    std::unique_ptr<FileSystem> own_fs_;
    RenameSession session_;
    RenameListModel* model_;

    QComboBox* pattern_box_;
    QCheckBox* recurse_check_;
    QPushButton* set_filenames_button_;
    QPushButton* rename_button_;
    QTreeView* rename_list_;
};

}  // namespace zentavo
