// Every text the windows show. Each one passes through Qt's translation
// function here and nowhere else, so the program can be translated by
// translating this file's texts.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace zentavo {

class Texts {
    Q_DECLARE_TR_FUNCTIONS(Texts)
public:
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
        return tr("Renaming failed for %n file(s).", nullptr, failed);
    }
    static QString FinishedCaption() { return tr("Finished"); }
    static QString FinishedSummary(int renamed) {
        return tr("%n file(s) were renamed successfully.", nullptr, renamed);
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

    // Undo and its journal.
    static QString UndoEntry() { return tr("&Undo Last Rename"); }
    static QString UndoCaption() { return tr("Undo Last Rename"); }
    static QString UndoIncompleteCaption() { return tr("Undo Incomplete"); }
    static QString UndoDone(int restored) {
        return tr("%n file(s) are back under their names.", nullptr, restored);
    }
    static QString UndoMissed(int missed) {
        return tr("%n file(s) could not be brought back:", nullptr, missed);
    }
    static QString UndoMissedLine(const QString& original, const QString& reason) {
        return tr("%1: %2").arg(original, reason);
    }
    static QString UndoMore(int more) { return tr("... and %n more.", nullptr, more); }
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
    static QString UndoJournalUnwritable(const QString& folder, const QString& error) {
        return tr("The undo keeps a journal too, and it cannot be written in %1: %2\n\nNothing "
                  "was moved.")
            .arg(folder, error);
    }
    static QString JournalUnwritableQuestion(const QString& folder, const QString& error) {
        return tr("The journal of this rename cannot be written in %1: %2\n\nWithout it the "
                  "rename cannot be undone. Rename anyway?")
            .arg(folder, error);
    }
    static QString InterruptedCaption() { return tr("Interrupted Rename"); }
    static QString InterruptedQuestion(const QString& started, const QString& folder, int rows) {
        return tr("The last rename, started %1 in %2 for %n file(s), was cut short before it "
                  "ended. Undo it now?",
                  nullptr, rows)
            .arg(started, folder);
    }

    // The window menu.
    static QString MinimizeEntry() { return tr("Mi&nimize"); }
    static QString CloseEntry() { return tr("&Close"); }
    static QString AboutEntry() { return tr("&About Zentavo..."); }
    static QString HelpEntry() { return tr("&Help..."); }

    // The About box.
    static QString AboutCaption() { return tr("About Zentavo..."); }
    static QString AboutVersion() { return tr("Zentavo Version 1.0"); }
    static QString AboutRights() {
        return tr(
            "Copyright \u00a9 the Zentavo contributors.\n\nZentavo is free to use. You may "
            "copy it and pass it on, as long as it stays whole and unchanged and nobody is "
            "charged for it.");
    }
    static QString AboutPostcard() {
        return tr(
            "If Zentavo saves you some work, money is always welcome, but a postcard will do "
            "just as well. Send it to:");
    }
    static QString AboutAddress() {
        return tr(
            "The Zentavo Project\nThe maintainers\nContact details are in\nthe project's "
            "README");
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
