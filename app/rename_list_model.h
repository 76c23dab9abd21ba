// The rename list as a table model: rows stay in the core's list, the model
// only shows them and tells the views when the core has changed them.
#pragma once

#include <functional>
#include <vector>

#include <QAbstractTableModel>

#include "app/row_images.h"
#include "core/rename_list.h"

namespace zentavo {

class RenameListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kPathColumn = 0, kNewNameColumn = 1, kColumnCount = 2 };

    // images: the image of each mark, shown at the front of the row.
    explicit RenameListModel(RenameList& list, RowImageList images = {}, QObject* parent = nullptr);

    // Runs change, which adds rows to the list; rows already there keep
    // their selection and current state.
    void AddRows(const std::function<void()>& change);
    // Runs change, which may replace every row.
    void ReplaceRows(const std::function<void()>& change);
    // The new names and marks of the rows have been rewritten.
    void RowsRewritten();
    // Removes these rows from the list (any order, repeats allowed).
    void RemoveRows(std::vector<size_t> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    RenameList& list_;
    RowImageList images_;
};

}  // namespace zentavo
