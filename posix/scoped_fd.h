// A file descriptor opened through Os and closed when it goes out of scope.
#pragma once

#include <sys/types.h>

#include "posix/os.h"
#include "posix/os_support.h"

namespace zentavo {

class ScopedFd {
public:
    explicit ScopedFd(Os& os) : os_(os) {}
    ~ScopedFd() { Close(); }
    ScopedFd(const ScopedFd&) = delete;
    ScopedFd& operator=(const ScopedFd&) = delete;

    // Returns 0 or an errno value; an open cut short by a signal is repeated.
    int Open(const char* path, int flags, mode_t mode) {
        return OpenAt(AT_FDCWD, path, flags, mode);
    }
    // name in the open folder.
    int OpenAt(int folder, const char* name, int flags, mode_t mode) {
        Close();
        int fd = -1;
        const int error = RetryOnEintr([&] { return os_.OpenAt(folder, name, flags, mode, fd); });
        if (error == 0) fd_ = fd;
        return error;
    }

    int fd() const { return fd_; }

    void Close() {
        if (fd_ < 0) return;
        os_.Close(fd_);
        fd_ = -1;
    }

private:
    Os& os_;
    int fd_ = -1;
};

}  // namespace zentavo
