#include "cli/cli_main.h"
#include "cli/posix/posix_console.h"
#include "fileops/journal_store.h"
#include "fileops/locale_code_page.h"
#include "fileops/os.h"
#include "fileops/posix_file_system.h"
#include "fileops/posix_journal_storage.h"

int main(int argc, char** argv) {
    zentavo::PosixConsole console(argc, argv);
    const zentavo::LocaleCodePage locale;
    zentavo::PosixFileSystem fs;
    zentavo::JournalStore journals = PosixJournals(zentavo::SystemOs(), zentavo::DefaultJournalFolder());
    return zentavo::CliMain(console, fs, locale.page(), journals);
}
