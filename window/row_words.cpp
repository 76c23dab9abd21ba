#include "window/row_words.h"

#include <algorithm>
#include <string_view>

#include "window/reasons.h"

namespace zentavo {

namespace {

// The rows of a ring that its warning names before it gives up.
constexpr size_t kCycleNamesShown = 6;

std::string_view FileName(std::string_view path, PathSyntax syntax) {
    return path.substr(path.find_last_of(Separators(syntax)) + 1);
}

std::string_view FolderPart(std::string_view path, PathSyntax syntax) {
    return path.substr(0, path.find_last_of(Separators(syntax)));
}

}  // namespace

const TargetProblem* RowWords::WarningOf(size_t row) const {
    const auto found =
        std::lower_bound(warnings_.begin(), warnings_.end(), row,
                         [](const TargetProblem& warning, size_t r) { return warning.row < r; });
    return found != warnings_.end() && found->row == row ? &*found : nullptr;
}

Message RowWords::Warning(const TargetProblem& warning) const {
    switch (warning.kind) {
        case TargetProblemKind::SameTarget:
            return Message(TextId::SameTarget, {Value::Bytes(list_.path(warning.other))});
        case TargetProblemKind::TargetTaken:
            return Message(TextId::TargetTaken, {Value::Bytes(list_.new_name(warning.row))});
        case TargetProblemKind::NameTooLong:
            return Message(TextId::NameTooLongForFolder);
        case TargetProblemKind::Cycle:
            break;
    }
    std::vector<std::string> names{std::string(FileName(list_.path(warning.row), list_.syntax()))};
    const TargetProblem* step = &warning;
    while (names.size() <= kCycleNamesShown) {
        step = WarningOf(step->other);
        if (!step || step->kind != TargetProblemKind::Cycle) break;
        names.emplace_back(FileName(list_.path(step->row), list_.syntax()));
        if (step->row == warning.row) break;
    }
    const bool whole = step != nullptr && step->row == warning.row;
    return Message(TextId::Cycle, {Value::Chain(std::move(names), !whole)});
}

Value RowFailure(const RenameList& list, size_t row, const RowNote* note) {
    Value reason = FailureReason(list.failure(row), list.new_name(row),
                                 FolderPart(list.path(row), list.syntax()), list.syntax());
    if (!note || note->left_at.empty()) return reason;
    return Value::Words(Message(
        TextId::ReasonAndNote,
        {std::move(reason), Value::Words(Message(TextId::LeftAt, {Value::Bytes(note->left_at)}))}));
}

std::vector<Value> RowWords::Reason(size_t row, const RowNote* note) const {
    std::vector<Value> lines;
    const RowMark mark = list_.mark(row);
    if (mark == RowMark::Failed && list_.failure(row) != 0) {
        lines.push_back(
            Value::Words(Message(TextId::NotRenamed, {RowFailure(list_, row, nullptr)})));
    } else if (mark == RowMark::Renamed) {
        lines.push_back(Value::Words(Message(TextId::Renamed)));
    } else if (const TargetProblem* warning = WarningOf(row); mark == RowMark::Pending && warning) {
        lines.push_back(Value::Words(Warning(*warning)));
    }
    if (note && !note->left_at.empty())
        lines.push_back(Value::Words(Message(TextId::LeftAt, {Value::Bytes(note->left_at)})));
    if (note && !note->saved_other.empty())
        lines.push_back(
            Value::Words(Message(TextId::SavedOther, {Value::Bytes(note->saved_other)})));
    return lines;
}

Message RowWords::Status(size_t row, const RowNote* note) const {
    switch (list_.mark(row)) {
        case RowMark::Renamed:
            return Message(TextId::StatusRenamed);
        case RowMark::Failed:
            return Message(TextId::StatusFailed, {RowFailure(list_, row, note)});
        case RowMark::Pending:
            break;
    }
    if (const TargetProblem* warning = WarningOf(row))
        return Message(TextId::StatusWarned, {Value::Words(Warning(*warning))});
    return Message(TextId::StatusPending);
}

}  // namespace zentavo
