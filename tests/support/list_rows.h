// The rows of a rename list in forms a test can compare at a glance.
#pragma once

#include <string>
#include <vector>

#include "core/rename_list.h"

namespace zentavo {

inline std::vector<std::string> RowPaths(const RenameList& list) {
    std::vector<std::string> paths;
    for (size_t i = 0; i < list.count(); ++i) paths.emplace_back(list.path(i));
    return paths;
}

// One letter per row in list order: P pending, R renamed, F failed.
inline std::string RowMarks(const RenameList& list) {
    std::string marks;
    for (size_t i = 0; i < list.count(); ++i) {
        marks += list.mark(i) == RowMark::Renamed  ? 'R'
                 : list.mark(i) == RowMark::Failed ? 'F'
                                                   : 'P';
    }
    return marks;
}

}  // namespace zentavo
