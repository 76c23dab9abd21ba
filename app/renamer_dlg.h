// The main window: the rename list, the pattern box and the buttons that
// drive the naming core and the file operations.
#pragma once

#include <string>
#include <vector>

#include <QDialog>

#include "app/dialog_units.h"
#include "core/code_page.h"
#include "fileops/journal_store.h"
#include "fileops/posix_file_system.h"
#include "fileops/rename_session.h"

class QAction;
class QCheckBox;
class QComboBox;
class QMenu;
class QPushButton;
class QTreeView;

namespace zentavo {

class RenameListModel;

class CRenamerDlg : public QDialog {
    Q_OBJECT
public:
    // The help context the window answers help requests with.
    static constexpr int kHelpContext = 131174;
    // Window-menu commands: 16 to 31 open the About box, 57670 asks for
    // help; the window manager's own commands (minimise, close) are
    // carried out as it would.
    static constexpr unsigned kAboutCommand = 16;
    static constexpr unsigned kHelpCommand = 57670;
    static constexpr unsigned kMinimizeCommand = 0xF020;
    static constexpr unsigned kCloseCommand = 0xF060;

    // page reads the dropped paths and the typed pattern; rename runs keep
    // their journals in journal_folder.
    explicit CRenamerDlg(const CodePage& page, QWidget* parent = nullptr,
                         std::string journal_folder = DefaultJournalFolder());
    ~CRenamerDlg() override;

    const RenameSession& session() const { return session_; }

signals:
    // Help is wanted at context: this window's, or that of its About box.
    void helpRequested(int context);

public slots:
    void OnDropFiles(const std::vector<std::string>& paths);
    void OnSetFilenames();
    void OnRename();
    void OnExit();
    void OnSysCommand(unsigned id);
    void OnUndoLastRename();
    // When the newest run in the journal was cut short, says so and offers
    // to undo it. For the start of the program.
    void OfferUndoOfInterruptedRun();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* CreateButton(const QString& text, const QRect& rect, const QString& name);
    void CreatePatternBox();
    void CreateRenameList();
    void CreateWindowMenu();

    void OnKeydownList(const QKeyEvent& key);
    void UpdateUndoEntry();
    void ReportUndo(int error, const UndoOutcome& outcome);
    void RequestFocusContextMenu();

    const DialogUnits units_;
    PosixFileSystem fs_;
    JournalStore journals_;
    RenameSession session_;
    RenameListModel* model_;

    QComboBox* pattern_box_;
    QCheckBox* recurse_check_;
    QPushButton* set_filenames_button_;
    QPushButton* rename_button_;
    QTreeView* rename_list_;
    QMenu* window_menu_;
    QAction* undo_action_;
};

}  // namespace zentavo
