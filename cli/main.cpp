#include <unistd.h>

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_main.h"
#include "cli/translated_text.h"
#include "fileops/journal_store.h"
#include "fileops/locale_code_page.h"
#include "fileops/os.h"
#include "fileops/posix_file_system.h"
#include "fileops/posix_journal_storage.h"

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    zentavo::BindTranslations();
    const zentavo::LocaleCodePage locale;
    zentavo::PosixFileSystem fs;
    zentavo::JournalStore journals = PosixJournals(zentavo::SystemOs(), zentavo::DefaultJournalFolder());
    const std::vector<std::string> args(argv + 1, argv + argc);
    return zentavo::CliMain(args, fs, locale.page(), journals,
                            {std::cout, std::cerr, isatty(STDERR_FILENO) == 1});
}
