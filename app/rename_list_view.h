// The rename list's view: a plain tree view that, while it holds no row, can
// say in its empty area why nothing came.
#pragma once

#include <QString>
#include <QTreeView>

namespace zentavo {

class RenameListView : public QTreeView {
    Q_OBJECT
public:
    explicit RenameListView(QWidget* parent = nullptr);

    // Shown while the list is empty; an empty hint shows nothing. Screen
    // readers hear it as the list's description.
    void SetEmptyHint(const QString& hint);
    const QString& emptyHint() const { return empty_hint_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString empty_hint_;
};

}  // namespace zentavo
