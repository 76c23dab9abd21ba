// The failures a rename run can be seen to meet before it moves anything, so
// that the preview can warn of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stop_token>
#include <vector>

#include "core/code_page.h"
#include "core/rename_list.h"
#include "engine/file_system.h"

namespace zentavo {

enum class TargetProblemKind : unsigned char {
    SameTarget,   // another row is to move to the same path: one of them fails
    TargetTaken,  // a file is at the target, and no row of the list moves it away
    Cycle,        // the rows form a ring, each waiting for the next to move away
    NameTooLong,  // the new name is longer than the target's folder allows
};

inline constexpr size_t kNoRow = SIZE_MAX;

struct TargetProblem {
    size_t row = 0;
    TargetProblemKind kind = TargetProblemKind::TargetTaken;
    // SameTarget: another row with the same target. Cycle: the next row of
    // the ring, whose file is at this row's target. TargetTaken: the listed
    // row whose file is in the way, kNoRow when that file is not listed.
    size_t other = kNoRow;
};

// Looks at every Pending row that a run would move (a usable new name that
// does not name the file itself) and returns, in list order, the rows whose
// move cannot succeed as things stand. A chain of renames that ends at a free
// name is fine however long; a row whose target is held by a row that cannot
// move is TargetTaken too. A row whose new name is longer than its target
// folder's NAME_MAX is NameTooLong and moves nothing out of the way. Targets are compared as POSIX paths. Once stop is
// requested it gives up and returns nothing. page reads the paths.
std::vector<TargetProblem> CheckTargets(FileSystem& fs, const RenameList& list,
                                        const CodePage& page, std::stop_token stop = {});

}  // namespace zentavo
