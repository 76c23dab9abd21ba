#include "window/text_id.h"

#include <cstddef>
#include <iterator>

// The Qt tools find the texts by these names (a counting text by the _N_
// one) and file them under their context; here they are the text itself.
#define QT_TRANSLATE_NOOP(context, text) text
#define QT_TRANSLATE_N_NOOP(context, text) text

namespace zentavo {

namespace {

struct TextSource {
    TextId id;
    const char* source;
};

constexpr TextSource kTexts[] = {
    {TextId::MainCaption, QT_TRANSLATE_NOOP("Texts", "Zentavo 1.0")},
    {TextId::PatternLabel, QT_TRANSLATE_NOOP("Texts", "Rename &Pattern:")},
    {TextId::RecurseCheck, QT_TRANSLATE_NOOP("Texts", "&Recurse into Subdirectories")},
    {TextId::SetFilenamesButton, QT_TRANSLATE_NOOP("Texts", "&Set Filenames")},
    {TextId::RenameButton, QT_TRANSLATE_NOOP("Texts", "Re&name!")},
    {TextId::HelpButton, QT_TRANSLATE_NOOP("Texts", "&Help")},
    {TextId::ExitButton, QT_TRANSLATE_NOOP("Texts", "E&xit")},
    {TextId::PathHeading, QT_TRANSLATE_NOOP("Texts", "Path")},
    {TextId::NewNameHeading, QT_TRANSLATE_NOOP("Texts", "New Filename")},
    {TextId::NameTooLong, QT_TRANSLATE_NOOP("Texts", "(name too long)")},
    {TextId::FailedCaption, QT_TRANSLATE_NOOP("Texts", "Rename Failed")},
    {TextId::FailedSummary, QT_TRANSLATE_N_NOOP("Texts", "Renaming failed for %Ln file(s).")},
    {TextId::FinishedCaption, QT_TRANSLATE_NOOP("Texts", "Finished")},
    {TextId::FinishedSummary,
     QT_TRANSLATE_N_NOOP("Texts", "%Ln file(s) were renamed successfully.")},
    {TextId::CancelledCaption, QT_TRANSLATE_NOOP("Texts", "Cancelled")},
    {TextId::CancelledSummary, QT_TRANSLATE_N_NOOP("Texts", "%1 renamed; %Ln not tried.")},
    {TextId::LeftAtNote,
     QT_TRANSLATE_NOOP("Texts", "%1 could not be renamed nor put back: it is now %2")},
    {TextId::SavedOtherNote,
     QT_TRANSLATE_NOOP(
         "Texts",
         "Another program wrote to the new name of %1 while it was being renamed; its "
         "data was saved as %2")},
    {TextId::SummaryCounts, QT_TRANSLATE_NOOP("Texts", "Renamed: %1\nFailed: %2")},
    {TextId::NotTriedCount, QT_TRANSLATE_NOOP("Texts", "Not tried: %1")},
    {TextId::FirstFailures, QT_TRANSLATE_N_NOOP("Texts", "The first %Ln failure(s):")},
    {TextId::PathAndReason, QT_TRANSLATE_NOOP("Texts", "%1: %2")},
    {TextId::AndMore, QT_TRANSLATE_NOOP("Texts", "and %1 more")},
    {TextId::ReasonAndNote, QT_TRANSLATE_NOOP("Texts", "%1; %2")},
    {TextId::NameTaken, QT_TRANSLATE_NOOP("Texts", "A file named \"%1\" already exists")},
    {TextId::PermissionDenied, QT_TRANSLATE_NOOP("Texts", "Permission denied")},
    {TextId::FileGone, QT_TRANSLATE_NOOP("Texts", "The file is no longer there")},
    {TextId::FileOrFolderGone,
     QT_TRANSLATE_NOOP("Texts", "The file, or the folder it was to move into, is not there")},
    {TextId::FolderReplaced,
     QT_TRANSLATE_NOOP("Texts", "The folder %1 was replaced during the rename")},
    {TextId::FolderOrTargetReplaced,
     QT_TRANSLATE_NOOP("Texts",
                       "The folder %1, or the one the file was to move into, was replaced during "
                       "the rename")},
    {TextId::Cancelled, QT_TRANSLATE_NOOP("Texts", "Cancelled")},
    {TextId::NameNotAllowed,
     QT_TRANSLATE_NOOP("Texts", "The file system does not accept this name")},
    {TextId::NewNameTooLong, QT_TRANSLATE_NOOP("Texts", "The new name is too long")},
    {TextId::ReadOnly, QT_TRANSLATE_NOOP("Texts", "The file system is read-only")},
    {TextId::DiskFull, QT_TRANSLATE_NOOP("Texts", "The disk is full")},
    {TextId::FileBusy, QT_TRANSLATE_NOOP("Texts", "The file is in use")},
    {TextId::LeftAt, QT_TRANSLATE_NOOP("Texts", "The file is now under the temporary name %1")},
    {TextId::SavedOther,
     QT_TRANSLATE_NOOP("Texts", "Another program's data that met this rename was saved as %1")},
    {TextId::SameTarget,
     QT_TRANSLATE_NOOP("Texts", "Another listed file is to get the same new path: %1")},
    {TextId::TargetTaken,
     QT_TRANSLATE_NOOP("Texts",
                       "A file named \"%1\" already exists and no listed file moves it away")},
    {TextId::NameTooLongForFolder,
     QT_TRANSLATE_NOOP("Texts", "The new name is too long for this folder")},
    {TextId::Cycle,
     QT_TRANSLATE_NOOP(
         "Texts",
         "These renames form a cycle, which cannot complete without replacing a file: %1")},
    {TextId::RowForScreenReader, QT_TRANSLATE_NOOP("Texts", "%1, %2")},
    {TextId::StatusPending, QT_TRANSLATE_NOOP("Texts", "pending")},
    {TextId::StatusWarned, QT_TRANSLATE_NOOP("Texts", "pending: %1")},
    {TextId::StatusRenamed, QT_TRANSLATE_NOOP("Texts", "renamed")},
    {TextId::StatusFailed, QT_TRANSLATE_NOOP("Texts", "failed: %1")},
    {TextId::RenameListName, QT_TRANSLATE_NOOP("Texts", "Files to rename")},
    {TextId::NewPath, QT_TRANSLATE_NOOP("Texts", "New path: %1")},
    {TextId::NotRenamed, QT_TRANSLATE_NOOP("Texts", "Not renamed: %1")},
    {TextId::Renamed, QT_TRANSLATE_NOOP("Texts", "Renamed")},
    {TextId::AddFilesCaption, QT_TRANSLATE_NOOP("Texts", "Add Files")},
    {TextId::AddFolderCaption, QT_TRANSLATE_NOOP("Texts", "Add Folder")},
    {TextId::OnlySubfoldersHint,
     QT_TRANSLATE_NOOP("Texts",
                       "No files were added: the folder holds only subfolders. Tick Recurse into "
                       "Subdirectories and drop it again.")},
    {TextId::DropProblemsCaption, QT_TRANSLATE_NOOP("Texts", "Not Everything Was Added")},
    {TextId::DropProblems,
     QT_TRANSLATE_NOOP("Texts", "These could not be read, so nothing in them was added:")},
    {TextId::NotFound, QT_TRANSLATE_NOOP("Texts", "Not found")},
    {TextId::PathTooLong, QT_TRANSLATE_NOOP("Texts", "The path is too long")},
    {TextId::LookingForFiles, QT_TRANSLATE_N_NOOP("Texts", "Looking for files: %Ln found")},
    {TextId::AddingFiles, QT_TRANSLATE_N_NOOP("Texts", "Adding %Ln file(s) to the list")},
    {TextId::SettingNames, QT_TRANSLATE_N_NOOP("Texts", "Giving %Ln file(s) their new names")},
    {TextId::Renaming, QT_TRANSLATE_N_NOOP("Texts", "Renaming: %L1 of %Ln file(s) renamed")},
    {TextId::Undoing,
     QT_TRANSLATE_N_NOOP("Texts", "Undoing the last rename: %Ln file(s) moved back")},
    {TextId::Redoing,
     QT_TRANSLATE_N_NOOP("Texts", "Redoing the rename: %Ln file(s) renamed again")},
    {TextId::Cancelling, QT_TRANSLATE_NOOP("Texts", "Cancelling...")},
    {TextId::CancelButton, QT_TRANSLATE_NOOP("Texts", "Cancel")},
    {TextId::UndoEntry, QT_TRANSLATE_N_NOOP("Texts", "&Undo Rename of %Ln Files")},
    {TextId::UndoNothing, QT_TRANSLATE_NOOP("Texts", "&Undo")},
    {TextId::RedoEntry, QT_TRANSLATE_N_NOOP("Texts", "&Redo Rename of %Ln Files")},
    {TextId::RedoNothing, QT_TRANSLATE_NOOP("Texts", "&Redo")},
    {TextId::UndoCaption, QT_TRANSLATE_NOOP("Texts", "Undo Last Rename")},
    {TextId::UndoIncompleteCaption, QT_TRANSLATE_NOOP("Texts", "Undo Incomplete")},
    {TextId::UndoDone, QT_TRANSLATE_N_NOOP("Texts", "%Ln file(s) are back under their names.")},
    {TextId::UndoCancelled,
     QT_TRANSLATE_N_NOOP(
         "Texts", "%1 back under their names; %Ln not tried. Undo again to bring back the rest.")},
    {TextId::RedoCaption, QT_TRANSLATE_NOOP("Texts", "Redo Rename")},
    {TextId::RedoIncompleteCaption, QT_TRANSLATE_NOOP("Texts", "Redo Incomplete")},
    {TextId::RedoDone, QT_TRANSLATE_N_NOOP("Texts", "%Ln file(s) have their new names again.")},
    {TextId::RedoCancelled,
     QT_TRANSLATE_N_NOOP(
         "Texts", "%1 under their new names again; %Ln not tried. Redo again to rename the rest.")},
    {TextId::RedoMissed, QT_TRANSLATE_N_NOOP("Texts", "%Ln file(s) could not be renamed again:")},
    {TextId::NothingToRedo, QT_TRANSLATE_NOOP("Texts", "There is no rename to redo.")},
    {TextId::UndoMissed, QT_TRANSLATE_N_NOOP("Texts", "%Ln file(s) could not be brought back:")},
    {TextId::UndoMissedLine, QT_TRANSLATE_NOOP("Texts", "%1: %2")},
    {TextId::UndoMore, QT_TRANSLATE_N_NOOP("Texts", "... and %Ln more.")},
    {TextId::NameTakenReason, QT_TRANSLATE_NOOP("Texts", "its name is taken; it stays as %1")},
    {TextId::GoneReason, QT_TRANSLATE_NOOP("Texts", "it is gone")},
    {TextId::ReplacedReason, QT_TRANSLATE_NOOP("Texts", "%1 is no longer the same file")},
    {TextId::FailedReason, QT_TRANSLATE_NOOP("Texts", "%1 could not be moved: %2")},
    {TextId::NothingToUndo, QT_TRANSLATE_NOOP("Texts", "There is no rename to undo.")},
    {TextId::JournalUnreadable,
     QT_TRANSLATE_NOOP("Texts", "The journal of the last rename cannot be read: %1")},
    {TextId::RunStillRunning,
     QT_TRANSLATE_NOOP("Texts",
                       "Run %1 is still running: another program is renaming or undoing with its "
                       "journal. Try again once it has ended.\n\nNothing was moved.")},
    {TextId::UndoJournalDamaged,
     QT_TRANSLATE_N_NOOP(
         "Texts",
         "The journal of run %1 is damaged after record %2; %3 of %Ln file(s) brought "
         "back.")},
    {TextId::JournalIsLink,
     QT_TRANSLATE_NOOP("Texts",
                       "The journal is refused: %1 is a symbolic link, or not a folder where its "
                       "folder should be.")},
    {TextId::JournalOfAnotherUser,
     QT_TRANSLATE_NOOP("Texts", "The journal is refused: %1 belongs to another user.")},
    {TextId::JournalOpenToOthers,
     QT_TRANSLATE_NOOP(
         "Texts",
         "The journal is refused: %1 is open to other users (a folder must be writable "
         "by you alone, a journal file mode 0600).")},
    {TextId::NothingMoved, QT_TRANSLATE_NOOP("Texts", "Nothing was moved.")},
    {TextId::RenameWithoutUndoQuestion,
     QT_TRANSLATE_NOOP("Texts", "Without it the rename cannot be undone. Rename anyway?")},
    {TextId::UndoJournalUnwritable,
     QT_TRANSLATE_NOOP(
         "Texts",
         "The undo keeps a journal too, and it cannot be written in %1: %2\n\nNothing "
         "was moved.")},
    {TextId::JournalIncomplete,
     QT_TRANSLATE_NOOP(
         "Texts",
         "The journal of this rename in %1 misses some of it: %2\n\nUndo may not bring "
         "back every file.")},
    {TextId::WithoutUndoCaption, QT_TRANSLATE_NOOP("Texts", "Rename Without Undo?")},
    {TextId::JournalUnwritableQuestion,
     QT_TRANSLATE_NOOP("Texts",
                       "The journal of this rename cannot be written in %1: %2\n\nWithout it the "
                       "rename cannot be undone. Rename anyway?")},
    {TextId::InterruptedCaption, QT_TRANSLATE_NOOP("Texts", "Interrupted Rename")},
    {TextId::InterruptedQuestion,
     QT_TRANSLATE_N_NOOP(
         "Texts",
         "The last rename, started %1 in %2, did not end: %3 of %Ln files were renamed "
         "before it was cut short.\n\nUndo it now?")},
    {TextId::AddFilesEntry, QT_TRANSLATE_NOOP("Texts", "Add &Files...")},
    {TextId::AddFolderEntry, QT_TRANSLATE_NOOP("Texts", "Add F&older...")},
    {TextId::MinimizeEntry, QT_TRANSLATE_NOOP("Texts", "Mi&nimize")},
    {TextId::CloseEntry, QT_TRANSLATE_NOOP("Texts", "&Close")},
    {TextId::AboutEntry, QT_TRANSLATE_NOOP("Texts", "&About Zentavo...")},
    {TextId::HelpEntry, QT_TRANSLATE_NOOP("Texts", "&Help...")},
    {TextId::AboutCaption, QT_TRANSLATE_NOOP("Texts", "About Zentavo...")},
    {TextId::AboutVersion, QT_TRANSLATE_NOOP("Texts", "Zentavo Version 1.0")},
    {TextId::AboutRights,
     QT_TRANSLATE_NOOP(
         "Texts",
         "Copyright \u00a9 the Zentavo developers.\n\nZentavo is free software under the MIT "
         "licence: you may use, copy, change, sell and pass it on, as long as the copyright "
         "and licence notice go with it. It comes without any warranty.")},
    {TextId::AboutPostcard,
     QT_TRANSLATE_NOOP(
         "Texts",
         "If Zentavo saves you some work, money is always welcome, but a postcard will do "
         "just as well. Problems, ideas and postcards go to:")},
    {TextId::AboutAddress,
     QT_TRANSLATE_NOOP("Texts", "The Zentavo developers\nzentavo@example.org")},
    {TextId::OkButton, QT_TRANSLATE_NOOP("Texts", "OK")},
    {TextId::HelpLaunchFailed, QT_TRANSLATE_NOOP("Texts", "Failed to launch help.")},
    {TextId::HelpWindowCaption, QT_TRANSLATE_NOOP("Texts", "Zentavo Help")},
    {TextId::HelpFileMissing, QT_TRANSLATE_NOOP("Texts", "The help file %1 could not be read.")},
    {TextId::HelpTopicMissing,
     QT_TRANSLATE_NOOP("Texts", "The help file %1 has no topic for context %2.")},
};

constexpr bool InIdOrder() {
    for (size_t i = 0; i < std::size(kTexts); ++i)
        if (size_t(kTexts[i].id) != i) return false;
    return true;
}
static_assert(InIdOrder(), "the table lists every text in the order of its id");

}  // namespace

const char* SourceText(TextId id) {
    return kTexts[size_t(id)].source;
}

}  // namespace zentavo
