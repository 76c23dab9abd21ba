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

    // The system's own words for an error without words of ours.
    static QString SystemReason(int error);

    // A row as a screen reader reads it: its path and its state.
    static QString RowForScreenReader(const QString& path, const QString& status) {
        return Tr(TextId::RowForScreenReader).arg(path, status);
    }
    // The list, for a screen reader.
    static QString RenameListName() { return Tr(TextId::RenameListName); }

    // A row's tooltip.
    static QString NewPath(const QString& path) { return Tr(TextId::NewPath).arg(path); }

    // The file dialogs that add files as a drop does.
    static QString AddFilesCaption() { return Tr(TextId::AddFilesCaption); }
    static QString AddFolderCaption() { return Tr(TextId::AddFolderCaption); }
    // In the empty list after a drop that found only subfolders.
    static QString OnlySubfoldersHint() { return Tr(TextId::OnlySubfoldersHint); }

    // The progress box.
    static QString Cancelling() { return Tr(TextId::Cancelling); }
    static QString CancelButton() { return Tr(TextId::CancelButton); }

    // Undo and Redo in the window menu, before the history is read.
    static QString UndoNothing() { return Tr(TextId::UndoNothing); }
    static QString RedoNothing() { return Tr(TextId::RedoNothing); }

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
