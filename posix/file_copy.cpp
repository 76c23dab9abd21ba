#include "posix/file_copy.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <vector>

#include "posix/os_support.h"

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

int CopyByReadAndWrite(Os& os, int from, int to, off_t length) {
    std::vector<char> buffer(kCopyBufferSize);
    while (length > 0) {
        const size_t want = static_cast<size_t>(std::min<off_t>(length, off_t(buffer.size())));
        size_t got = 0;
        if (const int error = RetryOnEintr([&] { return os.Read(from, buffer.data(), want, got); });
            error != 0)
            return error;
        if (got == 0) return EIO;  // the file was cut short meanwhile
        if (const int error = WriteAll(os, to, buffer.data(), got); error != 0) return error;
        length -= off_t(got);
    }
    return 0;
}

// Both descriptors' offsets advance with every chunk, so the read-and-write
// loop can take over at any point.
int CopyRange(Os& os, int from, int to, off_t length) {
    while (length > 0) {
        const size_t want = static_cast<size_t>(std::min<off_t>(length, off_t(kCopyRangeChunk)));
        size_t copied = 0;
        const int error = RetryOnEintr([&] { return os.CopyFileRange(from, to, want, copied); });
        if (CopyRangeUnsupported(error)) return CopyByReadAndWrite(os, from, to, length);
        if (error != 0) return error;
        // The file was cut short meanwhile, or the file system reports its
        // end too soon: either way the copy would not be whole.
        if (copied == 0) return EIO;
        length -= off_t(copied);
    }
    return 0;
}

// The next stretch of data at or after offset: [data, hole). A file system
// that cannot tell holes counts the whole rest as data; past the last data
// there is none.
bool NextData(Os& os, int fd, off_t offset, off_t size, off_t& data, off_t& hole) {
    data = offset;
    const int error = os.Lseek(fd, data, SEEK_DATA);
    if (error == ENXIO) return false;
    if (error != 0) {
        data = offset;
        hole = size;
        return true;
    }
    hole = data;
    if (os.Lseek(fd, hole, SEEK_HOLE) != 0 || hole > size) hole = size;
    return data < size;
}

}  // namespace

int CopyFileData(Os& os, int from, int to, off_t size) {
    off_t end = 0;  // where the copy's last data ends
    off_t data = 0;
    off_t hole = 0;
    while (end < size && NextData(os, from, end, size, data, hole)) {
        off_t at = data;
        if (const int error = os.Lseek(from, at, SEEK_SET); error != 0) return error;
        at = data;
        if (const int error = os.Lseek(to, at, SEEK_SET); error != 0) return error;
        if (const int error = CopyRange(os, from, to, hole - data); error != 0) return error;
        end = hole;
    }
    // A hole at the end has no data to write: the size says it.
    if (end < size) return RetryOnEintr([&] { return os.Ftruncate(to, size); });
    return 0;
}

}  // namespace zentavo
