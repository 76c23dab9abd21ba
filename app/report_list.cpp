#include "app/report_list.h"

#include <QEvent>
#include <QHeaderView>
#include <QTreeView>

namespace zentavo {

FocusSelectionDelegate::FocusSelectionDelegate(QTreeView* view)
    : QStyledItemDelegate(view), view_(view) {
    view->installEventFilter(this);
}

void FocusSelectionDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    if (view_->hasFocus()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem unselected(option);
    unselected.state &= ~QStyle::State_Selected;
    QStyledItemDelegate::paint(painter, unselected, index);
}

bool FocusSelectionDelegate::eventFilter(QObject* watched, QEvent* event) {
    // The base class takes every object it watches for an editor.
    if (watched != view_) return QStyledItemDelegate::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        view_->viewport()->update();
    return false;
}

void MakeReportList(QTreeView* view, const ReportListStyle& style) {
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(false);
    view->setSortingEnabled(false);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    view->setSelectionMode(style.single_selection ? QAbstractItemView::SingleSelection
                                                  : QAbstractItemView::ExtendedSelection);
    view->setFrameShape(style.border ? QFrame::StyledPanel : QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->setTextElideMode(Qt::ElideRight);

    QHeaderView* header = view->header();
    header->setSectionsClickable(style.sortable_header);
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    if (!style.show_selection_always) view->setItemDelegate(new FocusSelectionDelegate(view));
}

}  // namespace zentavo
