// Help on Windows: the HTML help file beside the program, shown in the
// user's browser at the topic of a help context (its anchor
// "context-<number>"). The request is only made; the browser shows what it
// shows.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace zentavo {

// What shows a URL: the user's browser, or a recorder in the tests.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Whether the request could be made.
    virtual bool Open(HWND owner, const std::wstring& url) = 0;
};

// The program registered for http (else for .html), started with the URL
// as its argument: a URL handed to the shell as a document loses its
// "#anchor" where the shell turns it into a file's path.
class BrowserUrlOpener : public UrlOpener {
public:
    bool Open(HWND owner, const std::wstring& url) override;
};

// The help file of the program at program_path: its path with everything
// from the file name's last "." replaced by ".HLP".
std::wstring HelpFileOf(std::wstring_view program_path);

// The file: URL of a context's topic in help_file, a full path (drive,
// \\server\share, or either behind \\?\), every byte of its UTF-8 outside
// the letters, digits, "-._~/:" percent-encoded.
std::wstring HelpTopicUrl(std::wstring_view help_file, unsigned long context);

// Asks opener for the topic; false, and nothing asked, when help_file is no
// file.
bool OpenHelpTopic(HWND owner, const std::wstring& help_file, unsigned long context,
                   UrlOpener& opener);

// The running program's help file in the user's browser, at the context's
// topic, on behalf of owner; whether the request could be made.
bool OpenHelp(HWND owner, unsigned long context);

// Says over owner that help could not be launched, in a message box
// captioned with the program's file name without its extension.
void TellHelpFailed(HWND owner);

}  // namespace zentavo
