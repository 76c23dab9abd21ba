#include "tests/posix/posix_test_support.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "engine/file_system.h"

namespace zentavo {

ScratchMount::ScratchMount(const std::string& folder, const std::string& options)
    : folder_(folder) {
    if (::geteuid() != 0) {
        why_not_ = "mounting a tmpfs needs root";
    } else if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        why_not_ = std::string("mount -t tmpfs failed: ") + std::strerror(errno);
    }
}

ScratchMount::~ScratchMount() {
    if (mounted()) ::umount2(folder_.c_str(), MNT_DETACH);
}

int Move(FileSystem& fs, const std::string& from, const std::string& to) {
    return fs.MoveNoReplace(from, to, kTestScratchName).error;
}

namespace {

// Runs a command line through the shell, its output discarded; returns
// whether it succeeded.
bool Succeeds(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

FatMount::FatMount(const std::string& image, const std::string& folder) : folder_(folder) {
    if (::access("/dev/fuse", R_OK | W_OK) != 0) {
        why_not_ = "/dev/fuse cannot be opened";
    } else if (!Succeeds("command -v fusefat && command -v mkfs.vfat")) {
        why_not_ = "fusefat or mkfs.vfat is not installed (packages fusefat, dosfstools)";
    } else if (!Succeeds("truncate -s 32M " + Quoted(image) + " && mkfs.vfat " + Quoted(image))) {
        why_not_ = "mkfs.vfat failed";
    } else if (!Succeeds("fusefat -o rw+,use_ino " + Quoted(image) + " " + Quoted(folder))) {
        why_not_ = "fusefat could not mount the image";
    }
}

FatMount::~FatMount() {
    if (mounted()) ::umount2(folder_.c_str(), MNT_DETACH);
}

void WriteFile(const std::string& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

struct stat LstatOf(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) throw std::runtime_error("cannot lstat " + path);
    return st;
}

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) throw std::runtime_error("cannot list " + folder);
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") names.emplace_back(name);
    }
    ::closedir(listing);
    std::sort(names.begin(), names.end());
    return names;
}

std::string LinkText(const std::string& path) {
    std::string text(4096, '\0');
    const ssize_t length = ::readlink(path.c_str(), text.data(), text.size());
    if (length < 0) throw std::runtime_error("cannot read link " + path);
    text.resize(static_cast<size_t>(length));
    return text;
}

std::string PatternBytes(size_t size) {
    std::string bytes(size, '\0');
    unsigned state = 12345;
    for (char& byte : bytes) {
        state = state * 1103515245 + 12345;
        byte = static_cast<char>(state >> 16);
    }
    return bytes;
}

int SetImmutable(const std::string& path, bool immutable) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    int flags = 0;
    int error = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0) {
        error = errno;
    } else {
        flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        if (::ioctl(fd, FS_IOC_SETFLAGS, &flags) != 0) error = errno;
    }
    ::close(fd);
    return error;
}

}  // namespace zentavo
