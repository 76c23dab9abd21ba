// zentavo-cli run in-process over real files in a temporary folder.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>

#include "cli/cli_main.h"
#include "posix/os.h"
#include "posix/posix_file_system.h"
#include "posix/posix_journal_storage.h"
#include "tests/cli/temp_tree.h"
#include "tests/support/test_code_page.h"

namespace zentavo {
namespace {

using testing::TempTree;
using testing::WithRoot;

struct CliCase {
    std::vector<std::string> files;  // relative to the temporary folder
    std::vector<std::string> args;   // args and the outputs with the placeholders of WithRoot
    int status;
    std::string out;
    std::string err;
    std::vector<std::string> files_after;  // empty: the tree must not change
};

void RunCase(const CliCase& c) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    TempTree tree;
    for (const std::string& file : c.files) tree.AddFile(file);
    const std::vector<std::string> before = tree.Files();
    std::vector<std::string> args;
    for (const std::string& arg : c.args) args.push_back(WithRoot(arg, tree.root()));

    PosixFileSystem fs;
    TempFolder state;
    JournalStore journals = PosixJournals(SystemOs(), state / "journal");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(CliMain(args, fs, kTestPage, journals, {out, err, false}), c.status);
    EXPECT_EQ(out.str(), WithRoot(c.out, tree.root()));
    EXPECT_EQ(err.str(), WithRoot(c.err, tree.root()));
    EXPECT_EQ(tree.Files(), c.files_after.empty() ? before : c.files_after);
}

const std::vector<std::string> kPhotos = {"photos/img_1.jpg", "photos/IMG_2.JPG",
                                          "photos/sub/x.png", "photos/sub/README"};
const std::string kNoFile = std::strerror(ENOENT);
// Deeper than PATH_MAX.
const std::string kTooDeep = [] {
    std::string path = "@";
    while (path.size() < 4200) path += "/deep";
    return path;
}();

TEST(RenameCommandTest, PreviewListsTheDropAndChangesNothing) {
    const CliCase cases[] = {
        {kPhotos,
         {"--tsv", "-p", "%<1d-%3c.%<e", "@/photos"},
         0,
         "pending\t@/photos/img_1.jpg\tphotos-001.jpg\n"
         "pending\t@/photos/IMG_2.JPG\tphotos-002.jpg\n",
         "",
         {}},
        {kPhotos,
         {"--tsv", "-r", "-p", "  %g %1d  ", "@/photos"},
         0,
         "pending\t@/photos/img_1.jpg\t1 photos\n"
         "pending\t@/photos/IMG_2.JPG\t2 photos\n"
         "pending\t@/photos/sub/README\t3 sub\n"
         "pending\t@/photos/sub/x.png\t4 sub\n",
         "",
         {}},
        // One file under three spellings, and a folder given with a file in it.
        {kPhotos,
         {"--tsv", "-p", "%n", "@/photos/sub/x.png", "@//photos/./sub/x.png",
          "@/photos/sub/../sub/x.png", "@/photos/sub/"},
         0,
         "pending\t@/photos/sub/README\tREADME\n"
         "pending\t@/photos/sub/x.png\tx.png\n",
         "",
         {}},
        {kPhotos,
         {"--tsv", "-p", "%n", "@/missing", "", "@/photos/sub/x.png"},
         1,
         "pending\t@/photos/sub/x.png\tx.png\n",
         "zentavo-cli: cannot read : " + kNoFile +
             "\nzentavo-cli: cannot read @/missing: " + kNoFile + "\n",
         {}},
        {kPhotos,
         {"--tsv", "-p", "%e", "@/photos/sub"},
         3,
         "pending\t@/photos/sub/README\t\npending\t@/photos/sub/x.png\tpng\n",
         "zentavo-cli: no new name for @/photos/sub/README\n",
         {}},
        {kPhotos,
         {"--tsv", "-x", "-p", "%e", "@/photos/sub"},
         3,
         "pending\t@/photos/sub/README\t\npending\t@/photos/sub/x.png\tpng\n",
         "zentavo-cli: no new name for @/photos/sub/README\nzentavo-cli: nothing was renamed\n",
         {}},
        {kPhotos,
         {"-p", "", "@/photos"},
         3,
         "Mark     Path^                New Filename\npending  @/photos/img_1.jpg\npending  "
         "@/photos/IMG_2.JPG\n",
         "zentavo-cli: no new name for @/photos/img_1.jpg\n"
         "zentavo-cli: no new name for @/photos/IMG_2.JPG\n",
         {}},
        {kPhotos,
         {"-p", "%n" + std::string(20000, 'x'), "@/photos/sub/README"},
         0,
         "Mark     Path^                 New Filename\n"
         "pending  @/photos/sub/README  (name too long)\n",
         "",
         {}},
        {kPhotos,
         {"-x", "-p", "%n", ""},
         1,
         "0 renamed, 0 failed\n",
         "zentavo-cli: cannot read : " + kNoFile + "\n",
         {}},
        {kPhotos,
         {"-x", "-p", "%n", "@/empty"},
         1,
         "0 renamed, 0 failed\n",
         "zentavo-cli: cannot read @/empty: " + kNoFile + "\n",
         {}},
        {kPhotos,
         {"--tsv", "-x", "-p", "%n", kTooDeep, "@/photos/sub/x.png"},
         1,
         "renamed\t@/photos/sub/x.png\tx.png\n",
         "zentavo-cli: cannot read " + kTooDeep + ": " + kNoFile + "\n1 renamed, 0 failed\n",
         {}},
    };
    for (const CliCase& c : cases) RunCase(c);
}

TEST(RenameCommandTest, TablePadsThePathColumn) {
    TempTree tree;
    tree.AddFile("a.txt");
    tree.AddFile("longer name.txt");
    PosixFileSystem fs;
    JournalStore journals = PosixJournals(SystemOs(), tree.Path("unused"));
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> args = {"-p", "%3g.%e", tree.root()};
    EXPECT_EQ(CliMain(args, fs, kTestPage, journals, {out, err, false}), 0);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(out.str(), WithRoot("Mark     Path^               New Filename\n"
                                  "pending  @/a.txt            001.txt\n"
                                  "pending  @/longer name.txt  002.txt\n",
                                  tree.root()));
}

TEST(RenameCommandTest, ExecuteRenamesExactlyAndNeverReplaces) {
    const std::string exists = std::strerror(EEXIST);
    const CliCase cases[] = {
        {{"a.txt", "b.txt"},
         {"-x", "--tsv", "-p", "x-%n", "@"},
         0,
         "renamed\t@/a.txt\tx-a.txt\nrenamed\t@/b.txt\tx-b.txt\n",
         "2 renamed, 0 failed\n",
         {"x-a.txt: a.txt", "x-b.txt: b.txt"}},
        {{"a.txt", "b.txt", "c.txt"},
         {"-x", "-p", "same", "@"},
         1,
         "Mark     Path^     New Filename\n"
         "renamed  @/a.txt  same\n"
         "failed   @/b.txt  same  (" +
             exists +
             ")\n"
             "failed   @/c.txt  same  (" +
             exists +
             ")\n"
             "1 renamed, 2 failed\n",
         "",
         {"b.txt: b.txt", "c.txt: c.txt", "same: a.txt"}},
        // Names that are not UTF-8 or hold separators move byte for byte.
        {{"bad\xff.txt", "tab\there.txt", "line\nfeed.txt"},
         {"-x", "--tsv", "-p", "%t\xfe.%e", "@"},
         0,
         "renamed\t@/bad\xff.txt\tbad\xff\xfe.txt\n"
         "renamed\t@/line\\nfeed.txt\tline\\nfeed\xfe.txt\n"
         "renamed\t@/tab\\there.txt\ttab\\there\xfe.txt\n",
         "3 renamed, 0 failed\n",
         {"bad\xff\xfe.txt: bad\xff.txt", "line\nfeed\xfe.txt: line\nfeed.txt",
          "tab\there\xfe.txt: tab\there.txt"}},
    };
    for (const CliCase& c : cases) RunCase(c);
}

// The folder tw reached through the link L and by its own name: each file is
// one row, renamed once.
TEST(RenameCommandTest, FileReachedTwoWaysIsOneRow) {
    TempTree tree;
    tree.AddFile("tw/2");
    tree.AddFile("tw/3");
    ASSERT_EQ(::symlink("tw", tree.Path("L").c_str()), 0);
    PosixFileSystem fs;
    TempFolder state;
    JournalStore journals = PosixJournals(SystemOs(), state.path());
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> args = {"-x", "--tsv",        "-p",
                                           "%g", tree.Path("L"), tree.Path("tw")};

    EXPECT_EQ(CliMain(args, fs, kTestPage, journals, {out, err, false}), 0);
    EXPECT_EQ(out.str(), WithRoot("renamed\t@/tw/2\t1\nrenamed\t@/tw/3\t2\n", tree.root()));
    EXPECT_EQ(err.str(), "2 renamed, 0 failed\n");
    EXPECT_EQ(tree.Files(), (std::vector<std::string>{"tw/1: tw/2", "tw/2: tw/3"}));
}

// Moves as the real file system does, but reports the moves of two files as
// the rare moves that leave a note: one stranded under its scratch name, one
// that met another program's write.
class NotingFileSystem : public PosixFileSystem {
public:
    explicit NotingFileSystem(const TempTree& tree) : tree_(tree) {}

    MoveResult MoveNoReplace(const std::string& from, const std::string& to,
                             const std::string& scratch_name) override {
        MoveResult result = PosixFileSystem::MoveNoReplace(from, to, scratch_name);
        if (from == tree_.Path("a")) result.left_at = tree_.Path("scratch");
        if (from == tree_.Path("b")) result.saved_other = tree_.Path("saved");
        return result;
    }

private:
    const TempTree& tree_;
};

TEST(RenameCommandTest, RowNotesSayWhereFilesAre) {
    TempTree tree;
    tree.AddFile("a");
    tree.AddFile("b");
    NotingFileSystem fs(tree);
    TempFolder state;
    JournalStore journals = PosixJournals(SystemOs(), state.path());
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> args = {"-x", "--tsv", "-p", "%n.x", tree.root()};

    EXPECT_EQ(CliMain(args, fs, kTestPage, journals, {out, err, false}), 0);
    EXPECT_EQ(err.str(),
              WithRoot("zentavo-cli: @/a could not be renamed nor put back: it is now @/scratch\n"
                       "zentavo-cli: another program wrote to @/b.x while it was being renamed; "
                       "its data was saved as @/saved\n"
                       "2 renamed, 0 failed\n",
                       tree.root()));
}

}  // namespace
}  // namespace zentavo
