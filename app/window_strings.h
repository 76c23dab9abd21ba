// Every text the windows show that is not part of a dialog template.
#pragma once

namespace zentavo::text {

inline constexpr char kPathHeading[] = "Path";
inline constexpr char kNewNameHeading[] = "New Filename";

}  // namespace zentavo::text
