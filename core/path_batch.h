// Paths gathered for the rename list, kept end to end in one buffer: a drop
// of a million files costs a million short slices, not a million strings.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zentavo {

class PathBatch {
public:
    // Room for paths more, of bytes in all: a batch filled from one folder
    // holds no slack from growing, one filled from many grows as seldom as
    // a batch grown by doubling.
    void ReserveMore(size_t paths, size_t bytes) {
        text_.reserve(text_.size() + bytes);
        if (ends_.size() + paths > ends_.capacity()) {
            const size_t room = std::max(ends_.size() + paths, 2 * ends_.capacity());
            ends_.reserve(room);
            inodes_.reserve(room);
        }
    }

    // inode is the one the folder listing gave, 0 where it gave none.
    void Add(std::string_view path, uint64_t inode = 0) {
        text_ += path;
        ends_.push_back(text_.size());
        inodes_.push_back(inode);
    }

    size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::string_view operator[](size_t i) const {
        const size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(begin, ends_[i] - begin);
    }

private:
    friend class RenameList;  // takes the buffer over rather than copy it

    std::string text_;
    std::vector<size_t> ends_;  // where each path ends in text_
    std::vector<uint64_t> inodes_;
};

}  // namespace zentavo
