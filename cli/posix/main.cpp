#include "cli/cli_main.h"
#include "cli/posix/posix_console.h"
#include "journal/journal_store.h"
#include "posix/large_blocks.h"
#include "posix/locale_code_page.h"
#include "posix/os.h"
#include "posix/posix_file_system.h"
#include "posix/posix_journal_storage.h"

int main(int argc, char** argv) {
    zentavo::GiveLargeBlocksBack();
    zentavo::PosixConsole console(argc, argv);
    const zentavo::LocaleCodePage locale;
    zentavo::PosixFileSystem fs;
    zentavo::JournalStore journals =
        zentavo::PosixJournals(zentavo::SystemOs(), zentavo::DefaultJournalFolder());
    return zentavo::CliMain(console, fs, locale.page(), journals);
}
