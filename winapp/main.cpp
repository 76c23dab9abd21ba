#include <windows.h>

#include <memory>

#include "journal/journal_store.h"
#include "win32/win32_file_system.h"
#include "win32/win32_journal_storage.h"
#include "winapp/about_box.h"
#include "winapp/command_line.h"
#include "winapp/help_file.h"
#include "winapp/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    zentavo::Win32FileSystem fs;
    zentavo::JournalStore journals(std::make_unique<zentavo::Win32JournalStorage>(
        zentavo::SystemWindowsApi(), zentavo::DefaultWindowsJournalFolder()));
    // Names are WTF-8 inside, whatever the ANSI code page.
    const zentavo::CodePage utf8(zentavo::CodePage::Kind::Utf8);
    const zentavo::WindowServices services{zentavo::OpenHelp,
                                           [](HWND owner, const zentavo::HelpRequest& open_help) {
                                               zentavo::ShowAboutBox(owner, open_help);
                                           }};
    zentavo::MainWindow window(instance, fs, std::move(journals), utf8, services);
    if (!window.Open(zentavo::CommandLinePaths(GetCommandLineW()))) return 1;
    MSG message;
    while (window.hwnd() && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
