// Every text the windows show, in the user's language: the shared table's
// text (window/text_id.h) through Qt's translation here and nowhere else,
// with its values filled in.
#pragma once

#include <cstddef>

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include "window/text_id.h"

namespace zentavo {

class Texts {
public:
    // A text of the table in the user's language; a counting text with its
    // count in the language's plural form.
    static QString Tr(TextId id, int count = -1) {
        return QCoreApplication::translate(kTextContext, SourceText(id), nullptr, count);
    }
    // A count as the locale writes it, digits grouped: 1,204 or 1.204.
    static QString Number(size_t count) { return QLocale().toString(qulonglong(count)); }

    // The main window.
    static QString MainCaption() { return Tr(TextId::MainCaption); }
    static QString PatternLabel() { return Tr(TextId::PatternLabel); }
    static QString RecurseCheck() { return Tr(TextId::RecurseCheck); }
    static QString SetFilenamesButton() { return Tr(TextId::SetFilenamesButton); }
    static QString RenameButton() { return Tr(TextId::RenameButton); }
    static QString HelpButton() { return Tr(TextId::HelpButton); }
    static QString ExitButton() { return Tr(TextId::ExitButton); }
    static QString PathHeading() { return Tr(TextId::PathHeading); }
    static QString NewNameHeading() { return Tr(TextId::NewNameHeading); }
    // Shown instead of a new name too long to be used.
    static QString NameTooLong() { return Tr(TextId::NameTooLong); }

    // The summary of a rename run.
    static QString FailedCaption() { return Tr(TextId::FailedCaption); }
    static QString FailedSummary(int failed) { return Tr(TextId::FailedSummary, failed); }
    static QString FinishedCaption() { return Tr(TextId::FinishedCaption); }
    static QString FinishedSummary(int renamed) { return Tr(TextId::FinishedSummary, renamed); }
    // A run the user stopped: the rows it did not try are no failure.
    static QString CancelledCaption() { return Tr(TextId::CancelledCaption); }
    static QString CancelledSummary(size_t renamed, int not_tried) {
        return Tr(TextId::CancelledSummary, not_tried).arg(Number(renamed));
    }
    // Added to the summary for the rare rows that need it.
    static QString LeftAtNote(const QString& path, const QString& left_at) {
        return Tr(TextId::LeftAtNote).arg(path, left_at);
    }
    static QString SavedOtherNote(const QString& path, const QString& saved_at) {
        return Tr(TextId::SavedOtherNote).arg(path, saved_at);
    }
    // The summary's detail: the counts, then the first failures.
    static QString SummaryCounts(size_t renamed, size_t failed) {
        return Tr(TextId::SummaryCounts).arg(Number(renamed), Number(failed));
    }
    static QString NotTriedCount(size_t not_tried) {
        return Tr(TextId::NotTriedCount).arg(Number(not_tried));
    }
    static QString FirstFailures(int shown) { return Tr(TextId::FirstFailures, shown); }
    static QString PathAndReason(const QString& path, const QString& reason) {
        return Tr(TextId::PathAndReason).arg(path, reason);
    }
    static QString AndMore(size_t more) { return Tr(TextId::AndMore).arg(Number(more)); }
    static QString ReasonAndNote(const QString& reason, const QString& note) {
        return Tr(TextId::ReasonAndNote).arg(reason, note);
    }

    // Why a row was not renamed, from the errno value it carries; new_name
    // is the name it was to get, folder the one its file lies in.
    static QString FailureReason(int error, const QString& new_name, const QString& folder);
    // The system's own words for an error without words of ours.
    static QString SystemReason(int error);
    static QString NameTaken(const QString& new_name) {
        return Tr(TextId::NameTaken).arg(new_name);
    }
    static QString PermissionDenied() { return Tr(TextId::PermissionDenied); }
    static QString FileGone() { return Tr(TextId::FileGone); }
    static QString FileOrFolderGone() { return Tr(TextId::FileOrFolderGone); }
    static QString FolderReplaced(const QString& folder) {
        return Tr(TextId::FolderReplaced).arg(folder);
    }
    static QString FolderOrTargetReplaced(const QString& folder) {
        return Tr(TextId::FolderOrTargetReplaced).arg(folder);
    }
    static QString Cancelled() { return Tr(TextId::Cancelled); }
    static QString NameNotAllowed() { return Tr(TextId::NameNotAllowed); }
    static QString NewNameTooLong() { return Tr(TextId::NewNameTooLong); }
    static QString ReadOnly() { return Tr(TextId::ReadOnly); }
    static QString DiskFull() { return Tr(TextId::DiskFull); }
    static QString FileBusy() { return Tr(TextId::FileBusy); }
    static QString LeftAt(const QString& left_at) { return Tr(TextId::LeftAt).arg(left_at); }
    static QString SavedOther(const QString& saved_at) {
        return Tr(TextId::SavedOther).arg(saved_at);
    }

    // What the preview sees in the way of a row.
    static QString SameTarget(const QString& other_path) {
        return Tr(TextId::SameTarget).arg(other_path);
    }
    static QString TargetTaken(const QString& new_name) {
        return Tr(TextId::TargetTaken).arg(new_name);
    }
    static QString NameTooLongForFolder() { return Tr(TextId::NameTooLongForFolder); }
    static QString Cycle(const QString& names) { return Tr(TextId::Cycle).arg(names); }

    // A row as a screen reader reads it: its path and its state.
    static QString RowForScreenReader(const QString& path, const QString& status) {
        return Tr(TextId::RowForScreenReader).arg(path, status);
    }
    static QString StatusPending() { return Tr(TextId::StatusPending); }
    static QString StatusWarned(const QString& warning) {
        return Tr(TextId::StatusWarned).arg(warning);
    }
    static QString StatusRenamed() { return Tr(TextId::StatusRenamed); }
    static QString StatusFailed(const QString& reason) {
        return Tr(TextId::StatusFailed).arg(reason);
    }
    // The list, for a screen reader.
    static QString RenameListName() { return Tr(TextId::RenameListName); }

    // A row's tooltip.
    static QString NewPath(const QString& path) { return Tr(TextId::NewPath).arg(path); }
    static QString NotRenamed(const QString& reason) { return Tr(TextId::NotRenamed).arg(reason); }
    static QString Renamed() { return Tr(TextId::Renamed); }

    // The file dialogs that add files as a drop does.
    static QString AddFilesCaption() { return Tr(TextId::AddFilesCaption); }
    static QString AddFolderCaption() { return Tr(TextId::AddFolderCaption); }
    // In the empty list after a drop that found only subfolders.
    static QString OnlySubfoldersHint() { return Tr(TextId::OnlySubfoldersHint); }

    // A drop that could not read everything it was given.
    static QString DropProblemsCaption() { return Tr(TextId::DropProblemsCaption); }
    static QString DropProblems() { return Tr(TextId::DropProblems); }
    // Why a dropped path or a folder below it could not be read.
    static QString ReadProblemReason(int error);
    static QString NotFound() { return Tr(TextId::NotFound); }
    static QString PathTooLong() { return Tr(TextId::PathTooLong); }

    // The progress of long work.
    static QString LookingForFiles(int found) { return Tr(TextId::LookingForFiles, found); }
    static QString AddingFiles(int count) { return Tr(TextId::AddingFiles, count); }
    static QString SettingNames(int count) { return Tr(TextId::SettingNames, count); }
    static QString Renaming(int renamed, int total) {
        return Tr(TextId::Renaming, total).arg(renamed);
    }
    static QString Undoing(int moved) { return Tr(TextId::Undoing, moved); }
    static QString Redoing(int moved) { return Tr(TextId::Redoing, moved); }
    static QString Cancelling() { return Tr(TextId::Cancelling); }
    static QString CancelButton() { return Tr(TextId::CancelButton); }

    // Undo and its journal.
    // The history's entries say what they would act on.
    static QString UndoEntry(int files) { return Tr(TextId::UndoEntry, files); }
    static QString UndoNothing() { return Tr(TextId::UndoNothing); }
    static QString RedoEntry(int files) { return Tr(TextId::RedoEntry, files); }
    static QString RedoNothing() { return Tr(TextId::RedoNothing); }
    static QString UndoCaption() { return Tr(TextId::UndoCaption); }
    static QString UndoIncompleteCaption() { return Tr(TextId::UndoIncompleteCaption); }
    static QString UndoDone(int restored) { return Tr(TextId::UndoDone, restored); }
    static QString UndoCancelled(size_t restored, int not_tried) {
        return Tr(TextId::UndoCancelled, not_tried).arg(Number(restored));
    }
    static QString RedoCaption() { return Tr(TextId::RedoCaption); }
    static QString RedoIncompleteCaption() { return Tr(TextId::RedoIncompleteCaption); }
    static QString RedoDone(int forward) { return Tr(TextId::RedoDone, forward); }
    static QString RedoCancelled(size_t forward, int not_tried) {
        return Tr(TextId::RedoCancelled, not_tried).arg(Number(forward));
    }
    static QString RedoMissed(int missed) { return Tr(TextId::RedoMissed, missed); }
    static QString NothingToRedo() { return Tr(TextId::NothingToRedo); }
    static QString UndoMissed(int missed) { return Tr(TextId::UndoMissed, missed); }
    static QString UndoMissedLine(const QString& original, const QString& reason) {
        return Tr(TextId::UndoMissedLine).arg(original, reason);
    }
    static QString UndoMore(int more) { return Tr(TextId::UndoMore, more); }
    static QString NameTakenReason(const QString& at) {
        return Tr(TextId::NameTakenReason).arg(at);
    }
    static QString GoneReason() { return Tr(TextId::GoneReason); }
    static QString ReplacedReason(const QString& at) { return Tr(TextId::ReplacedReason).arg(at); }
    static QString FailedReason(const QString& at, const QString& error) {
        return Tr(TextId::FailedReason).arg(at, error);
    }
    static QString NothingToUndo() { return Tr(TextId::NothingToUndo); }
    static QString JournalUnreadable(const QString& error) {
        return Tr(TextId::JournalUnreadable).arg(error);
    }
    static QString RunStillRunning(const QString& run) {
        return Tr(TextId::RunStillRunning).arg(run);
    }
    static QString UndoJournalDamaged(const QString& run, size_t readable_rows, size_t restored,
                                      int rows) {
        return Tr(TextId::UndoJournalDamaged, rows)
            .arg(run, Number(readable_rows), Number(restored));
    }
    // A journal that someone else could have written is not followed.
    static QString JournalIsLink(const QString& path) {
        return Tr(TextId::JournalIsLink).arg(path);
    }
    static QString JournalOfAnotherUser(const QString& path) {
        return Tr(TextId::JournalOfAnotherUser).arg(path);
    }
    static QString JournalOpenToOthers(const QString& path) {
        return Tr(TextId::JournalOpenToOthers).arg(path);
    }
    static QString NothingMoved() { return Tr(TextId::NothingMoved); }
    static QString RenameWithoutUndoQuestion() { return Tr(TextId::RenameWithoutUndoQuestion); }
    static QString UndoJournalUnwritable(const QString& folder, const QString& error) {
        return Tr(TextId::UndoJournalUnwritable).arg(folder, error);
    }
    static QString JournalIncomplete(const QString& folder, const QString& error) {
        return Tr(TextId::JournalIncomplete).arg(folder, error);
    }
    static QString WithoutUndoCaption() { return Tr(TextId::WithoutUndoCaption); }
    static QString JournalUnwritableQuestion(const QString& folder, const QString& error) {
        return Tr(TextId::JournalUnwritableQuestion).arg(folder, error);
    }
    static QString InterruptedCaption() { return Tr(TextId::InterruptedCaption); }
    static QString InterruptedQuestion(const QString& started, const QString& folder,
                                       size_t renamed, int rows) {
        return Tr(TextId::InterruptedQuestion, rows).arg(started, folder, Number(renamed));
    }

    // The window menu.
    static QString AddFilesEntry() { return Tr(TextId::AddFilesEntry); }
    static QString AddFolderEntry() { return Tr(TextId::AddFolderEntry); }
    static QString MinimizeEntry() { return Tr(TextId::MinimizeEntry); }
    static QString CloseEntry() { return Tr(TextId::CloseEntry); }
    static QString AboutEntry() { return Tr(TextId::AboutEntry); }
    static QString HelpEntry() { return Tr(TextId::HelpEntry); }

    // The About box.
    static QString AboutCaption() { return Tr(TextId::AboutCaption); }
    static QString AboutVersion() { return Tr(TextId::AboutVersion); }
    static QString AboutRights() { return Tr(TextId::AboutRights); }
    static QString AboutPostcard() { return Tr(TextId::AboutPostcard); }
    static QString AboutAddress() { return Tr(TextId::AboutAddress); }
    static QString OkButton() { return Tr(TextId::OkButton); }

    // Help.
    static QString HelpLaunchFailed() { return Tr(TextId::HelpLaunchFailed); }
    static QString HelpWindowCaption() { return Tr(TextId::HelpWindowCaption); }
    static QString HelpFileMissing(const QString& file) {
        return Tr(TextId::HelpFileMissing).arg(file);
    }
    static QString HelpTopicMissing(const QString& file, int context) {
        return Tr(TextId::HelpTopicMissing).arg(file).arg(context);
    }
};

}  // namespace zentavo
