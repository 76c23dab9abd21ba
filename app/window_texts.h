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
