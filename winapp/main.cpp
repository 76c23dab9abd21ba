#include <windows.h>

#include <objbase.h>

#include <memory>

#include "journal/journal_store.h"
#include "win32/win32_file_system.h"
#include "win32/win32_journal_storage.h"
#include "winapp/about_box.h"
#include "winapp/add_dialog.h"
#include "winapp/command_line.h"
#include "winapp/help_file.h"
#include "winapp/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    zentavo::Win32FileSystem fs;
    zentavo::JournalStore journals(std::make_unique<zentavo::Win32JournalStorage>(
        zentavo::SystemWindowsApi(), zentavo::DefaultWindowsJournalFolder()));
    // Names are WTF-8 inside, whatever the ANSI code page.
    const zentavo::CodePage utf8(zentavo::CodePage::Kind::Utf8);
    // The shell's file dialogs are COM objects that want a single-threaded
    // apartment on the thread that shows them.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const zentavo::WindowServices services{zentavo::OpenHelp,
                                           [](HWND owner, const zentavo::HelpRequest& open_help) {
                                               zentavo::ShowAboutBox(owner, open_help);
                                           },
                                           zentavo::ChooseToAdd};
    zentavo::MainWindow window(instance, fs, std::move(journals), utf8, services);
    if (!window.Open(zentavo::CommandLinePaths(GetCommandLineW()))) return 1;
    MSG message;
    while (window.hwnd() && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}
