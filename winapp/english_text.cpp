#include "winapp/english_text.h"

namespace zentavo {

namespace {

// The counting texts' English forms, as res/translations/zentavo_en.ts
// gives them to the Qt window.
struct CountingText {
    TextId id;
    const char* one;
    const char* many;
};

constexpr CountingText kCountingTexts[] = {
    {TextId::FailedSummary, "Renaming failed for %Ln file.", "Renaming failed for %Ln files."},
    {TextId::FinishedSummary, "%Ln file was renamed successfully.",
     "%Ln files were renamed successfully."},
    {TextId::FirstFailures, "The first failure:", "The first %Ln failures:"},
    {TextId::LookingForFiles, "Looking for files: %Ln found", "Looking for files: %Ln found"},
    {TextId::AddingFiles, "Adding %Ln file to the list", "Adding %Ln files to the list"},
    {TextId::SettingNames, "Giving %Ln file its new name", "Giving %Ln files their new names"},
    {TextId::Renaming, "Renaming: %L1 of %Ln file renamed", "Renaming: %L1 of %Ln files renamed"},
    {TextId::Undoing, "Undoing the last rename: %Ln file moved back",
     "Undoing the last rename: %Ln files moved back"},
    {TextId::UndoDone, "%Ln file is back under its name.", "%Ln files are back under their names."},
    {TextId::UndoMissed,
     "%Ln file could not be brought back:", "%Ln files could not be brought back:"},
    {TextId::UndoMore, "... and %Ln more.", "... and %Ln more."},
    {TextId::CancelledSummary, "%1 renamed; %Ln not tried.", "%1 renamed; %Ln not tried."},
    {TextId::InterruptedQuestion,
     "The last rename, started %1 in %2, did not end: %3 of %Ln file was renamed before it was cut "
     "short.\n\nUndo it now?",
     "The last rename, started %1 in %2, did not end: %3 of %Ln files were renamed before it was "
     "cut short.\n\nUndo it now?"},
    {TextId::UndoCancelled,
     "%1 back under their names; %Ln not tried. Undo again to bring back the rest.",
     "%1 back under their names; %Ln not tried. Undo again to bring back the rest."},
    {TextId::Redoing, "Redoing the rename: %Ln file renamed again",
     "Redoing the rename: %Ln files renamed again"},
    {TextId::UndoEntry, "&Undo Rename of %Ln File", "&Undo Rename of %Ln Files"},
    {TextId::RedoEntry, "&Redo Rename of %Ln File", "&Redo Rename of %Ln Files"},
    {TextId::RedoDone, "%Ln file has its new name again.", "%Ln files have their new names again."},
    {TextId::RedoCancelled,
     "%1 under their new names again; %Ln not tried. Redo again to rename the rest.",
     "%1 under their new names again; %Ln not tried. Redo again to rename the rest."},
    {TextId::RedoMissed,
     "%Ln file could not be renamed again:", "%Ln files could not be renamed again:"},
    {TextId::UndoJournalDamaged,
     "The journal of run %1 is damaged after record %2; %3 of %Ln file brought back.",
     "The journal of run %1 is damaged after record %2; %3 of %Ln files brought back."},
};

}  // namespace

std::string_view EnglishText(TextId id, int count) {
    for (const CountingText& text : kCountingTexts)
        if (text.id == id) return count == 1 ? text.one : text.many;
    return SourceText(id);
}

}  // namespace zentavo
