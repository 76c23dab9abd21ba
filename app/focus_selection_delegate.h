// Shows a list's selection only while the list has the focus.
#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace zentavo {

class FocusSelectionDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit FocusSelectionDelegate(QAbstractItemView* view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* view_;
};

}  // namespace zentavo
