// The main window: the rename list, the pattern box and the buttons that
// drive the naming core and the file operations.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>
#include <QTimer>

#include "app/background_job.h"
#include "app/dialog_units.h"
#include "app/wait_cursor.h"
#include "core/code_page.h"
#include "journal/journal_store.h"
#include "posix/posix_file_system.h"
#include "posix/posix_journal_storage.h"
#include "session/rename_session.h"

class QAction;
class QCheckBox;
class QComboBox;
class QMenu;
class QPushButton;

namespace zentavo {

class ProgressDialog;
struct Report;
class RenameListModel;
class RenameListView;

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
    // their journals in journal_folder, written through journal_os. The
    // files are reached through fs; null for either: the real system.
    explicit CRenamerDlg(const CodePage& page, QWidget* parent = nullptr,
                         std::string journal_folder = DefaultJournalFolder(),
                         FileSystem* fs = nullptr, Os* journal_os = nullptr);
    ~CRenamerDlg() override;

    const RenameSession& session() const { return session_; }
    // Whether a drop, naming, rename or undo is under way: the window takes
    // no other command until it is over.
    bool busy() const { return job_.running(); }

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
    enum class Job { Drop, SetFilenames, Rename, Undo, Redo };

    QPushButton* CreateButton(const QString& text, const QRect& rect, const QString& name);
    void CreatePatternBox();
    void CreateRenameList();
    void CreateWindowMenu();

    void PlaceControls();
    void ShareColumns();

    void OnKeydownList(const QKeyEvent& key);
    void RequestFocusContextMenu();
    // Renames the pending rows, with a journal unless journaled is clear.
    void RunRename(bool journaled);
    // The Undo and Redo entries say what they would act on.
    void UpdateHistoryEntries();
    void RunUndo(bool redo);
    // Whether a key belongs to the window's Undo or Redo rather than to the
    // pattern box, which has nothing of its own to undo or redo.
    bool PassesToHistory(const QKeyEvent& key) const;
    // Ends the pattern box's own undo history; its text stays.
    void EndPatternHistory();

    // Runs work off this thread (or here, for small work) while the window
    // takes no commands, shows its progress after a moment, then runs done
    // here.
    void RunJob(Job job, std::function<void()> work, std::function<void()> done,
                bool small = false);
    void OnJobFinished();
    void ShowProgress();
    void OnCancel();
    // Looks for the rows the preview must warn of, off this thread.
    void StartCheck();
    void StopCheck();
    void Tell(const Report& report);

    const DialogUnits units_;
    PosixFileSystem posix_fs_;
    FileSystem& fs_;
    JournalStore journals_;
    RenameSession session_;
    RenameListModel* model_;

    BackgroundJob job_;
    Job job_kind_ = Job::Drop;
    std::function<void()> job_done_;
    std::optional<WaitCursor> wait_cursor_;
    QTimer progress_delay_;
    QTimer progress_ticks_;
    ProgressDialog* progress_ = nullptr;
    bool close_when_done_ = false;
    // Paths handed over while a job ran, dropped once it is over.
    std::vector<std::string> queued_drop_;

    BackgroundJob check_job_;
    std::function<void()> check_done_;
    // The rows have new names that a check can look at.
    bool names_to_check_ = false;
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
