#include "window/reports.h"

#include <cerrno>

#include "window/reasons.h"
#include "window/row_words.h"

namespace zentavo {

namespace {

// The paths or rows a message lists before it only counts the rest.
constexpr size_t kListedInMessages = 10;
// An undo lists a file a line, up to a box's worth.
constexpr size_t kUndoLinesListed = 20;

Value Text(TextId id, std::vector<Value> values = {}, int count = -1) {
    return Value::Words(Message(id, std::move(values), count));
}

std::string_view FolderPart(std::string_view path, PathSyntax syntax) {
    return path.substr(0, path.find_last_of(Separators(syntax)));
}

Value UndoProblemReason(const UndoProblem& problem, PathSyntax syntax) {
    const Value at = Value::Bytes(problem.at);
    switch (problem.reason) {
        case UndoReason::NameTaken:
            return Text(TextId::NameTakenReason, {at});
        case UndoReason::Gone:
            return Text(TextId::GoneReason);
        case UndoReason::Replaced:
            return Text(TextId::ReplacedReason, {at});
        case UndoReason::Failed:
            break;
    }
    if (problem.error == ESTALE) {
        const std::string_view from = FolderPart(problem.at, syntax);
        const TextId replaced = from == FolderPart(problem.original, syntax)
                                    ? TextId::FolderReplaced
                                    : TextId::FolderOrTargetReplaced;
        return Text(TextId::FailedReason, {at, Text(replaced, {Value::Bytes(from)})});
    }
    return Text(TextId::FailedReason, {at, Value::SystemError(problem.error)});
}

const RowNote* NoteOf(const std::vector<RowNote>& notes, size_t row) {
    for (const RowNote& note : notes)
        if (note.row == row) return &note;
    return nullptr;
}

// Why journals refused the journal, naming the path they would not trust;
// none when the error is no refusal.
std::vector<Paragraph> Refusal(int error, const JournalStore& journals) {
    if (journals.untrusted_path().empty()) return {};
    const Value path = Value::Bytes(journals.untrusted_path());
    switch (error) {
        case ELOOP:
            return {{Text(TextId::JournalIsLink, {path})}};
        case EPERM:
            return {{Text(TextId::JournalOfAnotherUser, {path})}};
        default:
            return {{Text(TextId::JournalOpenToOthers, {path})}};
    }
}

}  // namespace

Question WithoutJournalQuestion(int error, const JournalStore& journals) {
    std::vector<Paragraph> text = Refusal(error, journals);
    if (text.empty()) {
        text.push_back({Text(TextId::JournalUnwritableQuestion,
                             {Value::Bytes(journals.folder()), Value::SystemError(error)})});
    } else {
        text.push_back({Text(TextId::RenameWithoutUndoQuestion)});
    }
    return {Message(TextId::WithoutUndoCaption), std::move(text)};
}

Report DropProblemsReport(const std::vector<ReadProblem>& problems) {
    Paragraph lines;
    for (size_t i = 0; i < problems.size() && i < kListedInMessages; ++i) {
        lines.push_back(Text(TextId::PathAndReason, {Value::Bytes(problems[i].path),
                                                     ReadProblemReason(problems[i].error)}));
    }
    if (problems.size() > kListedInMessages)
        lines.push_back(Text(TextId::AndMore, {Value::Count(problems.size() - kListedInMessages)}));
    return {MessageIcon::Warning,
            Message(TextId::DropProblemsCaption),
            {{Text(TextId::DropProblems)}, std::move(lines)},
            {}};
}

Report RenameSummaryReport(const RenameOutcome& outcome, const RenameList& list,
                           std::string_view journal_folder) {
    std::vector<Paragraph> notes;
    if (outcome.journal_write_error != 0) {
        notes.push_back(
            {Text(TextId::JournalIncomplete, {Value::Bytes(journal_folder),
                                              Value::SystemError(outcome.journal_write_error)})});
    }
    for (const RowNote& note : outcome.notes) {
        const Value path = Value::Bytes(list.path(note.row));
        if (!note.left_at.empty())
            notes.push_back({Text(TextId::LeftAtNote, {path, Value::Bytes(note.left_at)})});
        if (!note.saved_other.empty())
            notes.push_back({Text(TextId::SavedOtherNote, {path, Value::Bytes(note.saved_other)})});
    }
    const auto with_notes = [&notes](std::vector<Paragraph> text) {
        text.insert(text.end(), notes.begin(), notes.end());
        return text;
    };
    if (outcome.failed == 0) {
        const MessageIcon icon =
            outcome.journal_write_error != 0 ? MessageIcon::Warning : MessageIcon::Information;
        return {icon,
                Message(TextId::FinishedCaption),
                with_notes({{Text(TextId::FinishedSummary, {}, int(outcome.renamed))}}),
                {{Text(TextId::SummaryCounts, {Value::Count(outcome.renamed), Value::Count(0)})}}};
    }
    // The failed rows are this run's: a list is fresh for every run. Those
    // a cancelled run did not try are no failure of theirs.
    Paragraph failures;
    size_t failed = 0;
    size_t not_tried = 0;
    for (size_t row = 0; row < list.count(); ++row) {
        if (list.mark(row) != RowMark::Failed) continue;
        if (list.failure(row) == ECANCELED) {
            ++not_tried;
        } else if (failed++ < kListedInMessages) {
            failures.push_back(Text(
                TextId::PathAndReason,
                {Value::Bytes(list.path(row)), RowFailure(list, row, NoteOf(outcome.notes, row))}));
        }
    }
    std::vector<Paragraph> detail{
        {Text(TextId::SummaryCounts, {Value::Count(outcome.renamed), Value::Count(failed)})}};
    if (not_tried > 0)
        detail.back().push_back(Text(TextId::NotTriedCount, {Value::Count(not_tried)}));
    if (failed > 0) {
        failures.insert(failures.begin(), Text(TextId::FirstFailures, {}, int(failures.size())));
        if (failed > kListedInMessages)
            failures.push_back(Text(TextId::AndMore, {Value::Count(failed - kListedInMessages)}));
        detail.push_back(std::move(failures));
    }
    if (not_tried == 0) {
        return {MessageIcon::Warning, Message(TextId::FailedCaption),
                with_notes({{Text(TextId::FailedSummary, {}, int(outcome.failed))}}),
                std::move(detail)};
    }
    std::vector<Paragraph> text{
        {Text(TextId::CancelledSummary, {Value::Count(outcome.renamed)}, int(not_tried))}};
    if (failed > 0) text.push_back({Text(TextId::FailedSummary, {}, int(failed))});
    const MessageIcon icon = failed > 0 || outcome.journal_write_error != 0
                                 ? MessageIcon::Warning
                                 : MessageIcon::Information;
    return {icon, Message(TextId::CancelledCaption), with_notes(std::move(text)),
            std::move(detail)};
}

Report UndoReport(bool redo, int error, const UndoOutcome& outcome, const JournalStore& journals,
                  PathSyntax syntax) {
    const Message caption(redo ? TextId::RedoCaption : TextId::UndoCaption);
    const auto told = [&caption](MessageIcon icon, std::vector<Paragraph> text) {
        return Report{icon, caption, std::move(text), {}};
    };
    if (error == ENOENT) {
        return told(MessageIcon::Information,
                    {{Text(redo ? TextId::NothingToRedo : TextId::NothingToUndo)}});
    }
    // The undo's own journal meets the same trust as the one it reads.
    const int journal_error = error != 0 ? error : outcome.journal_error;
    if (std::vector<Paragraph> refusal = Refusal(journal_error, journals);
        journal_error != 0 && !refusal.empty()) {
        refusal.push_back({Text(TextId::NothingMoved)});
        return told(MessageIcon::Warning, std::move(refusal));
    }
    if (error == EBUSY) {
        return told(MessageIcon::Warning,
                    {{Text(TextId::RunStillRunning, {Value::Bytes(outcome.run_id)})}});
    }
    if (error != 0) {
        return told(MessageIcon::Warning,
                    {{Text(TextId::JournalUnreadable, {Value::SystemError(error)})}});
    }
    if (outcome.journal_error != 0) {
        return told(
            MessageIcon::Warning,
            {{Text(TextId::UndoJournalUnwritable,
                   {Value::Bytes(journals.folder()), Value::SystemError(outcome.journal_error)})}});
    }
    // The files a cancelled undo did not try are left for the next one.
    std::vector<const UndoProblem*> missed;
    size_t not_tried = 0;
    for (const UndoProblem& problem : outcome.problems) {
        if (problem.reason == UndoReason::Failed && problem.error == ECANCELED)
            ++not_tried;
        else
            missed.push_back(&problem);
    }
    const size_t back = outcome.restored.size();
    // A damaged journal hides how many files the run moved beyond it.
    const Value damaged = Text(
        TextId::UndoJournalDamaged,
        {Value::Bytes(outcome.run_id), Value::Count(outcome.readable_rows), Value::Count(back)},
        int(outcome.rows));
    std::vector<Paragraph> text;
    if (not_tried > 0) {
        text.push_back({Text(redo ? TextId::RedoCancelled : TextId::UndoCancelled,
                             {Value::Count(back)}, int(not_tried))});
        if (outcome.damaged) text.push_back({damaged});
    } else if (outcome.damaged) {
        text.push_back({damaged});
    } else {
        text.push_back({Text(redo ? TextId::RedoDone : TextId::UndoDone, {}, int(back))});
    }
    if (!missed.empty()) {
        Paragraph lines{
            Text(redo ? TextId::RedoMissed : TextId::UndoMissed, {}, int(missed.size()))};
        for (size_t i = 0; i < missed.size() && i < kUndoLinesListed; ++i) {
            lines.push_back(Text(TextId::UndoMissedLine, {Value::Bytes(missed[i]->original),
                                                          UndoProblemReason(*missed[i], syntax)}));
        }
        if (missed.size() > kUndoLinesListed)
            lines.push_back(Text(TextId::UndoMore, {}, int(missed.size() - kUndoLinesListed)));
        text.push_back(std::move(lines));
    }
    const bool incomplete = !missed.empty() || outcome.damaged;
    const MessageIcon icon = incomplete ? MessageIcon::Warning : MessageIcon::Information;
    if (not_tried > 0) return {icon, Message(TextId::CancelledCaption), std::move(text), {}};
    if (!incomplete) return told(icon, std::move(text));
    return {icon,
            Message(redo ? TextId::RedoIncompleteCaption : TextId::UndoIncompleteCaption),
            std::move(text),
            {}};
}

Question InterruptedRunQuestion(const RunSummary& run) {
    const RunHeader& header = run.header;
    return {Message(TextId::InterruptedCaption),
            {{Text(TextId::InterruptedQuestion,
                   {Value::Time(header.started_ns), Value::Bytes(header.first_folder),
                    Value::Count(run.renamed())},
                   int(header.rows))}}};
}

}  // namespace zentavo
