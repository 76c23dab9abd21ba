#include "app/focus_selection_delegate.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QPainter>

namespace zentavo {

FocusSelectionDelegate::FocusSelectionDelegate(QAbstractItemView* view)
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
    if (option.state & QStyle::State_Selected) {
        // A table has filled a selected cell's panel before its delegate
        // paints: the cell is given back its empty background.
        const QWidget* area = view_->viewport();
        painter->fillRect(option.rect, area->palette().brush(area->backgroundRole()));
        unselected.state &= ~QStyle::State_Selected;
    }
    QStyledItemDelegate::paint(painter, unselected, index);
}

bool FocusSelectionDelegate::eventFilter(QObject* watched, QEvent* event) {
    // The base class takes every object it watches for an editor.
    if (watched != view_) return QStyledItemDelegate::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        view_->viewport()->update();
    return false;
}

}  // namespace zentavo
