// The main window: the rename list, the pattern box and the buttons that
// drive the naming core and the file operations.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QPixmap>
#include <QString>

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

    // The window menu: the entries the window manager would show, then a
    // separator (an entry without text), the About box and help.
    struct MenuEntry {
        QString text;
        unsigned command = 0;
    };
    const std::vector<MenuEntry>& system_menu() const { return system_menu_; }

    // A command of the window menu: 16 to 31 open the About box, 57670 asks
    // for help, anything else is the window's own (minimise, close).
    void OnSysCommand(unsigned id);

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
    bool OnPaint();

    void ExtendSystemMenu();
    void ShowSystemMenu(const QPoint& where);
    void DefaultSysCommand(unsigned id);

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

    QPixmap large_icon_;
    QPixmap small_icon_;
    std::vector<MenuEntry> system_menu_;
};

}  // namespace zentavo
