// The words for the reasons the engine gives as errno values.
#pragma once

#include <string_view>

#include "core/path_syntax.h"
#include "window/message.h"

namespace zentavo {

// Why a row was not renamed; new_name is the name it was to get (with a
// separator of syntax when it moves the file to another folder), folder the
// one its file lies in.
Value FailureReason(int error, std::string_view new_name, std::string_view folder,
                    PathSyntax syntax);

// Why a dropped path, or a folder below it, could not be read.
Value ReadProblemReason(int error);

}  // namespace zentavo
