// A rename that never replaces its target, on every file system that can
// rename at all.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "posix/folder_handles.h"
#include "posix/os.h"

namespace zentavo {

// renameat2 with RENAME_NOREPLACE where the file system takes the flag. Some
// (FUSE, NFS, sshfs) reject it with EINVAL; there the move is a hard link and
// an unlink, and where links are refused too, an exclusively created
// placeholder that the file is renamed over once it is checked to be still
// ours. What a file system needs is learnt once and kept per device, so
// that the common case stays a single system call. An EINVAL is taken for a
// refusal of the flag only once a probe has shown it: a file system that
// takes the flag may still refuse a name.
class NoReplaceRename {
public:
    explicit NoReplaceRename(Os& os) : os_(os) {}

    // Returns 0, EEXIST when to exists, EXDEV when to lies on another file
    // system, or another errno value. Not for folders where the flag is
    // rejected: those fail with EINVAL. saved_other is set when another
    // program's data had to be saved from the move's placeholder.
    int Move(const Place& from, const Place& to, std::string& saved_other);

private:
    enum class Method { Flag, LinkThenUnlink, Placeholder };
    enum class Probe { FlagTaken, FlagRefused, Unknown };

    Probe ProbeFlag(int folder);
    int LinkThenUnlink(const Place& from, const Place& to);
    int OverPlaceholder(const Place& from, const Place& to, std::string& saved_other);
    bool Untouched(int fd, const struct stat& made);
    bool WriterComing(int fd);
    void WaitUntilClosed(int fd);
    std::string SaveOther(int fd, const Place& to, off_t size);

    Os& os_;
    std::unordered_map<dev_t, Method> fallbacks_;  // only devices that reject the flag
    std::unordered_set<dev_t> flag_proven_;        // devices where a probe took the flag
    unsigned probes_ = 0;
};

}  // namespace zentavo
