// Every text the windows show. Each one passes through Qt's translation
// function here and nowhere else, so the program can be translated by
// translating this file's texts.
#pragma once

#include <cstddef>

#include <QCoreApplication>
#include <QLocale>
#include <QString>

namespace zentavo {

class Texts {
    Q_DECLARE_TR_FUNCTIONS(Texts)
public:
    // A count as the locale writes it, digits grouped: 1,204 or 1.204.
    static QString Number(size_t count) { return QLocale().toString(qulonglong(count)); }

    // The main window.
    static QString MainCaption() { return tr("Zentavo 1.0"); }
    static QString PatternLabel() { return tr("Rename &Pattern:"); }
    static QString RecurseCheck() { return tr("&Recurse into Subdirectories"); }
    static QString SetFilenamesButton() { return tr("&Set Filenames"); }
    static QString RenameButton() { return tr("Re&name!"); }
    static QString HelpButton() { return tr("&Help"); }
    static QString ExitButton() { return tr("E&xit"); }
    static QString PathHeading() { return tr("Path"); }
    static QString NewNameHeading() { return tr("New Filename"); }
    // Shown instead of a new name too long to be used.
    static QString NameTooLong() { return tr("(name too long)"); }

    // The summary of a rename run.
    static QString FailedCaption() { return tr("Rename Failed"); }
    static QString FailedSummary(int failed) {
        return tr("Renaming failed for %Ln file(s).", nullptr, failed);
    }
    static QString FinishedCaption() { return tr("Finished"); }
    static QString FinishedSummary(int renamed) {
        return tr("%Ln file(s) were renamed successfully.", nullptr, renamed);
    }
    // A run the user stopped: the rows it did not try are no failure.
    static QString CancelledCaption() { return tr("Cancelled"); }
    static QString CancelledSummary(size_t renamed, int not_tried) {
        return tr("%1 renamed; %Ln not tried.", nullptr, not_tried).arg(Number(renamed));
    }
    // Added to the summary for the rare rows that need it.
    static QString LeftAtNote(const QString& path, const QString& left_at) {
        return tr("%1 could not be renamed nor put back: it is now %2").arg(path, left_at);
    }
    static QString SavedOtherNote(const QString& path, const QString& saved_at) {
        return tr("Another program wrote to the new name of %1 while it was being renamed; its "
                  "data was saved as %2")
            .arg(path, saved_at);
    }
    // The summary's detail: the counts, then the first failures.
    static QString SummaryCounts(size_t renamed, size_t failed) {
        return tr("Renamed: %1\nFailed: %2").arg(Number(renamed), Number(failed));
    }
    static QString NotTriedCount(size_t not_tried) {
        return tr("Not tried: %1").arg(Number(not_tried));
    }
    static QString FirstFailures(int shown) {
        return tr("The first %Ln failure(s):", nullptr, shown);
    }
    static QString PathAndReason(const QString& path, const QString& reason) {
        return tr("%1: %2").arg(path, reason);
    }
    static QString AndMore(size_t more) { return tr("and %1 more").arg(Number(more)); }
    static QString ReasonAndNote(const QString& reason, const QString& note) {
        return tr("%1; %2").arg(reason, note);
    }

    // Why a row was not renamed, from the errno value it carries; new_name
    // is the name it was to get, folder the one its file lies in.
    static QString FailureReason(int error, const QString& new_name, const QString& folder);
    // The system's own words for an error without words of ours.
    static QString SystemReason(int error);
    static QString NameTaken(const QString& new_name) {
        return tr("A file named \"%1\" already exists").arg(new_name);
    }
    static QString PermissionDenied() { return tr("Permission denied"); }
    static QString FileGone() { return tr("The file is no longer there"); }
    static QString FileOrFolderGone() {
        return tr("The file, or the folder it was to move into, is not there");
    }
    static QString FolderReplaced(const QString& folder) {
        return tr("The folder %1 was replaced during the rename").arg(folder);
    }
    static QString FolderOrTargetReplaced(const QString& folder) {
        return tr("The folder %1, or the one the file was to move into, was replaced during "
                  "the rename")
            .arg(folder);
    }
    static QString Cancelled() { return tr("Cancelled"); }
    static QString NameNotAllowed() { return tr("The file system does not accept this name"); }
    static QString NewNameTooLong() { return tr("The new name is too long"); }
    static QString ReadOnly() { return tr("The file system is read-only"); }
    static QString DiskFull() { return tr("The disk is full"); }
    static QString FileBusy() { return tr("The file is in use"); }
    static QString LeftAt(const QString& left_at) {
        return tr("The file is now under the temporary name %1").arg(left_at);
    }
    static QString SavedOther(const QString& saved_at) {
        return tr("Another program's data that met this rename was saved as %1").arg(saved_at);
    }

    // What the preview sees in the way of a row.
    static QString SameTarget(const QString& other_path) {
        return tr("Another listed file is to get the same new path: %1").arg(other_path);
    }
    static QString TargetTaken(const QString& new_name) {
        return tr("A file named \"%1\" already exists and no listed file moves it away")
            .arg(new_name);
    }
    static QString NameTooLongForFolder() {
        return tr("The new name is too long for this folder");
    }
    static QString Cycle(const QString& names) {
        return tr("These renames form a cycle, which cannot complete without replacing a file: %1")
            .arg(names);
    }

    // A row as a screen reader reads it: its path and its state.
    static QString RowForScreenReader(const QString& path, const QString& status) {
        return tr("%1, %2").arg(path, status);
    }
    static QString StatusPending() { return tr("pending"); }
    static QString StatusWarned(const QString& warning) { return tr("pending: %1").arg(warning); }
    static QString StatusRenamed() { return tr("renamed"); }
    static QString StatusFailed(const QString& reason) { return tr("failed: %1").arg(reason); }
    // The list, for a screen reader.
    static QString RenameListName() { return tr("Files to rename"); }

    // A row's tooltip.
    static QString NewPath(const QString& path) { return tr("New path: %1").arg(path); }
    static QString NotRenamed(const QString& reason) { return tr("Not renamed: %1").arg(reason); }
    static QString Renamed() { return tr("Renamed"); }

    // The file dialogs that add files as a drop does.
    static QString AddFilesCaption() { return tr("Add Files"); }
    static QString AddFolderCaption() { return tr("Add Folder"); }
    // In the empty list after a drop that found only subfolders.
    static QString OnlySubfoldersHint() {
        return tr("No files were added: the folder holds only subfolders. Tick Recurse into "
                  "Subdirectories and drop it again.");
    }

    // A drop that could not read everything it was given.
    static QString DropProblemsCaption() { return tr("Not Everything Was Added"); }
    static QString DropProblems() {
        return tr("These could not be read, so nothing in them was added:");
    }
    // Why a dropped path or a folder below it could not be read.
    static QString ReadProblemReason(int error);
    static QString NotFound() { return tr("Not found"); }
    static QString PathTooLong() { return tr("The path is too long"); }

    // The progress of long work.
    static QString LookingForFiles(int found) {
        return tr("Looking for files: %Ln found", nullptr, found);
    }
    static QString AddingFiles(int count) {
        return tr("Adding %Ln file(s) to the list", nullptr, count);
    }
    static QString SettingNames(int count) {
        return tr("Giving %Ln file(s) their new names", nullptr, count);
    }
    static QString Renaming(int renamed, int total) {
        return tr("Renaming: %L1 of %Ln file(s) renamed", nullptr, total).arg(renamed);
    }
    static QString Undoing(int moved) {
        return tr("Undoing the last rename: %Ln file(s) moved back", nullptr, moved);
    }
    static QString Redoing(int moved) {
        return tr("Redoing the rename: %Ln file(s) renamed again", nullptr, moved);
    }
    static QString Cancelling() { return tr("Cancelling..."); }
    static QString CancelButton() { return tr("Cancel"); }

    // Undo and its journal.
    // The history's entries say what they would act on.
    static QString UndoEntry(int files) {
        return tr("&Undo Rename of %Ln Files", nullptr, files);
    }
    static QString UndoNothing() { return tr("&Undo"); }
    static QString RedoEntry(int files) {
        return tr("&Redo Rename of %Ln Files", nullptr, files);
    }
    static QString RedoNothing() { return tr("&Redo"); }
    static QString UndoCaption() { return tr("Undo Last Rename"); }
    static QString UndoIncompleteCaption() { return tr("Undo Incomplete"); }
    static QString UndoDone(int restored) {
        return tr("%Ln file(s) are back under their names.", nullptr, restored);
    }
    static QString UndoCancelled(size_t restored, int not_tried) {
        return tr("%1 back under their names; %Ln not tried. Undo again to bring back the rest.",
                  nullptr, not_tried)
            .arg(Number(restored));
    }
    static QString RedoCaption() { return tr("Redo Rename"); }
    static QString RedoIncompleteCaption() { return tr("Redo Incomplete"); }
    static QString RedoDone(int forward) {
        return tr("%Ln file(s) have their new names again.", nullptr, forward);
    }
    static QString RedoCancelled(size_t forward, int not_tried) {
        return tr("%1 under their new names again; %Ln not tried. Redo again to rename the rest.",
                  nullptr, not_tried)
            .arg(Number(forward));
    }
    static QString RedoMissed(int missed) {
        return tr("%Ln file(s) could not be renamed again:", nullptr, missed);
    }
    static QString NothingToRedo() { return tr("There is no rename to redo."); }
    static QString UndoMissed(int missed) {
        return tr("%Ln file(s) could not be brought back:", nullptr, missed);
    }
    static QString UndoMissedLine(const QString& original, const QString& reason) {
        return tr("%1: %2").arg(original, reason);
    }
    static QString UndoMore(int more) { return tr("... and %Ln more.", nullptr, more); }
    static QString NameTakenReason(const QString& at) {
        return tr("its name is taken; it stays as %1").arg(at);
    }
    static QString GoneReason() { return tr("it is gone"); }
    static QString ReplacedReason(const QString& at) {
        return tr("%1 is no longer the same file").arg(at);
    }
    static QString FailedReason(const QString& at, const QString& error) {
        return tr("%1 could not be moved: %2").arg(at, error);
    }
    static QString NothingToUndo() { return tr("There is no rename to undo."); }
    static QString JournalUnreadable(const QString& error) {
        return tr("The journal of the last rename cannot be read: %1").arg(error);
    }
    static QString RunStillRunning(const QString& run) {
        return tr("Run %1 is still running: another program is renaming or undoing with its "
                  "journal. Try again once it has ended.\n\nNothing was moved.")
            .arg(run);
    }
    static QString UndoJournalDamaged(const QString& run, size_t readable_rows, size_t restored,
                                      int rows) {
        return tr("The journal of run %1 is damaged after record %2; %3 of %Ln file(s) brought "
                  "back.",
                  nullptr, rows)
            .arg(run, Number(readable_rows), Number(restored));
    }
    // A journal that someone else could have written is not followed.
    static QString JournalIsLink(const QString& path) {
        return tr("The journal is refused: %1 is a symbolic link, or not a folder where its "
                  "folder should be.")
            .arg(path);
    }
    static QString JournalOfAnotherUser(const QString& path) {
        return tr("The journal is refused: %1 belongs to another user.").arg(path);
    }
    static QString JournalOpenToOthers(const QString& path) {
        return tr("The journal is refused: %1 is open to other users (a folder must be writable "
                  "by you alone, a journal file mode 0600).")
            .arg(path);
    }
    static QString NothingMoved() { return tr("Nothing was moved."); }
    static QString RenameWithoutUndoQuestion() {
        return tr("Without it the rename cannot be undone. Rename anyway?");
    }
    static QString UndoJournalUnwritable(const QString& folder, const QString& error) {
        return tr("The undo keeps a journal too, and it cannot be written in %1: %2\n\nNothing "
                  "was moved.")
            .arg(folder, error);
    }
    static QString JournalIncomplete(const QString& folder, const QString& error) {
        return tr("The journal of this rename in %1 misses some of it: %2\n\nUndo may not bring "
                  "back every file.")
            .arg(folder, error);
    }
    static QString WithoutUndoCaption() { return tr("Rename Without Undo?"); }
    static QString JournalUnwritableQuestion(const QString& folder, const QString& error) {
        return tr("The journal of this rename cannot be written in %1: %2\n\nWithout it the "
                  "rename cannot be undone. Rename anyway?")
            .arg(folder, error);
    }
    static QString InterruptedCaption() { return tr("Interrupted Rename"); }
    static QString InterruptedQuestion(const QString& started, const QString& folder,
                                       size_t renamed, int rows) {
        return tr("The last rename, started %1 in %2, did not end: %3 of %Ln files were renamed "
                  "before it was cut short.\n\nUndo it now?",
                  nullptr, rows)
            .arg(started, folder, Number(renamed));
    }

    // The window menu.
    static QString AddFilesEntry() { return tr("Add &Files..."); }
    static QString AddFolderEntry() { return tr("Add F&older..."); }
    static QString MinimizeEntry() { return tr("Mi&nimize"); }
    static QString CloseEntry() { return tr("&Close"); }
    static QString AboutEntry() { return tr("&About Zentavo..."); }
    static QString HelpEntry() { return tr("&Help..."); }

    // The About box.
    static QString AboutCaption() { return tr("About Zentavo..."); }
    static QString AboutVersion() { return tr("Zentavo Version 1.0"); }
    static QString AboutRights() {
        return tr(
            "Copyright \u00a9 the Zentavo developers.\n\nZentavo is free software under the MIT "
            "licence: you may use, copy, change, sell and pass it on, as long as the copyright "
            "and licence notice go with it. It comes without any warranty.");
    }
    static QString AboutPostcard() {
        return tr(
            "If Zentavo saves you some work, money is always welcome, but a postcard will do "
            "just as well. Problems, ideas and postcards go to:");
    }
    static QString AboutAddress() {
        return tr("The Zentavo developers\nzentavo@example.org");
    }
    static QString OkButton() { return tr("OK"); }

    // Help.
    static QString HelpLaunchFailed() { return tr("Failed to launch help."); }
    static QString HelpWindowCaption() { return tr("Zentavo Help"); }
    static QString HelpFileMissing(const QString& file) {
        return tr("The help file %1 could not be read.").arg(file);
    }
    static QString HelpTopicMissing(const QString& file, int context) {
        return tr("The help file %1 has no topic for context %2.").arg(file).arg(context);
    }
};

}  // namespace zentavo
