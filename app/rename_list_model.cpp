#include "app/rename_list_model.h"

#include <algorithm>
#include <optional>
#include <string>

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QPalette>
#include <QRegularExpression>
#include <QTextDocument>

#include "app/contrast.h"
#include "app/locale_text.h"
#include "app/message_text.h"
#include "app/window_texts.h"
#include "window/row_words.h"

namespace zentavo {

namespace {

// Past this many separate runs of removed rows, one reset is cheaper than
// telling the views about every run.
constexpr size_t kMaxRemovedRuns = 64;
// The most characters a tooltip's line shows without a chance to break.
constexpr int kUnbrokenRun = 24;

// Dark orange on light orange, and light on dark for a dark palette: 5.7:1
// and 8.4:1.
const QColor kWarningText(0x9c, 0x35, 0x00);
const QColor kWarningBackground(0xff, 0xe2, 0xb0);
const QColor kDarkWarningText(0xff, 0xc6, 0x80);
const QColor kDarkWarningBackground(0x4a, 0x2a, 0x00);

// The warning's colour for role, by the palette the list is drawn with.
QColor WarningColour(int role) {
    const QColor base = QApplication::palette().color(QPalette::Base);
    const bool dark = MoreContrasting(base, Qt::black, Qt::white) == QColor(Qt::white);
    if (role == Qt::ForegroundRole) return dark ? kDarkWarningText : kWarningText;
    return dark ? kDarkWarningBackground : kWarningBackground;
}

QString Decode(std::string_view bytes) {
    return CurrentLocaleCodec().Decode(bytes);
}

}  // namespace

RenameListModel::RenameListModel(RenameList& list, const CodePage& page, RowImageList images,
                                 std::shared_mutex* writing, QObject* parent)
    : QAbstractTableModel(parent),
      list_(list),
      page_(page),
      writing_(writing),
      images_(std::move(images)),
      shown_rows_(int(list.count())) {}

void RenameListModel::BeginRowChange(bool replace) {
    replacing_ = replace;
    if (replace) return;
    // Rows are found again by their paths, which never change.
    persistent_ = persistentIndexList();
    persistent_paths_.clear();
    persistent_paths_.reserve(size_t(persistent_.size()));
    for (const QModelIndex& index : persistent_)
        persistent_paths_.emplace_back(list_.path(size_t(index.row())));
}

void RenameListModel::EndRowChange() {
    warnings_.clear();
    if (replacing_) {
        beginResetModel();
        notes_.clear();
        shown_rows_ = int(list_.count());
        endResetModel();
        return;
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QModelIndexList after;
    after.reserve(persistent_.size());
    shown_rows_ = int(list_.count());
    for (qsizetype i = 0; i < persistent_.size(); ++i) {
        const std::optional<size_t> row = list_.Find(persistent_paths_[size_t(i)]);
        after << (row ? index(int(*row), persistent_[i].column()) : QModelIndex());
    }
    changePersistentIndexList(persistent_, after);
    persistent_.clear();
    persistent_paths_.clear();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void RenameListModel::ReplaceRows(const std::function<void()>& change) {
    BeginRowChange(true);
    change();
    EndRowChange();
}

void RenameListModel::RowsRewritten() {
    // Every row may show something new. A new layout costs a tree view one
    // pass over its rows; a change of every row's data costs it several (for
    // a million rows, 0.1 s against 0.5 s of a frozen window).
    emit layoutAboutToBeChanged({}, QAbstractItemModel::NoLayoutChangeHint);
    emit layoutChanged({}, QAbstractItemModel::NoLayoutChangeHint);
}

void RenameListModel::RemoveRows(std::vector<size_t> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty()) return;
    warnings_.clear();

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
        shown_rows_ = int(list_.count());
        endRemoveRows();
    }
}

void RenameListModel::SetWarnings(std::vector<TargetProblem> warnings) {
    const bool had_warnings = !warnings_.empty();
    warnings_ = std::move(warnings);
    if (shown_rows_ == 0 || (!had_warnings && warnings_.empty())) return;
    emit dataChanged(
        index(0, 0), index(shown_rows_ - 1, kColumnCount - 1),
        {Qt::ToolTipRole, Qt::ForegroundRole, Qt::BackgroundRole, Qt::AccessibleTextRole});
}

void RenameListModel::AddNotes(const std::vector<RowNote>& notes) {
    for (const RowNote& note : notes) notes_[std::string(list_.path(note.row))] = note;
}

const RowNote* RenameListModel::NoteOf(size_t row) const {
    const auto note = notes_.find(std::string(list_.path(row)));
    return note != notes_.end() ? &note->second : nullptr;
}

QString RenameListModel::ToolTip(size_t row) const {
    QStringList lines{Decode(list_.path(row))};
    if (const std::string_view name = list_.new_name(row); NameTooLong(name))
        lines << Texts::NewPath(Texts::NameTooLong());
    else if (!name.empty())
        lines << Texts::NewPath(Decode(RenameTarget(list_.path(row), name, list_.syntax(), page_)));
    for (const Value& line : RowWords(list_, warnings_).Reason(row, NoteOf(row)))
        lines << Render(line);
    // A tooltip of rich text wraps at a readable width, so a long path stays
    // on the screen; it may break after each slash, and inside a long name.
    // Paths may hold anything, "<b>" too: the text is escaped.
    static const QRegularExpression kBreakable(QStringLiteral("(/|[^\\s/]{%1})").arg(kUnbrokenRun));
    QString text = lines.join('\n');
    text.replace(kBreakable, QStringLiteral("\\1\u200b"));
    return Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

int RenameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_rows_;
}

int RenameListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant RenameListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    std::shared_lock<std::shared_mutex> reading;
    if (writing_) {
        reading = std::shared_lock(*writing_, std::try_to_lock);
        if (!reading.owns_lock()) return {};
    }
    const size_t row = size_t(index.row());
    // Rows changed elsewhere show as they are only once the views know.
    if (row >= list_.count()) return {};
    const bool name_column = index.column() == kNewNameColumn;
    switch (role) {
        case Qt::DisplayRole:
            if (!name_column) return Decode(list_.path(row));
            if (NameTooLong(list_.new_name(row))) return Texts::NameTooLong();
            return Decode(list_.new_name(row));
        case Qt::DecorationRole:
            if (!name_column) {
                const QPixmap image = images_.image(int(list_.mark(row)));
                if (!image.isNull()) return image;
            }
            return {};
        case Qt::ToolTipRole:
            return ToolTip(row);
        case Qt::AccessibleTextRole:
            // A screen reader hears the row's state, which the ball shows.
            if (!name_column) {
                return Texts::RowForScreenReader(
                    Decode(list_.path(row)),
                    Render(RowWords(list_, warnings_).Status(row, NoteOf(row))));
            }
            return {};
        case Qt::ForegroundRole:
        case Qt::BackgroundRole:
            if (name_column && list_.mark(row) == RowMark::Pending &&
                RowWords(list_, warnings_).WarningOf(row))
                return QBrush(WarningColour(role));
            return {};
        default:
            return {};
    }
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
