#include "fileops/file_copy.h"

#include <cerrno>
#include <cstddef>
#include <vector>

#include "fileops/os_support.h"

namespace zentavo {

namespace {

constexpr size_t kCopyRangeChunk = size_t{1} << 30;
constexpr size_t kCopyBufferSize = size_t{256} << 10;

bool CopyRangeUnsupported(int error) {
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

int WriteAll(Os& os, int fd, const char* data, size_t size) {
    while (size > 0) {
        size_t written = 0;
        if (const int error = RetryOnEintr([&] { return os.Write(fd, data, size, written); });
            error != 0)
            return error;
        if (written == 0) return EIO;
        data += written;
        size -= written;
    }
    return 0;
}

int CopyByReadAndWrite(Os& os, int from, int to) {
    std::vector<char> buffer(kCopyBufferSize);
    while (true) {
        size_t got = 0;
        if (const int error =
                RetryOnEintr([&] { return os.Read(from, buffer.data(), buffer.size(), got); });
            error != 0)
            return error;
        if (got == 0) return 0;
        if (const int error = WriteAll(os, to, buffer.data(), got); error != 0) return error;
    }
}

}  // namespace

// Both descriptors' offsets advance with every chunk, so the read-and-write
// loop can take over at any point.
int CopyBytes(Os& os, int from, int to) {
    while (true) {
        size_t copied = 0;
        const int error =
            RetryOnEintr([&] { return os.CopyFileRange(from, to, kCopyRangeChunk, copied); });
        if (CopyRangeUnsupported(error)) return CopyByReadAndWrite(os, from, to);
        if (error != 0) return error;
        if (copied == 0) return 0;
    }
}

}  // namespace zentavo
