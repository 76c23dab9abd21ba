// Every text the windows show that is not part of a dialog template.
#pragma once

namespace zentavo::text {

inline constexpr char kPathHeading[] = "Path";
inline constexpr char kNewNameHeading[] = "New Filename";

// String 101, the About entry of the window menu.
inline constexpr char kAboutMenuEntry[] = "&About Zentavo...";
inline constexpr char kHelpMenuEntry[] = "&Help...";
inline constexpr char kMinimizeMenuEntry[] = "Mi&nimize";
inline constexpr char kCloseMenuEntry[] = "&Close";

inline constexpr char kHelpLaunchFailed[] = "Failed to launch help.";

// The summary of a rename run: %1 is the number of files.
inline constexpr char kRenameFailedCaption[] = "Rename Failed";
inline constexpr char kRenameFailedText[] = "Renaming failed for %1 file(s).";
inline constexpr char kRenameFinishedCaption[] = "Finished";
inline constexpr char kRenameFinishedText[] = "%1 file(s) were renamed successfully.";
// Added to the summary for the rare rows that need it: %1 is the row's path.
inline constexpr char kLeftAtNote[] = "%1 could not be renamed nor put back: it is now %2";
inline constexpr char kSavedOtherNote[] =
    "Another program wrote to the new name of %1 while it was being renamed; its data was "
    "saved as %2";

inline constexpr char kHelpWindowTitle[] = "Zentavo Help";
inline constexpr char kHelpFileMissing[] = "The help file %1 could not be read.";
inline constexpr char kHelpTopicMissing[] = "The help file %1 has no topic for context %2.";

}  // namespace zentavo::text
