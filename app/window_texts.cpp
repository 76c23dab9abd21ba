#include "app/window_texts.h"

#include <cerrno>
#include <cstring>

namespace zentavo {

QString Texts::SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString Texts::FailureReason(int error, const QString& new_name, const QString& folder) {
    switch (error) {
        case EEXIST:
        case ENOTEMPTY:
            return NameTaken(new_name);
        case EACCES:
        case EPERM:
            return PermissionDenied();
        case ENOENT:
            return new_name.contains('/') ? FileOrFolderGone() : FileGone();
        case ECANCELED:
            return Cancelled();
        case ESTALE:
            return new_name.contains('/') ? FolderOrTargetReplaced(folder) : FolderReplaced(folder);
        case EINVAL:
            return NameNotAllowed();
        case ENAMETOOLONG:
            return NewNameTooLong();
        case EROFS:
            return ReadOnly();
        case ENOSPC:
        case EDQUOT:
            return DiskFull();
        case EBUSY:
        case ETXTBSY:
            return FileBusy();
        default:
            return SystemReason(error);
    }
}

QString Texts::ReadProblemReason(int error) {
    switch (error) {
        case ENOENT:
            return NotFound();
        case EACCES:
        case EPERM:
            return PermissionDenied();
        case ENAMETOOLONG:
            return PathTooLong();
        default:
            return SystemReason(error);
    }
}

}  // namespace zentavo
