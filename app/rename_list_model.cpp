#include "app/rename_list_model.h"

#include <algorithm>
#include <optional>
#include <string>

#include "app/locale_text.h"
#include "app/window_texts.h"

namespace zentavo {

namespace {

// Past this many separate runs of removed rows, one reset is cheaper than
// telling the views about every run.
constexpr size_t kMaxRemovedRuns = 64;

}  // namespace

RenameListModel::RenameListModel(RenameList& list, RowImageList images, QObject* parent)
    : QAbstractTableModel(parent), list_(list), images_(std::move(images)) {}

void RenameListModel::AddRows(const std::function<void()>& change) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Rows are found again by their paths, which never change.
    const QModelIndexList before = persistentIndexList();
    std::vector<std::string> paths;
    paths.reserve(size_t(before.size()));
    for (const QModelIndex& index : before) paths.emplace_back(list_.path(size_t(index.row())));

    change();

    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const std::optional<size_t> row = list_.Find(paths[size_t(i)]);
        after << (row ? index(int(*row), before[i].column()) : QModelIndex());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void RenameListModel::ReplaceRows(const std::function<void()>& change) {
    beginResetModel();
    change();
    endResetModel();
}

void RenameListModel::RowsRewritten() {
    if (list_.empty()) return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1),
                     {Qt::DisplayRole, Qt::DecorationRole});
}

void RenameListModel::RemoveRows(std::vector<size_t> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty()) return;

    std::vector<std::pair<size_t, size_t>> runs;  // first and last row of each run
    for (size_t row : rows) {
        if (!runs.empty() && runs.back().second + 1 == row)
            runs.back().second = row;
        else
            runs.emplace_back(row, row);
    }
    if (runs.size() > kMaxRemovedRuns) {
        ReplaceRows([&] { list_.Remove(rows); });
        return;
    }
    // From the bottom up, so the rows of the runs still to come keep their
    // indexes.
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        beginRemoveRows({}, int(run->first), int(run->second));
        std::vector<size_t> indexes(run->second - run->first + 1);
        for (size_t i = 0; i < indexes.size(); ++i) indexes[i] = run->first + i;
        list_.Remove(indexes);
        endRemoveRows();
    }
}

int RenameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(list_.count());
}

int RenameListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant RenameListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const size_t row = size_t(index.row());
    if (role == Qt::DisplayRole) {
        if (index.column() == kPathColumn) return CurrentLocaleCodec().Decode(list_.path(row));
        if (NameTooLong(list_.new_name(row))) return Texts::NameTooLong();
        return CurrentLocaleCodec().Decode(list_.new_name(row));
    }
    if (role == Qt::DecorationRole && index.column() == kPathColumn) {
        const QPixmap image = images_.image(int(list_.mark(row)));
        if (!image.isNull()) return image;
    }
    return {};
}

Qt::ItemFlags RenameListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    // A row is selected through its first column only.
    if (index.column() == kPathColumn) return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return Qt::ItemIsEnabled;
}

QVariant RenameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section == kPathColumn) return Texts::PathHeading();
    if (section == kNewNameColumn) return Texts::NewNameHeading();
    return {};
}

}  // namespace zentavo
