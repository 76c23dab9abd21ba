// The rename run as its rules state it, kept as the reference that the
// optimised RenameRun must agree with: every pass tries every Pending row.
#pragma once

#include "core/rename_list.h"
#include "engine/file_system.h"
#include "engine/rename_run.h"
#include "tests/support/test_code_page.h"

namespace zentavo::testing {

inline size_t LiteralRenamePass(FileSystem& fs, RenameList& list) {
    size_t renamed = 0;
    for (size_t i = 0; i < list.count(); ++i) {
        if (list.mark(i) != RowMark::Pending) continue;
        const std::string_view name = list.new_name(i);
        if (name.empty() || name.find('\0') != std::string_view::npos || NameTooLong(name))
            continue;
        const std::string target =
            RenameTarget(list.path(i), list.new_name(i), list.syntax(), kTestPage);
        if (fs.MoveNoReplace(std::string(list.path(i)), target, ScratchName("literal", i)).error ==
            0) {
            list.SetMark(i, RowMark::Renamed);
            ++renamed;
        }
    }
    return renamed;
}

inline RenameOutcome LiteralRename(FileSystem& fs, RenameList& list) {
    size_t renamed = 0;
    while (const size_t pass = LiteralRenamePass(fs, list)) renamed += pass;
    size_t failed = 0;
    for (size_t i = 0; i < list.count(); ++i) {
        if (list.mark(i) != RowMark::Pending) continue;
        list.SetMark(i, RowMark::Failed);
        ++failed;
    }
    RenameOutcome outcome;
    outcome.renamed = renamed;
    outcome.failed = failed;
    return outcome;
}

}  // namespace zentavo::testing
