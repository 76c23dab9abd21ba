// The contract suites over PosixFileSystem in a temporary folder, whose
// second volume is a folder on /dev/shm where that is another file system,
// and over PosixJournalStorage.
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "posix/os.h"
#include "posix/posix_file_system.h"
#include "posix/posix_journal_storage.h"
#include "tests/contract/contract_backend.h"
#include "tests/contract/journal_backend.h"
#include "tests/posix/posix_test_support.h"

namespace zentavo {
namespace {

class PosixBackend : public ContractBackend {
public:
    ~PosixBackend() override {
        std::error_code ignored;
        for (const std::string& folder : other_volume_)
            std::filesystem::remove_all(folder, ignored);
    }

    FileSystem& fs() override { return fs_; }
    char separator() const override { return '/'; }
    bool ignores_case() const override { return false; }
    bool counts_utf16_units() const override { return false; }

    std::string FreshFolder() override { return folders_.emplace_back().path(); }

    std::string FolderOnAnotherVolume(std::string& why_not) override {
        std::string folder = "/dev/shm/zentavo-contract-XXXXXX";
        if (::mkdtemp(folder.data()) == nullptr) {
            why_not = "no folder can be made on /dev/shm";
            return {};
        }
        other_volume_.push_back(folder);
        if (LstatOf(folder).st_dev == LstatOf(FreshFolder()).st_dev) {
            why_not = "/dev/shm lies on the temporary folder's file system";
            return {};
        }
        return folder;
    }

    void MakeFolder(const std::string& path) override { ::mkdir(path.c_str(), 0755); }
    void MakeFile(const std::string& path, const std::string& content) override {
        WriteFile(path, content);
    }
    bool MakeHardLink(const std::string& path, const std::string& existing) override {
        return ::link(existing.c_str(), path.c_str()) == 0;
    }
    bool MakeFolderLink(const std::string& path, const std::string& target) override {
        return ::symlink(target.c_str(), path.c_str()) == 0;
    }
    std::string Content(const std::string& path) override {
        return ReadFile(path).value_or("<missing>");
    }
    Names NamesIn(const std::string& folder) override { return zentavo::NamesIn(folder); }

private:
    PosixFileSystem fs_;
    std::deque<TempFolder> folders_;  // never moved: they remove themselves
    std::vector<std::string> other_volume_;
};

class PosixJournals : public JournalBackend {
public:
    JournalStorage& storage() override { return storage_; }

private:
    TempFolder base_;
    PosixJournalStorage storage_{SystemOs(), base_ / "zentavo/journal"};
};

std::unique_ptr<JournalBackend> MakePosixJournals() {
    return std::make_unique<PosixJournals>();
}

INSTANTIATE_TEST_SUITE_P(Posix, JournalStorageContract, ::testing::Values(&MakePosixJournals));

std::unique_ptr<ContractBackend> MakePosixBackend() {
    return std::make_unique<PosixBackend>();
}

INSTANTIATE_TEST_SUITE_P(Posix, FileSystemContract, ::testing::Values(&MakePosixBackend));

}  // namespace
}  // namespace zentavo
