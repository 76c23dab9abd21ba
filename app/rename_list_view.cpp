#include "app/rename_list_view.h"

#include <QHeaderView>
#include <QPainter>

namespace zentavo {

namespace {
constexpr int kHintMargin = 12;
}  // namespace

RenameListView::RenameListView(QWidget* parent) : QTableView(parent) {
    setShowGrid(false);
    setWordWrap(false);
    // Tab leaves the list, as it leaves any other control.
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // A header's own least height, that of its text and margins, would
    // make the rows taller than their contents.
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setHighlightSections(false);
}

void RenameListView::setModel(QAbstractItemModel* model) {
    if (model == this->model()) return;
    // What the view heard of the model it leaves, it stops hearing anyway.
    if (QAbstractItemModel* old = this->model()) disconnect(old, nullptr, this, nullptr);
    // Connected before the headers are, so that the rows' height is set
    // while the header still holds the rows it had: setting it for rows the
    // header already holds resizes each of them.
    if (model) {
        connect(model, &QAbstractItemModel::modelReset, this, &RenameListView::FitRowHeight);
        connect(model, &QAbstractItemModel::rowsInserted, this, &RenameListView::FitRowHeight);
        connect(model, &QAbstractItemModel::layoutChanged, this, &RenameListView::FitRowHeight);
    }
    QTableView::setModel(model);
    FitRowHeight();
}

void RenameListView::doItemsLayout() {
    // A new font or style changes what a row needs.
    FitRowHeight();
    QTableView::doItemsLayout();
}

void RenameListView::FitRowHeight() {
    if (!model() || model()->rowCount() == 0) return;
    const int height = sizeHintForRow(0);
    if (height > 0 && height != verticalHeader()->defaultSectionSize())
        verticalHeader()->setDefaultSectionSize(height);
}

QModelIndex RenameListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // Home and End go to the first and the last row, in the column the
    // cursor is in, with Ctrl or without; a table's would go to the first
    // and the last column.
    const QModelIndex current = currentIndex();
    if ((action == MoveHome || action == MoveEnd) && current.isValid())
        return current.siblingAtRow(action == MoveHome ? 0 : model()->rowCount() - 1);
    return QTableView::moveCursor(action, modifiers);
}

void RenameListView::SetEmptyHint(const QString& hint) {
    if (hint == empty_hint_) return;
    empty_hint_ = hint;
    setAccessibleDescription(hint);
    viewport()->update();
}

void RenameListView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (empty_hint_.isEmpty() || (model() && model()->rowCount() > 0)) return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const QRect room = viewport()->rect().adjusted(kHintMargin, kHintMargin, -kHintMargin, 0);
    painter.drawText(room, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, empty_hint_);
}

}  // namespace zentavo
