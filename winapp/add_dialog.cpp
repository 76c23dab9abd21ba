#include "winapp/add_dialog.h"

#include <shobjidl.h>

#include "winapp/message_words.h"

namespace zentavo {

namespace {

// Releases a COM interface when it goes.
template <typename Interface>
struct Held {
    Interface* pointer = nullptr;
    ~Held() {
        if (pointer) pointer->Release();
    }
};

}  // namespace

std::vector<std::wstring> ChooseToAdd(HWND owner, AddChoice choice) {
    std::vector<std::wstring> paths;
    Held<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&dialog.pointer))))
        return paths;
    FILEOPENDIALOGOPTIONS options = 0;
    dialog.pointer->GetOptions(&options);
    // Only what has a path can be renamed: no library or phone's folder.
    options |= FOS_ALLOWMULTISELECT | FOS_FORCEFILESYSTEM;
    if (choice == AddChoice::Folders) options |= FOS_PICKFOLDERS;
    dialog.pointer->SetOptions(options);
    const std::wstring caption = Words(
        Message(choice == AddChoice::Files ? TextId::AddFilesCaption : TextId::AddFolderCaption));
    dialog.pointer->SetTitle(caption.c_str());
    // Cancel is one failure among others: nothing is added either way.
    if (FAILED(dialog.pointer->Show(owner))) return paths;
    Held<IShellItemArray> chosen;
    if (FAILED(dialog.pointer->GetResults(&chosen.pointer))) return paths;
    DWORD count = 0;
    chosen.pointer->GetCount(&count);
    for (DWORD i = 0; i < count; ++i) {
        Held<IShellItem> item;
        if (FAILED(chosen.pointer->GetItemAt(i, &item.pointer))) continue;
        wchar_t* path = nullptr;
        if (FAILED(item.pointer->GetDisplayName(SIGDN_FILESYSPATH, &path))) continue;
        paths.emplace_back(path);
        CoTaskMemFree(path);
    }
    return paths;
}

}  // namespace zentavo
