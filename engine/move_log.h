// What a rename run tells of its moves as it makes them, so that a record of
// the run can take it back later; the journal keeps one.
#pragma once

#include <cstddef>

#include "engine/file_system.h"

namespace zentavo {

class MoveLog {
public:
    virtual ~MoveLog() = default;

    // The file of the run's plan row row moved to its target, or was left
    // at moved.left_at.
    virtual void Moved(size_t row, const MoveResult& moved) = 0;
};

}  // namespace zentavo
