// The rename list's view: a table of two columns that looks and answers the
// keys as a flat list does, and, while it holds no row, can say in its empty
// area why nothing came. A table keeps no record per row but its rows'
// heights; a tree view would keep one of 40 bytes for each.
#pragma once

#include <QString>
#include <QTableView>

namespace zentavo {

class RenameListView : public QTableView {
    Q_OBJECT
public:
    explicit RenameListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    void doItemsLayout() override;

    // Shown while the list is empty; an empty hint shows nothing. Screen
    // readers hear it as the list's description.
    void SetEmptyHint(const QString& hint);
    const QString& emptyHint() const { return empty_hint_; }

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Every row is as high as the first row needs, as in a list.
    void FitRowHeight();

    QString empty_hint_;
};

}  // namespace zentavo
