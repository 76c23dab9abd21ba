// The main window: the rename list, the pattern box and the buttons, shown
// over the window logic that both front ends share (window/window_logic.h),
// whose commands they give and whose state and reports they show.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>
#include <QTimer>

#include "app/dialog_units.h"
#include "app/wait_cursor.h"
#include "core/code_page.h"
#include "journal/journal_store.h"
#include "posix/posix_file_system.h"
#include "posix/posix_journal_storage.h"
#include "session/rename_session.h"
#include "window/front_end.h"
#include "window/window_logic.h"

class QAction;
class QCheckBox;
class QComboBox;
class QMenu;
class QPushButton;

namespace zentavo {

class ProgressDialog;
class RenameListModel;
class RenameListView;

class CRenamerDlg : public QDialog, private WindowFrontEnd {
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
    // their journals in journal_folder, written through journal_os. The
    // files are reached through fs; null for either: the real system.
    explicit CRenamerDlg(const CodePage& page, QWidget* parent = nullptr,
                         std::string journal_folder = DefaultJournalFolder(),
                         FileSystem* fs = nullptr, Os* journal_os = nullptr);
    ~CRenamerDlg() override;

    const RenameSession& session() const { return logic_.session(); }
    // Whether a drop, naming, rename or undo is under way: the window takes
    // no other command until it is over.
    bool busy() const { return logic_.state().busy; }
    // Whether the preview is looking for rows it must warn of.
    bool checking() const { return logic_.checking(); }

signals:
    // Help is wanted at context: this window's, or that of its About box.
    void helpRequested(int context);

public slots:
    void OnDropFiles(const std::vector<std::string>& paths);
    void OnSetFilenames();
    void OnRename();
    void OnExit();
    void OnSysCommand(unsigned id);
    // Undo takes back the newest rename run that stands, Redo re-applies the
    // run undone last (see the history in journal/run_history.h).
    void OnUndo();
    void OnRedo();
    // Add files, or a folder, chosen in the platform's file dialog as if
    // they were dropped.
    void OnAddFiles();
    void OnAddFolder();
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
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* CreateButton(const QString& text, const QRect& rect, const QString& name);
    void CreatePatternBox();
    void CreateRenameList();
    void CreateWindowMenu();

    void PlaceControls();
    void ShareColumns();

    void OnKeydownList(const QKeyEvent& key);
    void RequestFocusContextMenu();
    // Whether a key belongs to the window's Undo or Redo rather than to the
    // pattern box, which has nothing of its own to undo or redo.
    bool PassesToHistory(const QKeyEvent& key) const;
    void ShowProgress();
    void OnCancel();

    // What the logic asks of the window (WindowFrontEnd).
    void Post(std::function<void()> task) override;
    void JobStarted() override;
    void JobEnded() override;
    void RowsChanging(bool replace) override;
    void RowsChanged() override;
    void RemoveRows(std::vector<size_t> rows) override;
    void NamesChanged() override;
    void ShowWarnings(std::vector<TargetProblem> warnings) override;
    void AddNotes(const std::vector<RowNote>& notes) override;
    // Ends the pattern box's own undo history; its text stays.
    void RunEnded() override;
    void StateChanged() override;
    void Tell(const Report& report) override;
    bool Ask(const Question& question) override;
    void Close() override;

    const DialogUnits units_;
    PosixFileSystem posix_fs_;
    WindowLogic logic_;
    RenameListModel* model_;

    std::optional<WaitCursor> wait_cursor_;
    QTimer progress_delay_;
    QTimer progress_ticks_;
    ProgressDialog* progress_ = nullptr;
    // Whether the user set the columns' widths: then they keep them.
    bool columns_set_by_user_ = false;
    bool sharing_columns_ = false;

    QComboBox* pattern_box_;
    QCheckBox* recurse_check_;
    QPushButton* set_filenames_button_;
    QPushButton* rename_button_;
    RenameListView* rename_list_;
    // Where the file dialogs open: the folder chosen from last.
    QString dialog_folder_;
    QMenu* window_menu_;
    QAction* undo_action_;
    QAction* redo_action_;
};

}  // namespace zentavo
