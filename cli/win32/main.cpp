#include <memory>

#include "cli/cli_main.h"
#include "cli/win32/win32_console.h"
#include "journal/journal_store.h"
#include "win32/win32_file_system.h"
#include "win32/win32_journal_storage.h"

// wmain: the arguments come as Windows holds them, so that every name (one
// outside the ANSI code page too) reaches the engine whole.
int wmain(int argc, wchar_t** argv) {
    zentavo::Win32Console console(argc, argv);
    zentavo::Win32FileSystem fs;
    zentavo::JournalStore journals(std::make_unique<zentavo::Win32JournalStorage>(
        zentavo::SystemWindowsApi(), zentavo::DefaultWindowsJournalFolder()));
    // Names are WTF-8 inside, whatever the console's code page.
    const zentavo::CodePage utf8(zentavo::CodePage::Kind::Utf8);
    return zentavo::CliMain(console, fs, utf8, journals);
}
