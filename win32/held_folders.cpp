#include "win32/held_folders.h"

#include <windows.h>

#include "win32/open_entry.h"
#include "win32/windows_errors.h"
#include "win32/windows_path.h"

namespace zentavo {

namespace {

// Whether a folder on the way to folder is a link. Asked of each by its
// attributes: a handle's final path would tell at once, but wine gives none
// for paths longer than 260 characters.
int LinkOnTheWay(WindowsApi& api, const std::wstring& folder, bool& link) {
    link = false;
    // Past "\\?\C:\" or "\\?\UNC\server\share\", which are no links.
    size_t at =
        folder.starts_with(L"\\\\?\\UNC\\") ? folder.find(L'\\', folder.find(L'\\', 8) + 1) : 6;
    while (at != std::wstring::npos && at < folder.size()) {
        at = folder.find(L'\\', at + 1);
        const std::wstring on_the_way = folder.substr(0, at);
        const DWORD attributes = api.Attributes(on_the_way.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return LastErrno();
        if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
            IsFolderLink(attributes, ReparseTagOf(api, on_the_way))) {
            link = true;
            return 0;
        }
    }
    return 0;
}

}  // namespace

int HeldFolders::Check(const std::string& folder) {
    std::wstring wide;
    if (const int error = ExtendedPath(folder, wide); error != 0) return error;
    const auto known = held_.find(folder);
    const bool first = known == held_.end();
    ScopedHandle now;
    // The first open holds the folder: no delete sharing.
    const DWORD share = first ? FILE_SHARE_READ | FILE_SHARE_WRITE : kShareAll;
    if (const int error = OpenEntry(api_, wide, FILE_READ_ATTRIBUTES, share, now); error != 0)
        return !first && error == ENOENT ? ESTALE : error;
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (!api_.GetInformation(now.get(), FileAttributeTagInfo, &tag, sizeof tag)) return LastErrno();
    if (IsFolderLink(tag.FileAttributes, tag.ReparseTag)) return ESTALE;
    if ((tag.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return first ? ENOTDIR : ESTALE;
    FileIdentity identity;
    if (const int error = IdentityOf(api_, now.get(), identity); error != 0) return error;
    if (!first) return identity == known->second.identity ? 0 : ESTALE;
    if (listed_ != nullptr) {
        if (const auto read = listed_->find(folder);
            read != listed_->end() && !(read->second == identity))
            return ESTALE;
    }

    bool link = false;
    if (const int error = LinkOnTheWay(api_, wide, link); error != 0) return error;
    if (link) return ESTALE;
    held_.emplace(folder, Held{std::move(now), identity});
    return 0;
}

}  // namespace zentavo
