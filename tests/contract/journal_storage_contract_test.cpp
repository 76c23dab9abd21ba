// What every journal storage must do alike: a journal made once, appended
// to and read back at any offset, listed, locked against every other handle
// while its run goes on, and removed. Who may read or change the files is
// each platform's own (tests/journal, tests/win32).
#include <cerrno>
#include <memory>
#include <string>
#include <vector>

#include "tests/contract/journal_backend.h"

namespace zentavo {
namespace {

TEST_P(JournalStorageContract, KeepsAJournalsBytesAndItsLock) {
    JournalStorage& storage = backend_->storage();
    std::string untrusted;
    EXPECT_EQ(storage.CheckFolder(untrusted), 0);  // a missing folder passes
    std::vector<std::string> names;
    EXPECT_EQ(storage.List(names), ENOENT);
    ASSERT_EQ(storage.MakeFolder(), 0);
    ASSERT_EQ(storage.CheckFolder(untrusted), 0) << untrusted;

    std::unique_ptr<JournalFile> file;
    ASSERT_EQ(storage.Create("run", file), 0);
    std::unique_ptr<JournalFile> again;
    EXPECT_EQ(storage.Create("run", again), EEXIST);
    size_t written = 0;
    ASSERT_EQ(file->Append("head", written), 0);
    ASSERT_EQ(file->Append("tail", written), 0);
    EXPECT_EQ(written, 4u);
    ASSERT_EQ(file->Sync(), 0);
    ASSERT_EQ(storage.SyncFolder(), 0);
    uint64_t size = 0;
    ASSERT_EQ(file->Size(size), 0);
    EXPECT_EQ(size, 8u);

    std::unique_ptr<JournalFile> reader;
    ASSERT_EQ(storage.Open("run", false, reader, untrusted), 0) << untrusted;
    std::string bytes;
    ASSERT_EQ(reader->ReadAt(2, 100, bytes), 0);
    EXPECT_EQ(bytes, "adtail");
    ASSERT_EQ(storage.List(names), 0);
    EXPECT_EQ(names, std::vector<std::string>{"run"});

    EXPECT_FALSE(reader->LockedElsewhere());
    ASSERT_EQ(file->Lock(), 0);
    EXPECT_TRUE(reader->LockedElsewhere());
    EXPECT_EQ(reader->Lock(), EWOULDBLOCK);
    file.reset();
    EXPECT_FALSE(reader->LockedElsewhere());
    reader.reset();
    EXPECT_EQ(storage.Remove("run"), 0);
    EXPECT_EQ(storage.Open("run", false, reader, untrusted), ENOENT);
    std::vector<std::string> none;
    ASSERT_EQ(storage.List(none), 0);
    EXPECT_EQ(none, std::vector<std::string>{});
}

}  // namespace
}  // namespace zentavo
