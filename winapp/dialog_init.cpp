#include "winapp/dialog_init.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "winapp/resource_ids.h"

namespace zentavo {

namespace {

// The messages a record names, as 16-bit Windows numbered them.
constexpr uint16_t kAddString16 = 0x0403;      // CB_ADDSTRING
constexpr uint16_t kListAddString16 = 0x0401;  // LB_ADDSTRING

}  // namespace

void ApplyDialogInit(HWND dialog, HINSTANCE instance, int template_id) {
    HRSRC found =
        FindResourceW(instance, MAKEINTRESOURCEW(template_id), MAKEINTRESOURCEW(RT_DIALOG_INIT));
    if (!found) return;
    HGLOBAL loaded = LoadResource(instance, found);
    const auto* data = static_cast<const unsigned char*>(LockResource(loaded));
    const size_t size = SizeofResource(instance, found);
    if (!data) return;
    // Records of a control id, a message, a 32-bit length and that many
    // bytes of text in the ANSI code page with its closing zero, up to a
    // control id of 0.
    size_t at = 0;
    while (at + 8 <= size) {
        uint16_t control = 0, message = 0;
        uint32_t length = 0;
        std::memcpy(&control, data + at, 2);
        if (control == 0) break;
        std::memcpy(&message, data + at + 2, 2);
        std::memcpy(&length, data + at + 4, 4);
        at += 8;
        if (length > size - at) break;
        const char* text = reinterpret_cast<const char*>(data + at);
        const int bytes = int(strnlen(text, length));
        std::wstring wide(size_t(MultiByteToWideChar(CP_ACP, 0, text, bytes, nullptr, 0)), L'\0');
        MultiByteToWideChar(CP_ACP, 0, text, bytes, wide.data(), int(wide.size()));
        const UINT sent = message == kAddString16       ? CB_ADDSTRING
                          : message == kListAddString16 ? LB_ADDSTRING
                                                        : 0;
        if (sent != 0)
            SendDlgItemMessageW(dialog, control, sent, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        at += length;
    }
}

}  // namespace zentavo
