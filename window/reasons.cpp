#include "window/reasons.h"

#include <cerrno>

#include "engine/file_system.h"  // ESTALE, which MinGW lacks

namespace zentavo {

namespace {

Value Text(TextId id) {
    return Value::Words(Message(id));
}

}  // namespace

Value FailureReason(int error, std::string_view new_name, std::string_view folder,
                    PathSyntax syntax) {
    const bool other_folder = new_name.find_first_of(Separators(syntax)) != std::string_view::npos;
    switch (error) {
        case EEXIST:
        case ENOTEMPTY:
            return Value::Words(Message(TextId::NameTaken, {Value::Bytes(new_name)}));
        case EACCES:
        case EPERM:
            return Text(TextId::PermissionDenied);
        case ENOENT:
            return Text(other_folder ? TextId::FileOrFolderGone : TextId::FileGone);
        case ECANCELED:
            return Text(TextId::Cancelled);
        case ESTALE:
            return Value::Words(
                Message(other_folder ? TextId::FolderOrTargetReplaced : TextId::FolderReplaced,
                        {Value::Bytes(folder)}));
        case EINVAL:
            return Text(TextId::NameNotAllowed);
        case ENAMETOOLONG:
            return Text(TextId::NewNameTooLong);
        case EROFS:
            return Text(TextId::ReadOnly);
        case ENOSPC:
#ifdef EDQUOT  // a quota of POSIX file systems; Windows says ENOSPC
        case EDQUOT:
#endif
            return Text(TextId::DiskFull);
        case EBUSY:
        case ETXTBSY:
            return Text(TextId::FileBusy);
        default:
            return Value::SystemError(error);
    }
}

Value ReadProblemReason(int error) {
    switch (error) {
        case ENOENT:
            return Text(TextId::NotFound);
        case EACCES:
        case EPERM:
            return Text(TextId::PermissionDenied);
        case ENAMETOOLONG:
            return Text(TextId::PathTooLong);
        default:
            return Value::SystemError(error);
    }
}

}  // namespace zentavo
