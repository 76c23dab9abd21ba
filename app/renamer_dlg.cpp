#include "app/renamer_dlg.h"

#include <cerrno>
#include <cstring>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QSysInfo>
#include <QTreeView>

#include "app/about_dlg.h"
#include "app/dialog_layout.h"
#include "app/fit_validator.h"
#include "app/focus_selection_delegate.h"
#include "app/locale_text.h"
#include "app/message_boxes.h"
#include "app/rename_list_model.h"
#include "app/resources.h"
#include "app/row_images.h"
#include "app/uri_list.h"
#include "app/wait_cursor.h"
#include "app/window_texts.h"
#include "core/rename_pattern.h"
#include "fileops/os.h"
#include "fileops/undo_run.h"

namespace zentavo {

namespace {

const QString kUriListFormat = QStringLiteral("text/uri-list");

void AcceptFileDrag(QDragMoveEvent* drag) {
    if (drag->mimeData()->hasFormat(kUriListFormat))
        drag->acceptProposedAction();
    else
        drag->ignore();
}

}  // namespace

CRenamerDlg::CRenamerDlg(const CodePage& page, QWidget* parent, std::string journal_folder)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMinimizeButtonHint),
      units_(DialogUnits::ForFont(font())),
      journals_(SystemOs(), std::move(journal_folder)),
      session_(fs_, page),
      model_(new RenameListModel(session_.list(), RowImageList::Load(), this)) {
    setWindowTitle(Texts::MainCaption());
    setWindowIcon(AppIcon());
    setFixedSize(units_.ToPixels(layout::kMainWindow));

    // In tab order.
    auto* pattern_label = new QLabel(Texts::PatternLabel(), this);
    pattern_label->setGeometry(units_.ToPixels(layout::kPatternLabel));
    CreatePatternBox();
    pattern_label->setBuddy(pattern_box_);

    recurse_check_ = new QCheckBox(Texts::RecurseCheck(), this);
    recurse_check_->setObjectName(QStringLiteral("recurseCheck"));
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

    rename_button_->setEnabled(false);
    set_filenames_button_->setEnabled(false);
    UpdateUndoEntry();
}

CRenamerDlg::~CRenamerDlg() {
    // The session dies before the widgets do: no view may read it after this.
    rename_list_->setModel(nullptr);
    delete model_;
}

QPushButton* CRenamerDlg::CreateButton(const QString& text, const QRect& rect,
                                       const QString& name) {
    // No button is a default button: Enter presses only the focused one.
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
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

    // The layout's height is that of the field with its list dropped down.
    QRect rect = units_.ToPixels(layout::kPatternBox);
    rect.setHeight(pattern_box_->sizeHint().height());
    pattern_box_->setGeometry(rect);
}

void CRenamerDlg::CreateRenameList() {
    rename_list_ = new QTreeView(this);
    rename_list_->setObjectName(QStringLiteral("renameList"));
    rename_list_->setGeometry(units_.ToPixels(layout::kRenameList));
    rename_list_->setRootIsDecorated(false);
    rename_list_->setItemsExpandable(false);
    rename_list_->setUniformRowHeights(true);
    rename_list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rename_list_->setSelectionBehavior(QAbstractItemView::SelectItems);
    rename_list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    rename_list_->setItemDelegate(new FocusSelectionDelegate(rename_list_));
    rename_list_->header()->setSectionsClickable(false);
    rename_list_->header()->setSectionsMovable(false);
    rename_list_->header()->setStretchLastSection(false);
    rename_list_->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    rename_list_->setModel(model_);
    rename_list_->installEventFilter(this);

    // The columns share the client width less a vertical scroll bar, 7 to 3.
    const int width = rename_list_->width() - 2 * rename_list_->frameWidth() -
                      style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, rename_list_);
    rename_list_->header()->resizeSection(RenameListModel::kPathColumn, width * 7 / 10);
    rename_list_->header()->resizeSection(RenameListModel::kNewNameColumn, width * 3 / 10);
}

void CRenamerDlg::CreateWindowMenu() {
    // The window manager's menu of the title bar is out of reach; these
    // entries open on the window's free area, the Menu key and Shift+F10.
    window_menu_ = new QMenu(this);
    window_menu_->setObjectName(QStringLiteral("windowMenu"));
    const auto add_entry = [this](const QString& text, unsigned command) {
        connect(window_menu_->addAction(text), &QAction::triggered, this,
                [this, command] { OnSysCommand(command); });
    };
    add_entry(Texts::MinimizeEntry(), kMinimizeCommand);
    add_entry(Texts::CloseEntry(), kCloseCommand);
    window_menu_->addSeparator();
    // Ctrl+Z works with the menu closed too; in the pattern box it undoes
    // typing, as it does in every text field.
    undo_action_ = window_menu_->addAction(Texts::UndoEntry());
    undo_action_->setObjectName(QStringLiteral("undoAction"));
    undo_action_->setShortcut(QKeySequence::Undo);
    addAction(undo_action_);
    connect(undo_action_, &QAction::triggered, this, &CRenamerDlg::OnUndoLastRename);
    // Runs of zentavo-cli may have come and gone since the last look.
    connect(window_menu_, &QMenu::aboutToShow, this, &CRenamerDlg::UpdateUndoEntry);
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
    if (watched == rename_list_ && event->type() == QEvent::KeyPress)
        OnKeydownList(*static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

void CRenamerDlg::dragEnterEvent(QDragEnterEvent* event) {
    AcceptFileDrag(event);
}

void CRenamerDlg::dragMoveEvent(QDragMoveEvent* event) {
    AcceptFileDrag(event);
}

void CRenamerDlg::dropEvent(QDropEvent* event) {
    const QByteArray uri_list = event->mimeData()->data(kUriListFormat);
    const std::vector<std::string> paths =
        LocalPathsFromUriList(std::string_view(uri_list.constData(), size_t(uri_list.size())),
                              QSysInfo::machineHostName().toStdString());
    event->acceptProposedAction();
    OnDropFiles(paths);
}

void CRenamerDlg::closeEvent(QCloseEvent* event) {
    OnExit();
    event->accept();
}

void CRenamerDlg::OnDropFiles(const std::vector<std::string>& paths) {
    WaitCursor wait;
    const bool recurse = recurse_check_->isChecked();
    DropOutcome outcome;
    const auto drop = [&] { outcome = session_.Drop(paths, recurse); };
    if (session_.stale())
        model_->ReplaceRows(drop);
    else
        model_->AddRows(drop);

    if (outcome.rows_added) rename_button_->setEnabled(false);
    set_filenames_button_->setEnabled(outcome.list_has_rows);
}

void CRenamerDlg::OnSetFilenames() {
    WaitCursor wait;
    const std::string pattern = CurrentLocaleCodec().Encode(pattern_box_->lineEdit()->text());
    const bool all_named = SetFilenames(session_.list(), pattern, session_.page());
    model_->RowsRewritten();
    rename_button_->setEnabled(all_named);
}

void CRenamerDlg::OnRename() {
    RenameOutcome outcome;
    {
        WaitCursor wait;
        outcome = session_.Rename({}, &journals_);
    }
    if (outcome.journal_error != 0) {
        const QString error = QString::fromLocal8Bit(std::strerror(outcome.journal_error));
        if (!CurrentMessageBoxes().Ask(this, Texts::FailedCaption(),
                                       Texts::JournalUnwritableQuestion(
                                           CurrentLocaleCodec().Decode(journals_.folder()), error)))
            return;
        WaitCursor wait;
        outcome = session_.Rename();
    }
    model_->RowsRewritten();
    UpdateUndoEntry();
    QString notes;
    const LocaleCodec& codec = CurrentLocaleCodec();
    for (const RowNote& note : outcome.notes) {
        const QString path = codec.Decode(session_.list().path(note.row));
        if (!note.left_at.empty())
            notes += "\n\n" + Texts::LeftAtNote(path, codec.Decode(note.left_at));
        if (!note.saved_other.empty())
            notes += "\n\n" + Texts::SavedOtherNote(path, codec.Decode(note.saved_other));
    }
    if (outcome.failed > 0) {
        CurrentMessageBoxes().Show(this, MessageIcon::Warning, Texts::FailedCaption(),
                                   Texts::FailedSummary(int(outcome.failed)) + notes);
    } else {
        CurrentMessageBoxes().Show(this, MessageIcon::Information, Texts::FinishedCaption(),
                                   Texts::FinishedSummary(int(outcome.renamed)) + notes);
    }
}

void CRenamerDlg::UpdateUndoEntry() {
    std::vector<RunSummary> runs;
    undo_action_->setEnabled(journals_.List(runs) == 0 && RunToUndo(runs).has_value());
}

void CRenamerDlg::OnUndoLastRename() {
    UndoOutcome outcome;
    int error = 0;
    {
        WaitCursor wait;
        model_->ReplaceRows([&] { error = session_.Undo(journals_, {}, outcome); });
    }
    // The files that came back are new rows without new names.
    rename_button_->setEnabled(false);
    set_filenames_button_->setEnabled(!session_.list().empty());
    UpdateUndoEntry();
    ReportUndo(error, outcome);
}

void CRenamerDlg::ReportUndo(int error, const UndoOutcome& outcome) {
    const LocaleCodec& codec = CurrentLocaleCodec();
    MessageBoxes& boxes = CurrentMessageBoxes();
    const auto error_text = [](int number) {
        return QString::fromLocal8Bit(std::strerror(number));
    };
    if (error == ENOENT) {
        boxes.Show(this, MessageIcon::Information, Texts::UndoCaption(), Texts::NothingToUndo());
        return;
    }
    if (error != 0) {
        boxes.Show(this, MessageIcon::Warning, Texts::UndoCaption(),
                   Texts::JournalUnreadable(error_text(error)));
        return;
    }
    if (outcome.journal_error != 0) {
        boxes.Show(this, MessageIcon::Warning, Texts::UndoCaption(),
                   Texts::UndoJournalUnwritable(codec.Decode(journals_.folder()),
                                                error_text(outcome.journal_error)));
        return;
    }
    QString text = Texts::UndoDone(int(outcome.restored.size()));
    if (outcome.problems.empty()) {
        boxes.Show(this, MessageIcon::Information, Texts::UndoCaption(), text);
        return;
    }
    // One line a file, up to a box's worth.
    constexpr size_t kMostLines = 20;
    text += "\n\n" + Texts::UndoMissed(int(outcome.problems.size()));
    for (size_t i = 0; i < outcome.problems.size() && i < kMostLines; ++i) {
        const UndoProblem& problem = outcome.problems[i];
        const QString at = codec.Decode(problem.at);
        QString reason;
        switch (problem.reason) {
            case UndoReason::NameTaken:
                reason = Texts::NameTakenReason(at);
                break;
            case UndoReason::Gone:
                reason = Texts::GoneReason();
                break;
            case UndoReason::Replaced:
                reason = Texts::ReplacedReason(at);
                break;
            case UndoReason::Failed:
                reason = Texts::FailedReason(at, error_text(problem.error));
                break;
        }
        text += "\n" + Texts::UndoMissedLine(codec.Decode(problem.original), reason);
    }
    if (outcome.problems.size() > kMostLines)
        text += "\n" + Texts::UndoMore(int(outcome.problems.size() - kMostLines));
    boxes.Show(this, MessageIcon::Warning, Texts::UndoIncompleteCaption(), text);
}

void CRenamerDlg::OfferUndoOfInterruptedRun() {
    std::vector<RunSummary> runs;
    if (journals_.List(runs) != 0 || runs.empty()) return;
    const RunSummary& newest = runs.front();
    if (newest.state() != RunState::Interrupted) return;
    const RunHeader& header = newest.header;
    const QString started = QDateTime::fromMSecsSinceEpoch(header.started_ns / 1'000'000)
                                .toString(QLocale().dateTimeFormat(QLocale::ShortFormat));
    if (CurrentMessageBoxes().Ask(
            this, Texts::InterruptedCaption(),
            Texts::InterruptedQuestion(started, CurrentLocaleCodec().Decode(header.first_folder),
                                       int(header.rows))))
        OnUndoLastRename();
}

void CRenamerDlg::OnKeydownList(const QKeyEvent& key) {
    if (key.key() != Qt::Key_Delete) return;
    std::vector<size_t> rows;
    for (const QModelIndex& index : rename_list_->selectionModel()->selectedIndexes())
        if (index.column() == RenameListModel::kPathColumn) rows.push_back(size_t(index.row()));
    model_->RemoveRows(std::move(rows));
}

void CRenamerDlg::OnExit() {
    done(1);
}

}  // namespace zentavo
