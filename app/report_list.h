// A report-style list: rows with a header of columns, built on QTreeView.
#pragma once

#include <QStyledItemDelegate>

class QTreeView;

namespace zentavo {

// Shows the selection only while the view has the focus, as a list without
// the "always show selection" style does.
class FocusSelectionDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit FocusSelectionDelegate(QTreeView* view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeView* view_;
};

struct ReportListStyle {
    bool sortable_header = false;
    bool single_selection = false;
    bool show_selection_always = false;
    bool border = true;
};

// Makes view a flat report list: no tree decoration, rows of one height, no
// editing, selection by item.
void MakeReportList(QTreeView* view, const ReportListStyle& style);

}  // namespace zentavo
