// What the window says of a row beside its paths, in its tooltip and to a
// screen reader: the preview's warning, why a run did not rename it, and
// where a run left its file.
#pragma once

#include <cstddef>
#include <vector>

#include "core/rename_list.h"
#include "engine/rename_run.h"
#include "engine/target_check.h"
#include "window/message.h"

namespace zentavo {

// Why a Failed row of list was not renamed, with where its file was left
// when note says it is neither of its names (note may be null).
Value RowFailure(const RenameList& list, size_t row, const RowNote* note);

// The words for the rows of list, whose preview warned as warnings says
// (in list order).
class RowWords {
public:
    RowWords(const RenameList& list, const std::vector<TargetProblem>& warnings)
        : list_(list), warnings_(warnings) {}

    // The row's warning; null when it has none.
    const TargetProblem* WarningOf(size_t row) const;
    // What a warning says; a ring of renames by its names, from its row
    // round to it again.
    Message Warning(const TargetProblem& warning) const;
    // The lines of the row's tooltip below its paths.
    std::vector<Value> Reason(size_t row, const RowNote* note) const;
    // The row's state in words, for those who cannot see its ball.
    Message Status(size_t row, const RowNote* note) const;

private:
    const RenameList& list_;
    const std::vector<TargetProblem>& warnings_;
};

}  // namespace zentavo
