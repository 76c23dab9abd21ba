#include "cli/help_text.h"

#include "cli/translated_text.h"

namespace zentavo {

std::string UsageText() {
    return Tr(R"(Usage: zentavo-cli [OPTIONS] PATH...
       zentavo-cli --undo [RUN] [--tsv]
       zentavo-cli --redo [RUN] [--tsv]
       zentavo-cli --list-runs [--tsv]
Lists the files of the PATHs, gives each a new name by PATTERN and, with -x,
renames them, each in its own folder. A folder given adds its own files.

  -p, --pattern PATTERN   the rename pattern (required)
  -r, --recurse           also search the subfolders of the folders given
  -x, --execute           rename the files on disk; without it nothing on disk changes
      --no-journal        with -x: keep no journal of the run (it cannot be undone)
      --undo [RUN]        move the files of the newest run not undone, or of RUN,
                          back to their names from before it; again: the run before
      --redo [RUN]        rename the files of the run undone last, or of RUN, again
      --list-runs         the runs in the journal, newest first, marking what
                          --undo and --redo take next
      --tsv               machine-readable rows: MARK, tab, PATH, tab, NEW NAME
  -h, --help              this help, with a short reference of the pattern codes
      --version           the program's version
  --                      ends the options: every later argument is a PATH
)");
}

std::string HelpText() {
    return UsageText() + Tr(R"(
Pattern codes (N is a number; "<" lower-cases a piece, ">" upper-cases it):
  %%          one "%"
  %[<|>][N]c  counter of the file within its run of files from one folder,
              counting from 1, zero-padded to N digits (N = 1 if omitted)
  %[<|>][N]g  position of the file in the whole list, counting from 1, padded
  %[<|>]e     extension of the old name, without the dot
  %[<|>]t     title: the old name without its last "." and extension
  %[<|>]n     the whole old name
  %[<|>][N]d  the N-th folder counting outwards from the file's own (N = 1 if omitted)
  Any other letter after "%" gives nothing; white space around the pattern and
  around every new name is removed.
  Examples: "%3c.%<e" gives 001.jpg, 002.jpg, ...; "%<1d-%3c.%<e" gives rome-001.jpg.

Output: one row per file, sorted by path: its mark (pending, renamed or
failed), its path and its new name; with -x a summary follows. The table shows
a backslash as \\, a tab, line feed or carriage return as \t, \n, \r, and other
control bytes and bytes that are no character as \xHH. With --tsv only
backslash, tab, line feed and carriage return are written so, every other byte
as it is, and the summary goes to standard error.

Journal and undo: every run with -x first writes a journal in
$XDG_STATE_HOME/zentavo/journal (~/.local/state/zentavo/journal when unset):
what it will move, then every move. --undo moves every file of a run back,
never replacing a file; a file whose name from before the run is taken, or that
is gone or was replaced, stays where it is and is reported. A run cut short (a
crash, a kill) shows as interrupted, and --undo takes it back too. As in an
editor, a second --undo takes back the run before (never an undo), --redo
renames the files of the run undone last again, and a new run with -x clears
what can be redone. A run is undone only once every file is back; until then
--undo retries it. A run still going is "running" and is refused. The journal
keeps the 50 newest runs, at most 1 GiB, and every run whose files only it can
find. --list-runs shows what --undo and --redo take next, each run's id, start,
kind, files, renamed, failed, state (complete, interrupted, undone or running)
and first folder; with --tsv the same, tab-separated, with the run an undo or
redo takes back in a field of its own and what is next last. --undo --tsv and
--redo --tsv write MARK (restored or failed), PATH, WHERE THE FILE IS, REASON
(gone, replaced, taken or the system's error text).

Exit status: 0 success; 1 some file could not be renamed, some PATH (or a
folder below it) could not be read, or some file of an undo could not be
brought back, or the run is still running; 2 usage error; 3 some new name came
out empty (with -x nothing is renamed then); 4 the journal could not be written
or is open to other users (nothing was renamed).
)");
}

std::string VersionText() {
    return "Zentavo " ZENTAVO_VERSION_SHORT "\nVersion " ZENTAVO_VERSION "\n";
}

}  // namespace zentavo
