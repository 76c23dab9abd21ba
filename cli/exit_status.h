// What zentavo-cli's exit status tells a script.
#pragma once

namespace zentavo {

enum ExitStatus : int {
    kExitSuccess = 0,
    // Some row ended Failed, some PATH could not be read (or a folder below
    // it), or some file of an undo did not come back.
    kExitRenameFailed = 1,
    kExitUsage = 2,      // the command line could not be run
    kExitEmptyName = 3,  // some row's new name came out empty
    kExitNoJournal = 4,  // the journal could not be written: nothing was renamed
};

}  // namespace zentavo
