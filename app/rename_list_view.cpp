#include "app/rename_list_view.h"

#include <QPainter>

namespace zentavo {

namespace {
constexpr int kHintMargin = 12;
}  // namespace

RenameListView::RenameListView(QWidget* parent) : QTreeView(parent) {}

void RenameListView::SetEmptyHint(const QString& hint) {
    if (hint == empty_hint_) return;
    empty_hint_ = hint;
    setAccessibleDescription(hint);
    viewport()->update();
}

void RenameListView::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    if (empty_hint_.isEmpty() || (model() && model()->rowCount() > 0)) return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const QRect room = viewport()->rect().adjusted(kHintMargin, kHintMargin, -kHintMargin, 0);
    painter.drawText(room, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, empty_hint_);
}

}  // namespace zentavo
