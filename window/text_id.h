// Every text the windows show, by id, as one table that each front end
// translates: the Qt window through its translation files, a Win32 window
// through its own. The logic names a text by its id and hands its values
// apart, so that a translation may reorder them.
#pragma once

namespace zentavo {

enum class TextId : unsigned short {
    // The main window.
    MainCaption,
    PatternLabel,
    RecurseCheck,
    SetFilenamesButton,
    RenameButton,
    HelpButton,
    ExitButton,
    PathHeading,
    NewNameHeading,

    // Shown instead of a new name too long to be used.
    NameTooLong,

    // The summary of a rename run.
    FailedCaption,
    FailedSummary,
    FinishedCaption,
    FinishedSummary,

    // A run the user stopped: the rows it did not try are no failure.
    CancelledCaption,
    CancelledSummary,

    // Added to the summary for the rare rows that need it.
    LeftAtNote,
    SavedOtherNote,

    // The summary's detail: the counts, then the first failures.
    SummaryCounts,
    NotTriedCount,
    FirstFailures,
    PathAndReason,
    AndMore,
    ReasonAndNote,

    // Why a row was not renamed, from the errno value it carries
    // (window/reasons.h).
    NameTaken,
    PermissionDenied,
    FileGone,
    FileOrFolderGone,
    FolderReplaced,
    FolderOrTargetReplaced,
    Cancelled,
    NameNotAllowed,
    NewNameTooLong,
    ReadOnly,
    DiskFull,
    FileBusy,
    LeftAt,
    SavedOther,

    // What the preview sees in the way of a row.
    SameTarget,
    TargetTaken,
    NameTooLongForFolder,
    Cycle,

    // A row as a screen reader reads it: its path and its state.
    RowForScreenReader,
    StatusPending,
    StatusWarned,
    StatusRenamed,
    StatusFailed,

    // The list, for a screen reader.
    RenameListName,

    // A row's tooltip.
    NewPath,
    NotRenamed,
    Renamed,

    // The file dialogs that add files as a drop does.
    AddFilesCaption,
    AddFolderCaption,

    // In the empty list after a drop that found only subfolders.
    OnlySubfoldersHint,

    // A drop that could not read everything it was given.
    DropProblemsCaption,
    DropProblems,
    NotFound,
    PathTooLong,

    // The progress of long work.
    LookingForFiles,
    AddingFiles,
    SettingNames,
    Renaming,
    Undoing,
    Redoing,
    Cancelling,
    CancelButton,

    // Undo and its journal.
    // The history's entries say what they would act on.
    UndoEntry,
    UndoNothing,
    RedoEntry,
    RedoNothing,
    UndoCaption,
    UndoIncompleteCaption,
    UndoDone,
    UndoCancelled,
    RedoCaption,
    RedoIncompleteCaption,
    RedoDone,
    RedoCancelled,
    RedoMissed,
    NothingToRedo,
    UndoMissed,
    UndoMissedLine,
    UndoMore,
    NameTakenReason,
    GoneReason,
    ReplacedReason,
    FailedReason,
    NothingToUndo,
    JournalUnreadable,
    RunStillRunning,
    UndoJournalDamaged,

    // A journal that someone else could have written is not followed.
    JournalIsLink,
    JournalOfAnotherUser,
    JournalOpenToOthers,
    NothingMoved,
    RenameWithoutUndoQuestion,
    UndoJournalUnwritable,
    JournalIncomplete,
    WithoutUndoCaption,
    JournalUnwritableQuestion,
    InterruptedCaption,
    InterruptedQuestion,

    // The window menu.
    AddFilesEntry,
    AddFolderEntry,
    MinimizeEntry,
    CloseEntry,
    AboutEntry,
    HelpEntry,

    // The About box.
    AboutCaption,
    AboutVersion,
    AboutRights,
    AboutPostcard,
    AboutAddress,
    OkButton,

    // Help.
    HelpLaunchFailed,
    HelpWindowCaption,
    HelpFileMissing,
    HelpTopicMissing,
};

// The context the translation files keep every text under.
inline constexpr const char* kTextContext = "Texts";

// The English source of a text. A text that counts holds %Ln, which the
// count takes the place of in the language's plural form.
const char* SourceText(TextId id);

}  // namespace zentavo
