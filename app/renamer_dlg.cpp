#include "app/renamer_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QSysInfo>
#include <QTreeView>

#include "app/about_dlg.h"
#include "app/framework_app.h"
#include "app/iconic_paint.h"
#include "app/locale_text.h"
#include "app/message_boxes.h"
#include "app/rename_list_model.h"
#include "app/resources.h"
#include "app/row_images.h"
#include "app/uri_list.h"
#include "app/wait_cursor.h"
#include "app/window_strings.h"
#include "core/rename_pattern.h"
#include "fileops/posix_file_system.h"

namespace zentavo {

namespace {

const QString kUriListFormat = QStringLiteral("text/uri-list");
constexpr int kSmallIconSize = 16;

int LargeIconSize() {
    return QApplication::style()->pixelMetric(QStyle::PM_LargeIconSize);
}

bool AcceptFileDrag(QEvent* event) {
    auto* drag = static_cast<QDragMoveEvent*>(event);
    if (drag->mimeData()->hasFormat(kUriListFormat))
        drag->acceptProposedAction();
    else
        drag->ignore();
    return true;
}

}  // namespace

CRenamerDlg::CRenamerDlg(QWidget* owner)
    : CRenamerDlg(std::make_unique<PosixFileSystem>(), nullptr, owner) {}

CRenamerDlg::CRenamerDlg(FileSystem& fs, QWidget* owner) : CRenamerDlg(nullptr, &fs, owner) {}

CRenamerDlg::CRenamerDlg(std::unique_ptr<FileSystem> own_fs, FileSystem* fs, QWidget* owner)
    : TemplateDialog(res::kMainTemplate, owner),
      own_fs_(std::move(own_fs)),
      session_(fs ? *fs : *own_fs_),
      model_(new RenameListModel(session_.list(), this)),
      pattern_box_(Control<QComboBox>(res::kPatternBox)),
      recurse_check_(Control<QCheckBox>(res::kRecurseCheck)),
      set_filenames_button_(Control<QPushButton>(res::kSetFilenamesButton)),
      rename_button_(Control<QPushButton>(res::kRenameButton)),
      rename_list_(Control<QTreeView>(res::kRenameList)),
      large_icon_(LoadIcon(res::kAppIcon).pixmap(LargeIconSize())),
      small_icon_(LoadIcon(res::kAppIcon).pixmap(kSmallIconSize)) {
    if (!created()) return;
    rename_list_->setModel(model_);
    BindMessageMap();
}

CRenamerDlg::~CRenamerDlg() {
    // The session dies before the widgets do: no view may read it after this.
    if (rename_list_) rename_list_->setModel(nullptr);
    delete model_;
}

// The message table: every command and event the window handles, and its
// handler.
void CRenamerDlg::BindMessageMap() {
    BindCommand(res::kSetFilenamesButton, [this] { OnSetFilenames(); });
    BindCommand(res::kRenameButton, [this] { OnRename(); });
    BindCommand(res::kExitButton, [this] { OnExit(); });
    BindControlEvent(res::kRenameList, QEvent::KeyPress, [this](QEvent* event) {
        OnKeydownList(*static_cast<QKeyEvent*>(event));
        return false;
    });
    BindEvent(QEvent::DragEnter, AcceptFileDrag);
    BindEvent(QEvent::DragMove, AcceptFileDrag);
    BindEvent(QEvent::Drop, [this](QEvent* event) {
        auto* drop = static_cast<QDropEvent*>(event);
        const std::vector<std::string> paths = DroppedPaths(*drop->mimeData());
        drop->acceptProposedAction();
        OnDropFiles(paths);
        return true;
    });
    BindEvent(QEvent::Close, [this](QEvent* event) {
        OnExit();
        event->accept();
        return true;
    });
    BindEvent(QEvent::ContextMenu, [this](QEvent* event) {
        // The window menu of the title bar belongs to the window manager; the
        // same entries open on the window's free area and on Shift+F10.
        auto* request = static_cast<QContextMenuEvent*>(event);
        if (request->reason() != QContextMenuEvent::Mouse) {
            ShowSystemMenu(mapToGlobal(QPoint(0, 0)));
            return true;
        }
        QWidget* under = childAt(request->pos());
        if (under && !qobject_cast<QLabel*>(under)) return false;
        ShowSystemMenu(request->globalPos());
        return true;
    });
    BindEvent(QEvent::Paint, [this](QEvent*) { return OnPaint(); });
}

bool CRenamerDlg::OnInitDialog() {
    ExtendSystemMenu();

    QIcon icon;
    icon.addPixmap(large_icon_);
    icon.addPixmap(small_icon_);
    setWindowIcon(icon);

    // Files are dropped on the window as a whole: no control takes them.
    setAcceptDrops(true);
    for (QWidget* child : findChildren<QWidget*>()) child->setAcceptDrops(false);

    model_->SetRowImages(RowImageList::Load());
    SetColumnWidths();

    rename_button_->setEnabled(false);
    set_filenames_button_->setEnabled(false);
    return true;
}

void CRenamerDlg::ExtendSystemMenu() {
    system_menu_ = {{QString::fromUtf8(text::kMinimizeMenuEntry), res::kMinimizeCommand},
                    {QString::fromUtf8(text::kCloseMenuEntry), res::kCloseCommand},
                    {QString(), 0}};
    const QString about = LoadString(res::kAboutMenuString);
    if (!about.isEmpty()) system_menu_.push_back({about, res::kAboutCommand});
    system_menu_.push_back({QString::fromUtf8(text::kHelpMenuEntry), res::kHelpCommand});
}

void CRenamerDlg::ShowSystemMenu(const QPoint& where) {
    QMenu menu(this);
    for (const MenuEntry& entry : system_menu_) {
        if (entry.text.isEmpty())
            menu.addSeparator();
        else
            menu.addAction(entry.text)->setData(entry.command);
    }
    if (const QAction* chosen = menu.exec(where)) OnSysCommand(chosen->data().toUInt());
}

void CRenamerDlg::OnSysCommand(unsigned id) {
    if ((id & 0xFFF0) == res::kAboutCommand) {
        CAboutDlg about(this);
        about.DoModal();
        return;
    }
    if (id == res::kHelpCommand) {
        FrameworkApp* application = FrameworkApp::Current();
        if (application && application->main_window())
            application->main_window()->SendCommand(res::kHelpCommand);
        return;
    }
    DefaultSysCommand(id);
}

void CRenamerDlg::DefaultSysCommand(unsigned id) {
    switch (id & 0xFFF0) {
        case res::kCloseCommand:
            close();
            break;
        case res::kMinimizeCommand:
            showMinimized();
            break;
        default:
            break;
    }
}

bool CRenamerDlg::OnPaint() {
    if (!isMinimized()) return false;
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QSize icon_size(LargeIconSize(), LargeIconSize());
    painter.drawPixmap(QRect(IconicIconOrigin(rect().size(), icon_size), icon_size), large_icon_);
    return true;
}

void CRenamerDlg::SetColumnWidths() {
    const int client_width = rename_list_->width() - 2 * rename_list_->frameWidth();
    const int width = client_width - rename_list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent,
                                                                        nullptr, rename_list_);
    rename_list_->header()->resizeSection(RenameListModel::kPathColumn, width * 7 / 10);
    rename_list_->header()->resizeSection(RenameListModel::kNewNameColumn, width * 3 / 10);
}

std::vector<std::string> CRenamerDlg::DroppedPaths(const QMimeData& data) const {
    const QByteArray uri_list = data.data(kUriListFormat);
    return LocalPathsFromUriList(std::string_view(uri_list.constData(), size_t(uri_list.size())),
                                 QSysInfo::machineHostName().toStdString());
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
    const bool all_named = SetFilenames(session_.list(), pattern);
    model_->RowsRewritten();
    rename_button_->setEnabled(all_named);
}

void CRenamerDlg::OnRename() {
    RenameOutcome outcome;
    {
        WaitCursor wait;
        outcome = session_.Rename();
        model_->RowsRewritten();
    }
    QString notes;
    const LocaleCodec& codec = CurrentLocaleCodec();
    for (const RowNote& note : outcome.notes) {
        const QString path = codec.Decode(session_.list().path(note.row));
        if (!note.left_at.empty())
            notes += "\n\n" + QString(text::kLeftAtNote).arg(path, codec.Decode(note.left_at));
        if (!note.saved_other.empty())
            notes +=
                "\n\n" + QString(text::kSavedOtherNote).arg(path, codec.Decode(note.saved_other));
    }
    if (outcome.failed > 0) {
        CurrentMessageBoxes().Show(this, MessageIcon::Warning, text::kRenameFailedCaption,
                                   QString(text::kRenameFailedText).arg(outcome.failed) + notes);
    } else {
        CurrentMessageBoxes().Show(this, MessageIcon::Information, text::kRenameFinishedCaption,
                                   QString(text::kRenameFinishedText).arg(outcome.renamed) + notes);
    }
}

void CRenamerDlg::OnKeydownList(const QKeyEvent& key) {
    if (key.key() != Qt::Key_Delete) return;
    std::vector<size_t> rows;
    for (const QModelIndex& index : rename_list_->selectionModel()->selectedIndexes())
        if (index.column() == RenameListModel::kPathColumn) rows.push_back(size_t(index.row()));
    model_->RemoveRows(std::move(rows));
}

void CRenamerDlg::OnExit() {
    EndDialog(res::kOkButton);
}

// Enter and Escape leave the window as it is.
void CRenamerDlg::OnOK() {}
void CRenamerDlg::OnCancel() {}

}  // namespace zentavo
