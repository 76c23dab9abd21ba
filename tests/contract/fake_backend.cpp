// The contract suite over the in-memory fake, whose second volume is a
// folder of its own device.
#include <algorithm>
#include <string>

#include "tests/contract/contract_backend.h"
#include "tests/engine/fake_file_system.h"

namespace zentavo {
namespace {

class FakeBackend : public ContractBackend {
public:
    FakeBackend() { fs_.Mount("/other"); }

    FileSystem& fs() override { return fs_; }
    char separator() const override { return '/'; }
    bool ignores_case() const override { return false; }
    bool counts_utf16_units() const override { return false; }

    std::string FreshFolder() override { return Fresh("/work/t"); }
    std::string FolderOnAnotherVolume(std::string&) override { return Fresh("/other/t"); }

    void MakeFolder(const std::string& path) override { fs_.AddFolder(path); }
    void MakeFile(const std::string& path, const std::string& content) override {
        fs_.AddFile(path, content);
    }
    bool MakeHardLink(const std::string& path, const std::string& existing) override {
        fs_.AddHardLink(path, existing);
        return true;
    }
    bool MakeFolderLink(const std::string& path, const std::string& target) override {
        fs_.AddFolderLink(path, target);
        return true;
    }
    std::string Content(const std::string& path) override {
        const auto node = fs_.nodes().find(path);
        return node == fs_.nodes().end() ? "<missing>" : node->second;
    }
    Names NamesIn(const std::string& folder) override {
        Names names;
        const std::string prefix = folder + "/";
        for (const auto& [path, content] : fs_.nodes())
            if (path.starts_with(prefix) && path.find('/', prefix.size()) == std::string::npos)
                names.push_back(path.substr(prefix.size()));
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string Fresh(const std::string& stem) {
        const std::string folder = stem + std::to_string(++folders_);
        fs_.AddFolder(folder);
        return folder;
    }

    testing::FakeFileSystem fs_;
    int folders_ = 0;
};

std::unique_ptr<ContractBackend> MakeFakeBackend() {
    return std::make_unique<FakeBackend>();
}

INSTANTIATE_TEST_SUITE_P(Fake, FileSystemContract, ::testing::Values(&MakeFakeBackend));

}  // namespace
}  // namespace zentavo
