// The rename list as a table model: rows stay in the core's list, the model
// only shows them and tells the views when the core has changed them. Beside
// the rows it keeps what the user is told about them: the warnings of the
// preview and the notes of a rename run.
#pragma once

#include <functional>
#include <shared_mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include <QAbstractTableModel>

#include "app/row_images.h"
#include "core/code_page.h"
#include "core/rename_list.h"
#include "engine/rename_run.h"
#include "engine/target_check.h"

namespace zentavo {

class RenameListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kPathColumn = 0, kNewNameColumn = 1, kColumnCount = 2 };

    // page reads the paths; images: the image of each mark, shown at the
    // front of the row. The rows are changed on other threads only while
    // they hold writing; the model shows nothing of them meanwhile.
    RenameListModel(RenameList& list, const CodePage& page, RowImageList images = {},
                    std::shared_mutex* writing = nullptr, QObject* parent = nullptr);

    // Around a change of the list's rows, made on this thread or another:
    // the views keep seeing the rows as they were until EndRowChange. With
    // replace, every row may go; otherwise rows are only added, and the rows
    // already there keep their selection and current state.
    void BeginRowChange(bool replace);
    void EndRowChange();
    // Runs change, which may replace every row.
    void ReplaceRows(const std::function<void()>& change);
    // The new names and marks of the rows have been rewritten.
    void RowsRewritten();
    // Removes these rows from the list (any order, repeats allowed).
    void RemoveRows(std::vector<size_t> rows);

    // The warnings of the preview, in list order; they hold until the rows
    // or the new names change.
    void SetWarnings(std::vector<TargetProblem> warnings);
    // The notes of a rename run; they hold until the rows are replaced.
    void AddNotes(const std::vector<RowNote>& notes);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    // The note a run left of the row; null when none.
    const RowNote* NoteOf(size_t row) const;
    QString ToolTip(size_t row) const;

    RenameList& list_;
    CodePage page_;
    std::shared_mutex* writing_;
    RowImageList images_;
    int shown_rows_ = 0;  // the rows the views know of
    bool replacing_ = false;
    QModelIndexList persistent_;  // while rows are added
    std::vector<std::string> persistent_paths_;
    std::vector<TargetProblem> warnings_;             // by row
    std::unordered_map<std::string, RowNote> notes_;  // by path
};

}  // namespace zentavo
