#include "app/renamer_dlg.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QStyle>
#include <QSysInfo>

#include <QResizeEvent>

#include "app/about_dlg.h"
#include "app/dialog_layout.h"
#include "app/fit_validator.h"
#include "app/focus_selection_delegate.h"
#include "app/locale_text.h"
#include "app/message_boxes.h"
#include "app/message_text.h"
#include "app/progress_dialog.h"
#include "app/rename_list_model.h"
#include "app/rename_list_view.h"
#include "app/resources.h"
#include "app/row_images.h"
#include "app/uri_list.h"
#include "app/window_texts.h"
#include "posix/os.h"
#include "posix/posix_journal_storage.h"

namespace zentavo {

namespace {

const QString kUriListFormat = QStringLiteral("text/uri-list");

// Work that takes longer than this shows its progress.
constexpr int kProgressDelayMs = 500;
constexpr int kProgressTickMs = 100;

// A control's text as a screen reader names it: without its mnemonic ("&S",
// or "(&S)" after a Japanese or Chinese text) and a label's closing colon.
QString AccessibleName(QString text) {
    static const QRegularExpression kMnemonic(QStringLiteral("\\(&\\w\\)|&(?=\\w)"));
    static const QRegularExpression kColon(QStringLiteral("\\s*[:\uff1a]\\s*$"));
    return text.remove(kMnemonic).remove(kColon);
}

// What the user does with keys and the mouse, not what the system tells.
bool IsUserInput(const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}

// The paths chosen in a file dialog that opens in folder, which then
// becomes the folder they were chosen from. The platform's own dialog is
// used where there is one (a portal's, on a desktop that has them).
std::vector<std::string> ChooseInDialog(QWidget* owner, const QString& caption,
                                        QFileDialog::FileMode mode, QString& folder) {
    QFileDialog dialog(owner, caption, folder);
    dialog.setObjectName(QStringLiteral("addDialog"));
    dialog.setFileMode(mode);
    if (mode == QFileDialog::Directory) dialog.setOption(QFileDialog::ShowDirsOnly);
    std::vector<std::string> paths;
    if (dialog.exec() != QDialog::Accepted) return paths;
    for (const QString& path : dialog.selectedFiles())
        paths.push_back(QFile::encodeName(path).toStdString());
    folder = dialog.directory().absolutePath();
    return paths;
}

// A rectangle of the template that keeps its distance to the bottom edge,
// and to the right edge when anchored there; the list takes the room gained.
QRect Placed(const QRect& rect, const QSize& gained, bool right) {
    return rect.translated(right ? gained.width() : 0, gained.height());
}

}  // namespace

CRenamerDlg::CRenamerDlg(const CodePage& page, QWidget* parent, std::string journal_folder,
                         FileSystem* fs, Os* journal_os)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
      units_(DialogUnits::ForFont(font())),
      logic_(*this, fs ? *fs : posix_fs_,
             PosixJournals(journal_os ? *journal_os : SystemOs(), std::move(journal_folder)), page),
      model_(new RenameListModel(logic_.session().list(), page, RowImageList::Load(),
                                 &logic_.session().list_writing(), this)),
      dialog_folder_(QDir::homePath()) {
    setWindowTitle(Texts::MainCaption());
    setWindowIcon(AppIcon());
    setMinimumSize(units_.ToPixels(layout::kMainWindow));
    resize(minimumSize());

    // In tab order.
    auto* pattern_label = new QLabel(Texts::PatternLabel(), this);
    pattern_label->setObjectName(QStringLiteral("patternLabel"));
    pattern_label->setGeometry(units_.ToPixels(layout::kPatternLabel));
    CreatePatternBox();
    pattern_label->setBuddy(pattern_box_);
    // The box's field, where the focus is, is what a screen reader names.
    pattern_box_->setAccessibleName(AccessibleName(Texts::PatternLabel()));
    pattern_box_->lineEdit()->setAccessibleName(pattern_box_->accessibleName());

    recurse_check_ = new QCheckBox(Texts::RecurseCheck(), this);
    recurse_check_->setObjectName(QStringLiteral("recurseCheck"));
    recurse_check_->setAccessibleName(AccessibleName(Texts::RecurseCheck()));
    recurse_check_->setGeometry(units_.ToPixels(layout::kRecurseCheck));

    set_filenames_button_ = CreateButton(Texts::SetFilenamesButton(), layout::kSetFilenamesButton,
                                         QStringLiteral("setFilenamesButton"));
    rename_button_ =
        CreateButton(Texts::RenameButton(), layout::kRenameButton, QStringLiteral("renameButton"));
    QPushButton* help_button =
        CreateButton(Texts::HelpButton(), layout::kHelpButton, QStringLiteral("helpButton"));
    QPushButton* exit_button =
        CreateButton(Texts::ExitButton(), layout::kExitButton, QStringLiteral("exitButton"));
    CreateRenameList();
    CreateWindowMenu();

    connect(set_filenames_button_, &QPushButton::clicked, this, &CRenamerDlg::OnSetFilenames);
    connect(rename_button_, &QPushButton::clicked, this, &CRenamerDlg::OnRename);
    connect(help_button, &QPushButton::clicked, this, [this] { emit helpRequested(kHelpContext); });
    connect(exit_button, &QPushButton::clicked, this, &CRenamerDlg::OnExit);

    // F1 asks for help wherever it is pressed; with Shift, Ctrl or Alt it
    // asks for nothing.
    auto* help_key = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help_key, &QShortcut::activated, this, [this] { emit helpRequested(kHelpContext); });
    // X11 turns the Menu key into a context-menu request but not Shift+F10,
    // which means the same everywhere else.
    auto* menu_key = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menu_key, &QShortcut::activated, this, &CRenamerDlg::RequestFocusContextMenu);

    // Files are dropped on the window as a whole: no control takes them.
    setAcceptDrops(true);
    for (QWidget* child : findChildren<QWidget*>()) child->setAcceptDrops(false);

    progress_delay_.setSingleShot(true);
    progress_delay_.setInterval(kProgressDelayMs);
    connect(&progress_delay_, &QTimer::timeout, this, &CRenamerDlg::ShowProgress);
    progress_ticks_.setInterval(kProgressTickMs);
    connect(&progress_ticks_, &QTimer::timeout, this, &CRenamerDlg::ShowProgress);

    StateChanged();
}

CRenamerDlg::~CRenamerDlg() {
    // Work still under way ends before the rows and the widgets it uses.
    logic_.StopJobs();
    qApp->removeEventFilter(this);
    // The session dies before the widgets do: no view may read it after this.
    rename_list_->setModel(nullptr);
    delete model_;
}

QPushButton* CRenamerDlg::CreateButton(const QString& text, const QRect& rect,
                                       const QString& name) {
    // No button is a default button: Enter presses only the focused one.
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAccessibleName(AccessibleName(text));
    button->setAutoDefault(false);
    button->setGeometry(units_.ToPixels(rect));
    return button;
}

void CRenamerDlg::CreatePatternBox() {
    pattern_box_ = new QComboBox(this);
    pattern_box_->setObjectName(QStringLiteral("patternBox"));
    pattern_box_->setEditable(true);
    pattern_box_->setInsertPolicy(QComboBox::NoInsert);
    pattern_box_->setCompleter(nullptr);
    // The box's list is sorted; these are its entries in that order.
    pattern_box_->addItems({QStringLiteral("%3c.%<e"), QStringLiteral("%<1d-%3c.%<e")});
    pattern_box_->setEditText(QString());
    pattern_box_->lineEdit()->setValidator(new FitValidator(pattern_box_->lineEdit()));
    pattern_box_->installEventFilter(this);

    // The layout's height is that of the field with its list dropped down.
    QRect rect = units_.ToPixels(layout::kPatternBox);
    rect.setHeight(pattern_box_->sizeHint().height());
    pattern_box_->setGeometry(rect);
}

void CRenamerDlg::CreateRenameList() {
    rename_list_ = new RenameListView(this);
    rename_list_->setObjectName(QStringLiteral("renameList"));
    rename_list_->setAccessibleName(Texts::RenameListName());
    rename_list_->setGeometry(units_.ToPixels(layout::kRenameList));
    rename_list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rename_list_->setSelectionBehavior(QAbstractItemView::SelectItems);
    rename_list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    rename_list_->setItemDelegate(new FocusSelectionDelegate(rename_list_));
    // A long path keeps both ends in sight: where it is and the file's name.
    rename_list_->setTextElideMode(Qt::ElideMiddle);
    QHeaderView* header = rename_list_->horizontalHeader();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    rename_list_->setModel(model_);
    rename_list_->installEventFilter(this);

    ShareColumns();
    connect(header, &QHeaderView::sectionResized, this, [this] {
        if (!sharing_columns_) columns_set_by_user_ = true;
    });
}

void CRenamerDlg::ShareColumns() {
    if (columns_set_by_user_) return;
    // The columns share the client width less a vertical scroll bar, 7 to 3.
    const int width = rename_list_->width() - 2 * rename_list_->frameWidth() -
                      style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, rename_list_);
    QHeaderView* header = rename_list_->horizontalHeader();
    sharing_columns_ = true;
    header->resizeSection(RenameListModel::kPathColumn, width * 7 / 10);
    header->resizeSection(RenameListModel::kNewNameColumn, width * 3 / 10);
    sharing_columns_ = false;
}

void CRenamerDlg::PlaceControls() {
    // Everything below the list keeps its place as seen from the bottom
    // edge; Help and Exit from the bottom right corner.
    const QSize gained = size() - units_.ToPixels(layout::kMainWindow);
    const struct {
        const char* name;
        QRect rect;
        bool right;
    } placed[] = {
        {"patternLabel", layout::kPatternLabel, false},
        {"recurseCheck", layout::kRecurseCheck, false},
        {"setFilenamesButton", layout::kSetFilenamesButton, false},
        {"renameButton", layout::kRenameButton, false},
        {"helpButton", layout::kHelpButton, true},
        {"exitButton", layout::kExitButton, true},
    };
    for (const auto& control : placed) {
        if (auto* widget = findChild<QWidget*>(control.name))
            widget->setGeometry(Placed(units_.ToPixels(control.rect), gained, control.right));
    }
    QRect pattern = Placed(units_.ToPixels(layout::kPatternBox), gained, false);
    pattern.setHeight(pattern_box_->height());
    pattern_box_->setGeometry(pattern);
    QRect list = units_.ToPixels(layout::kRenameList);
    list.setSize(list.size() + gained);
    rename_list_->setGeometry(list);
    ShareColumns();
}

void CRenamerDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PlaceControls();
}

void CRenamerDlg::CreateWindowMenu() {
    // The window manager's menu of the title bar is out of reach; these
    // entries open on the window's free area, the Menu key and Shift+F10.
    window_menu_ = new QMenu(this);
    window_menu_->setObjectName(QStringLiteral("windowMenu"));
    // The keyboard's way to add files: the keys work with the menu closed.
    const auto add_command = [this](const QString& text, const QKeySequence& keys,
                                    const QString& name, void (CRenamerDlg::*slot)()) {
        QAction* action = window_menu_->addAction(text);
        action->setObjectName(name);
        action->setShortcut(keys);
        addAction(action);
        connect(action, &QAction::triggered, this, slot);
    };
    add_command(Texts::AddFilesEntry(), QKeySequence(Qt::CTRL | Qt::Key_O),
                QStringLiteral("addFilesAction"), &CRenamerDlg::OnAddFiles);
    add_command(Texts::AddFolderEntry(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
                QStringLiteral("addFolderAction"), &CRenamerDlg::OnAddFolder);
    window_menu_->addSeparator();
    const auto add_entry = [this](const QString& text, unsigned command) {
        connect(window_menu_->addAction(text), &QAction::triggered, this,
                [this, command] { OnSysCommand(command); });
    };
    add_entry(Texts::MinimizeEntry(), kMinimizeCommand);
    add_entry(Texts::CloseEntry(), kCloseCommand);
    window_menu_->addSeparator();
    // The keys work with the menu closed too; in the pattern box they first
    // undo and redo the typing since the last run, as in every text field.
    undo_action_ = window_menu_->addAction(Texts::UndoNothing());
    undo_action_->setObjectName(QStringLiteral("undoAction"));
    undo_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    addAction(undo_action_);
    connect(undo_action_, &QAction::triggered, this, &CRenamerDlg::OnUndo);
    redo_action_ = window_menu_->addAction(Texts::RedoNothing());
    redo_action_->setObjectName(QStringLiteral("redoAction"));
    redo_action_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    addAction(redo_action_);
    connect(redo_action_, &QAction::triggered, this, &CRenamerDlg::OnRedo);
    // Runs of zentavo-cli may have come and gone since the last look.
    connect(window_menu_, &QMenu::aboutToShow, this, [this] { logic_.RefreshHistory(); });
    window_menu_->addSeparator();
    add_entry(Texts::AboutEntry(), kAboutCommand);
    add_entry(Texts::HelpEntry(), kHelpCommand);
}

void CRenamerDlg::OnSysCommand(unsigned id) {
    if ((id & 0xFFF0) == kAboutCommand) {
        CAboutDlg about(this);
        connect(&about, &CAboutDlg::helpRequested, this, &CRenamerDlg::helpRequested);
        about.exec();
    } else if (id == kHelpCommand) {
        emit helpRequested(kHelpContext);
    } else if ((id & 0xFFF0) == kCloseCommand) {
        close();
    } else if ((id & 0xFFF0) == kMinimizeCommand) {
        showMinimized();
    }
}

void CRenamerDlg::RequestFocusContextMenu() {
    // As for the Menu key: the focused control's own menu, and the window
    // menu for a control that has none (it passes the request on).
    QWidget* target = focusWidget() ? focusWidget() : this;
    const QPoint at = target->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
    QCoreApplication::sendEvent(target, &request);
}

void CRenamerDlg::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() != QContextMenuEvent::Mouse) {
        window_menu_->exec(mapToGlobal(QPoint(0, 0)));
        return;
    }
    // Only the free area and the labels are the window's own.
    QWidget* under = childAt(event->pos());
    if (under && !qobject_cast<QLabel*>(under)) {
        event->ignore();
        return;
    }
    window_menu_->exec(event->globalPos());
}

void CRenamerDlg::keyPressEvent(QKeyEvent* event) {
    // No button is the default one, so Enter presses the focused button
    // and otherwise, like Escape, leaves the window as it is.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
            button->click();
        return;
    }
    if (event->matches(QKeySequence::Cancel)) return;
    QDialog::keyPressEvent(event);
}

bool CRenamerDlg::eventFilter(QObject* watched, QEvent* event) {
    // While a job runs, the list takes no input: its rows are not to be
    // touched. The commands ignore what comes meanwhile, and typing a
    // pattern does no harm.
    if (busy() && IsUserInput(event)) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && (widget == rename_list_ || rename_list_->isAncestorOf(widget))) return true;
    }
    if (watched == rename_list_ && event->type() == QEvent::KeyPress)
        OnKeydownList(*static_cast<QKeyEvent*>(event));
    if (watched == pattern_box_ && event->type() == QEvent::ShortcutOverride &&
        PassesToHistory(*static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void CRenamerDlg::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void CRenamerDlg::dragMoveEvent(QDragMoveEvent* event) {
    if (!busy() && event->mimeData()->hasFormat(kUriListFormat))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CRenamerDlg::dropEvent(QDropEvent* event) {
    const QByteArray uri_list = event->mimeData()->data(kUriListFormat);
    const std::vector<std::string> paths =
        LocalPathsFromUriList(std::string_view(uri_list.constData(), size_t(uri_list.size())),
                              QSysInfo::machineHostName().toStdString());
    event->acceptProposedAction();
    // The keyboard follows the files: the user goes on here, not in the
    // file manager the drag came from.
    activateWindow();
    OnDropFiles(paths);
}

void CRenamerDlg::OnAddFiles() {
    const std::vector<std::string> paths =
        ChooseInDialog(this, Texts::AddFilesCaption(), QFileDialog::ExistingFiles, dialog_folder_);
    if (!paths.empty()) OnDropFiles(paths);
}

void CRenamerDlg::OnAddFolder() {
    const std::vector<std::string> paths =
        ChooseInDialog(this, Texts::AddFolderCaption(), QFileDialog::Directory, dialog_folder_);
    if (!paths.empty()) OnDropFiles(paths);
}

void CRenamerDlg::closeEvent(QCloseEvent* event) {
    OnExit();
    event->ignore();
}

void CRenamerDlg::Post(std::function<void()> task) {
    QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

void CRenamerDlg::JobStarted() {
    wait_cursor_.emplace();
    qApp->installEventFilter(this);
    progress_delay_.start();
}

void CRenamerDlg::JobEnded() {
    progress_delay_.stop();
    progress_ticks_.stop();
    if (progress_) {
        // Not every desktop hands the keyboard back to the window a box
        // leaves: without it, the next Ctrl+Z or typed key would go nowhere.
        const bool had_keyboard = progress_->isActiveWindow();
        progress_->hide();
        progress_->deleteLater();
        progress_ = nullptr;
        if (had_keyboard) activateWindow();
    }
    qApp->removeEventFilter(this);
    wait_cursor_.reset();
}

void CRenamerDlg::ShowProgress() {
    if (!busy()) return;
    const JobProgress progress = logic_.progress();
    if (!progress_) {
        progress_ = new ProgressDialog(this);
        connect(progress_, &ProgressDialog::cancelRequested, this, &CRenamerDlg::OnCancel);
        if (progress.cancelling) progress_->ShowCancelling();
        progress_ticks_.start();
        // The box says the window is busy; its Cancel button wants a pointer.
        wait_cursor_.reset();
    }
    progress_->SetCancellable(progress.cancellable);
    progress_->SetProgress(Render(progress.text), progress.done, progress.total);
    // Rows turn green as their files are renamed.
    if (progress.marks_rows) rename_list_->viewport()->update();
    progress_->show();
}

void CRenamerDlg::OnCancel() {
    if (logic_.Cancel() && progress_) progress_->ShowCancelling();
}

void CRenamerDlg::RowsChanging(bool replace) {
    model_->BeginRowChange(replace);
}

void CRenamerDlg::RowsChanged() {
    model_->EndRowChange();
}

void CRenamerDlg::RemoveRows(std::vector<size_t> rows) {
    model_->RemoveRows(std::move(rows));
}

void CRenamerDlg::NamesChanged() {
    model_->RowsRewritten();
}

void CRenamerDlg::ShowWarnings(std::vector<TargetProblem> warnings) {
    model_->SetWarnings(std::move(warnings));
}

void CRenamerDlg::AddNotes(const std::vector<RowNote>& notes) {
    model_->AddNotes(notes);
}

void CRenamerDlg::StateChanged() {
    const WindowState& state = logic_.state();
    set_filenames_button_->setEnabled(state.set_filenames_enabled);
    rename_button_->setEnabled(state.rename_enabled);
    undo_action_->setText(Render(state.undo_entry));
    redo_action_->setText(Render(state.redo_entry));
    undo_action_->setEnabled(state.undo_enabled);
    redo_action_->setEnabled(state.redo_enabled);
    rename_list_->SetEmptyHint(state.only_subfolders ? Texts::OnlySubfoldersHint() : QString());
}

void CRenamerDlg::Tell(const Report& report) {
    CurrentMessageBoxes().Show(this, report.icon, Render(report.caption), Render(report.text),
                               Render(report.detail));
}

bool CRenamerDlg::Ask(const Question& question) {
    return CurrentMessageBoxes().Ask(this, Render(question.caption), Render(question.text));
}

void CRenamerDlg::Close() {
    done(1);
}

void CRenamerDlg::OnDropFiles(const std::vector<std::string>& paths) {
    logic_.Drop(paths, recurse_check_->isChecked());
}

void CRenamerDlg::OnSetFilenames() {
    if (busy()) return;
    logic_.SetFilenames(CurrentLocaleCodec().Encode(pattern_box_->lineEdit()->text()));
}

void CRenamerDlg::OnRename() {
    logic_.Rename();
}

void CRenamerDlg::RunEnded() {
    // Typing before a run is not undone after it: Ctrl+Z then means the run.
    QLineEdit* edit = pattern_box_->lineEdit();
    const int cursor = edit->cursorPosition();
    edit->setText(edit->text());
    edit->setCursorPosition(cursor);
}

bool CRenamerDlg::PassesToHistory(const QKeyEvent& key) const {
    // The pattern box claims the keys only while it has typing to undo or
    // redo; then they reach the window's Undo and Redo.
    const QKeySequence pressed(key.keyCombination());
    const QLineEdit* edit = pattern_box_->lineEdit();
    if (undo_action_->shortcuts().contains(pressed)) return !edit->isUndoAvailable();
    if (redo_action_->shortcuts().contains(pressed)) return !edit->isRedoAvailable();
    return false;
}

void CRenamerDlg::OnUndo() {
    logic_.Undo();
}

void CRenamerDlg::OnRedo() {
    logic_.Redo();
}

void CRenamerDlg::OfferUndoOfInterruptedRun() {
    logic_.OfferUndoOfInterruptedRun();
}

void CRenamerDlg::OnKeydownList(const QKeyEvent& key) {
    if (key.key() != Qt::Key_Delete || busy()) return;
    std::vector<size_t> rows;
    for (const QModelIndex& index : rename_list_->selectionModel()->selectedIndexes())
        if (index.column() == RenameListModel::kPathColumn) rows.push_back(size_t(index.row()));
    logic_.DeleteRows(std::move(rows));
}

void CRenamerDlg::OnExit() {
    // Work under way stops first: a rename after the move it is making.
    if (logic_.Exit()) {
        done(1);
        return;
    }
    if (progress_ && logic_.progress().cancelling) progress_->ShowCancelling();
}

}  // namespace zentavo
