// What a drop gathers is the same on every FileSystem: a dropped folder's
// own files always, its subfolders only with recursion, links below it
// never entered, files under their folder's real path.
#include <string>
#include <vector>

#include "session/rename_session.h"
#include "tests/contract/contract_backend.h"
#include "tests/support/list_rows.h"
#include "tests/support/test_code_page.h"

namespace zentavo {
namespace {

struct DropCase {
    const char* what;
    std::vector<std::string> dropped;
    bool recurse;
    std::vector<std::string> rows;
    size_t problems;
    size_t subfolders_skipped = 0;
    bool needs_links = false;
};

// photos: a.jpg, .hidden, sub/b.jpg, sub/deeper/c.jpg, empty/, loop ->
// photos; only-folders/x/y.txt; link-to-photos -> photos/sub.
const DropCase kDropCases[] = {
    {"a file", {"photos/a.jpg"}, false, {"photos/a.jpg"}, 0},
    {"a folder without recursion: its own files, hidden ones too",
     {"photos"},
     false,
     {"photos/.hidden", "photos/a.jpg"},
     0,
     2},
    {"a folder with recursion: every depth, links below not entered",
     {"photos/"},
     true,
     {"photos/.hidden", "photos/a.jpg", "photos/sub/b.jpg", "photos/sub/deeper/c.jpg"},
     0},
    {"a folder holding only folders, without recursion", {"only-folders"}, false, {}, 0, 1},
    {"a missing path adds nothing and the drop goes on",
     {"nope", "photos/a.jpg"},
     false,
     {"photos/a.jpg"},
     1},
    {"a dropped link to a folder lists the folder under its real path",
     {"link-to-photos"},
     false,
     {"photos/sub/b.jpg"},
     0,
     1,
     true},
};

TEST_P(FileSystemContract, DropsGatherFoldersToTheDepthAsked) {
    for (const DropCase& c : kDropCases) {
        SCOPED_TRACE(c.what);
        const std::string dir = backend_->FreshFolder();
        for (const char* folder : {"photos", "photos/sub", "photos/sub/deeper", "photos/empty",
                                   "only-folders", "only-folders/x"})
            backend_->MakeFolder(Path(dir, folder));
        for (const char* file : {"photos/a.jpg", "photos/.hidden", "photos/sub/b.jpg",
                                 "photos/sub/deeper/c.jpg", "only-folders/x/y.txt"})
            backend_->MakeFile(Path(dir, file), file);
        const bool links =
            backend_->MakeFolderLink(Path(dir, "photos/loop"), Path(dir, "photos")) &&
            backend_->MakeFolderLink(Path(dir, "link-to-photos"), Path(dir, "photos/sub"));
        if (c.needs_links && !links) continue;
        std::string real;
        ASSERT_EQ(backend_->fs().RealPath(dir, real), 0);
        std::vector<std::string> dropped, rows;
        for (const std::string& path : c.dropped) dropped.push_back(Path(dir, path));
        for (const std::string& path : c.rows) rows.push_back(Path(real, path));

        RenameSession session(backend_->fs(), kTestPage);
        const DropOutcome outcome = session.Drop(dropped, c.recurse);
        EXPECT_EQ(RowPaths(session.list()), rows);
        EXPECT_EQ(outcome.added, rows.size());
        EXPECT_EQ(outcome.rows_added, !rows.empty());
        EXPECT_EQ(outcome.list_has_rows, !rows.empty());
        EXPECT_EQ(outcome.problems.size(), c.problems);
        EXPECT_EQ(outcome.subfolders_skipped, c.subfolders_skipped);
    }
}

}  // namespace
}  // namespace zentavo
