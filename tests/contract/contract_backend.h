// One FileSystem under test for the contract suite, with what the suite
// needs besides it: fresh folders, and files made, read and listed without
// going through the file system under test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/file_system.h"

namespace zentavo {

using Names = std::vector<std::string>;

class ContractBackend {
public:
    virtual ~ContractBackend() = default;

    virtual FileSystem& fs() = 0;
    virtual char separator() const = 0;
    // Whether "a" and "A" name one file.
    virtual bool ignores_case() const = 0;
    // Whether a name's length counts in UTF-16 units (Windows) or in bytes.
    virtual bool counts_utf16_units() const = 0;

    // A fresh empty folder, removed with the backend.
    virtual std::string FreshFolder() = 0;
    // A fresh empty folder on another volume than FreshFolder's; empty,
    // with why_not said, where the backend has none.
    virtual std::string FolderOnAnotherVolume(std::string& why_not) = 0;

    virtual void MakeFolder(const std::string& path) = 0;
    virtual void MakeFile(const std::string& path, const std::string& content) = 0;
    // A second name of the file existing; false where the backend has none.
    virtual bool MakeHardLink(const std::string& path, const std::string& existing) = 0;
    // A link at path to the folder target; false where none can be made.
    virtual bool MakeFolderLink(const std::string& path, const std::string& target) = 0;
    // "<missing>" when path holds no file.
    virtual std::string Content(const std::string& path) = 0;
    // The folder's entries but "." and "..", sorted.
    virtual Names NamesIn(const std::string& folder) = 0;
};

using BackendFactory = std::unique_ptr<ContractBackend> (*)();

// The rows every backend must pass, instantiated once per backend with its
// factory.
class FileSystemContract : public ::testing::TestWithParam<BackendFactory> {
protected:
    void SetUp() override { backend_ = GetParam()(); }

    // relative is spelled with '/', whatever the backend's separator.
    std::string Path(const std::string& folder, const std::string& relative) const {
        std::string path = folder + backend_->separator() + relative;
        for (size_t at = folder.size(); at < path.size(); ++at)
            if (path[at] == '/') path[at] = backend_->separator();
        return path;
    }

    std::unique_ptr<ContractBackend> backend_;
};

}  // namespace zentavo
