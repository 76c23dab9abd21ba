#include "core/rename_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "tests/support/list_rows.h"

namespace zentavo {
namespace {

using Paths = std::vector<std::string>;

RenameList ListOf(PathSyntax syntax, const Paths& paths) {
    RenameList list(syntax);
    for (const std::string& path : paths) list.Insert(path);
    return list;
}

std::basic_string<unsigned char> Folded(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    }
    return std::basic_string<unsigned char>(s.begin(), s.end());
}

// The order the list must keep, computed the plain way: lower-case copies
// compared as unsigned bytes, the original bytes breaking ties.
bool ReferenceLess(const std::string& a, const std::string& b) {
    const auto fa = Folded(a);
    const auto fb = Folded(b);
    if (fa != fb) return fa < fb;
    return std::basic_string<unsigned char>(a.begin(), a.end()) <
           std::basic_string<unsigned char>(b.begin(), b.end());
}

TEST(RenameList, ALaterInsertTakesItsSortedPlace) {
    const struct {
        PathSyntax syntax;
        Paths inserted;
        Paths expected;
    } cases[] = {
        {PathSyntax::Windows, {"C:\\b\\x.txt", "C:\\a\\y.txt"}, {"C:\\a\\y.txt", "C:\\b\\x.txt"}},
        {PathSyntax::Posix, {"/b/x.txt", "/a/y.txt"}, {"/a/y.txt", "/b/x.txt"}},
    };
    for (const auto& c : cases) {
        RenameList list(c.syntax);
        EXPECT_EQ(list.Insert(c.inserted[0]), 0u);
        EXPECT_EQ(list.Insert(c.inserted[1]), 0u);
        EXPECT_EQ(RowPaths(list), c.expected);
    }
}

TEST(RenameList, OrderFoldsAsciiCaseAndBreaksTiesByBytesWhateverTheInsertionOrder) {
    const Paths paths = {
        "/b",   "/A",   "/a", "/B", "/_x", "/Z",    "/\xE9", "/\xC9",    "/a/b",
        "/a.b", "/a b", "",   "/",  "/aB", "/Ab",   "/ab",   "/AB",      "/a\x7F",
        "/[",   "/`",   "/{", "/@", "/0",  "/a\\b", "/A\\B", "/img.JPG", "/IMG.jpg",
    };
    Paths expected = paths;
    std::sort(expected.begin(), expected.end(), ReferenceLess);
    std::set<std::basic_string<unsigned char>> distinct_folded;
    for (const std::string& path : paths) distinct_folded.insert(Folded(path));
    std::mt19937 random(7);
    for (PathSyntax syntax : {PathSyntax::Windows, PathSyntax::Posix}) {
        for (int round = 0; round < 20; ++round) {
            Paths shuffled = paths;
            std::shuffle(shuffled.begin(), shuffled.end(), random);
            SCOPED_TRACE(testing::Message() << "round " << round);
            EXPECT_EQ(RowPaths(ListOf(syntax, shuffled)), expected);
            RenameList batch(syntax);
            EXPECT_EQ(batch.InsertNew(shuffled),
                      syntax == PathSyntax::Posix ? paths.size() : distinct_folded.size());
        }
    }
}

struct FindCase {
    const char* label;
    PathSyntax syntax;
    Paths rows;
    std::string path;
    std::optional<size_t> found;
};

TEST(RenameList, FindMatchesTheWholePathWithTheSyntaxsCaseRule) {
    const Paths windows_rows = {"C:\\a\\y.txt", "C:\\b\\x.txt", "C:\\b\\x.txt2"};
    const Paths posix_rows = {"/a/IMG.jpg", "/a/img.jpg", "/b/x.txt"};
    const FindCase cases[] = {
        {"win exact", PathSyntax::Windows, windows_rows, "C:\\a\\y.txt", 0},
        {"win other case", PathSyntax::Windows, windows_rows, "c:\\A\\Y.TXT", 0},
        {"win other case, later row", PathSyntax::Windows, windows_rows, "c:\\B\\X.TXT", 1},
        {"win longer", PathSyntax::Windows, windows_rows, "C:\\a\\y.txtx", std::nullopt},
        {"win shorter", PathSyntax::Windows, windows_rows, "C:\\a\\y.tx", std::nullopt},
        {"win prefix of a row", PathSyntax::Windows, windows_rows, "C:\\b", std::nullopt},
        {"win slash is not backslash", PathSyntax::Windows, windows_rows, "C:/a/y.txt",
         std::nullopt},
        {"win before every row", PathSyntax::Windows, windows_rows, "A:\\", std::nullopt},
        {"win after every row", PathSyntax::Windows, windows_rows, "Z:\\", std::nullopt},
        {"win non-ascii case is no match",
         PathSyntax::Windows,
         {"C:\\\xC9t\xC9"},
         "C:\\\xE9t\xE9",
         std::nullopt},
        {"win empty list", PathSyntax::Windows, {}, "C:\\a", std::nullopt},
        {"win empty path", PathSyntax::Windows, {"", "C:\\a"}, "", 0},
        {"posix upper row", PathSyntax::Posix, posix_rows, "/a/IMG.jpg", 0},
        {"posix lower row", PathSyntax::Posix, posix_rows, "/a/img.jpg", 1},
        {"posix mixed case is another file", PathSyntax::Posix, posix_rows, "/a/Img.jpg",
         std::nullopt},
        {"posix last row", PathSyntax::Posix, posix_rows, "/b/x.txt", 2},
        {"posix upper-case query", PathSyntax::Posix, posix_rows, "/B/X.TXT", std::nullopt},
        {"posix only lower row present",
         PathSyntax::Posix,
         {"/a/img.jpg"},
         "/a/IMG.jpg",
         std::nullopt},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.label);
        const RenameList list = ListOf(c.syntax, c.rows);
        EXPECT_EQ(list.Find(c.path), c.found);
    }
}

TEST(RenameList, NewRowsArePendingWithAnEmptyNameAndKeepTheirMarks) {
    RenameList list(PathSyntax::Windows);
    list.Insert("C:\\a\\1.txt");
    list.Insert("C:\\a\\2.txt");
    EXPECT_EQ(list.mark(0), RowMark::Pending);
    EXPECT_EQ(list.new_name(0), "");
    EXPECT_EQ(list.failure(0), 0);
    list.SetMark(0, RowMark::Failed, 13);
    list.SetNewName(0, "x");
    list.Insert("C:\\0.txt");
    EXPECT_EQ(list.path(1), "C:\\a\\1.txt");
    EXPECT_EQ(list.mark(1), RowMark::Failed);
    EXPECT_EQ(list.failure(1), 13);
    EXPECT_EQ(list.new_name(1), "x");
    EXPECT_EQ(list.mark(0), RowMark::Pending);
    EXPECT_EQ(static_cast<int>(RowMark::Pending), 0);
    EXPECT_EQ(static_cast<int>(RowMark::Renamed), 1);
    EXPECT_EQ(static_cast<int>(RowMark::Failed), 3);
}

TEST(RenameList, RemovingRowsKeepsTheOthersInTheirOrder) {
    const Paths seven = {"/0", "/1", "/2", "/3", "/4", "/5", "/6"};
    const struct {
        const char* label;
        std::vector<size_t> removed;
        Paths left;
    } cases[] = {
        {"selection 0 2 5", {0, 2, 5}, {"/1", "/3", "/4", "/6"}},
        {"any order and repeats", {5, 0, 5, 2, 0}, {"/1", "/3", "/4", "/6"}},
        {"out of range ignored", {6, 7, 100}, {"/0", "/1", "/2", "/3", "/4", "/5"}},
        {"none", {}, seven},
        {"all", {0, 1, 2, 3, 4, 5, 6}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        RenameList list = ListOf(PathSyntax::Posix, seven);
        for (size_t i = 0; i < list.count(); ++i)
            list.SetNewName(i, std::string(list.path(i)) + "n");
        list.Remove(c.removed);
        EXPECT_EQ(RowPaths(list), c.left);
        for (size_t i = 0; i < list.count(); ++i)
            EXPECT_EQ(list.new_name(i), std::string(list.path(i)) + "n");
    }
    RenameList list = ListOf(PathSyntax::Posix, seven);
    list.RemoveAll();
    EXPECT_TRUE(list.empty());
}

TEST(RenameList, InsertNewKeepsTheFirstSpellingOfAFileAndSkipsListedOnes) {
    const struct {
        const char* label;
        PathSyntax syntax;
        Paths rows;
        Paths batch;
        size_t added;
        Paths expected;
    } cases[] = {
        {"win case variants",
         PathSyntax::Windows,
         {},
         {"C:\\a\\Y.txt", "c:\\a\\y.TXT", "C:\\b", "C:\\a\\Y.txt"},
         2,
         {"C:\\a\\Y.txt", "C:\\b"}},
        {"win already listed in another case",
         PathSyntax::Windows,
         {"C:\\A\\y.txt"},
         {"c:\\a\\Y.TXT", "C:\\c"},
         1,
         {"C:\\A\\y.txt", "C:\\c"}},
        {"posix case variants are files",
         PathSyntax::Posix,
         {},
         {"/a/Y.txt", "/a/y.TXT", "/b", "/a/Y.txt"},
         3,
         {"/a/Y.txt", "/a/y.TXT", "/b"}},
        {"posix already listed",
         PathSyntax::Posix,
         {"/a/y.txt"},
         {"/a/y.txt", "/a/Y.txt"},
         1,
         {"/a/Y.txt", "/a/y.txt"}},
        {"empty batch", PathSyntax::Posix, {"/a"}, {}, 0, {"/a"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        RenameList list = ListOf(c.syntax, c.rows);
        EXPECT_EQ(list.InsertNew(c.batch), c.added);
        EXPECT_EQ(RowPaths(list), c.expected);
    }
}

// Paths from a small alphabet, so that case variants, repeats, shared
// prefixes and non-ASCII bytes are common.
std::string RandomPath(std::mt19937& random, PathSyntax syntax) {
    static const char* const kPieces[] = {"a",    "A",    "b", "B", "ab", "aB",   "Ab", "_", "a.b",
                                          "\xE9", "\xC9", "x", "",  "[",  "\x95", "\\", "/"};
    const char separator = Separator(syntax);
    std::string path = syntax == PathSyntax::Windows ? (random() % 2 ? "C:" : "c:") : "";
    const size_t depth = random() % 4;
    for (size_t i = 0; i <= depth; ++i) {
        path += separator;
        const size_t pieces = 1 + random() % 2;
        for (size_t k = 0; k < pieces; ++k) path += kPieces[random() % std::size(kPieces)];
    }
    return path;
}

std::string RandomCase(std::mt19937& random, std::string path) {
    for (char& c : path) {
        if (random() % 3 == 0) {
            if (c >= 'a' && c <= 'z') {
                c = char(c - 'a' + 'A');
            } else if (c >= 'A' && c <= 'Z') {
                c = char(c - 'A' + 'a');
            }
        }
    }
    return path;
}

// InsertNew sorts and merges in one go; it must end exactly where inserting
// the paths one at a time, each after a Find, ends.
TEST(RenameList, InsertNewEqualsOneByOneInsertion) {
    std::mt19937 random(20240611);
    for (PathSyntax syntax : {PathSyntax::Windows, PathSyntax::Posix}) {
        for (int round = 0; round < 400; ++round) {
            SCOPED_TRACE(testing::Message() << (syntax == PathSyntax::Windows ? "win" : "posix")
                                            << " round " << round);
            Paths pool;
            const size_t pool_size = 1 + random() % 12;
            for (size_t i = 0; i < pool_size; ++i) pool.push_back(RandomPath(random, syntax));

            RenameList batch_list(syntax);
            RenameList single_list(syntax);
            for (int step = 0; step < 3; ++step) {
                Paths batch;
                const size_t batch_size = random() % 30;
                for (size_t i = 0; i < batch_size; ++i) {
                    batch.push_back(RandomCase(random, pool[random() % pool.size()]));
                }
                // A batch in the list's order, as a drop gathers it, or in
                // byte order, which folding disagrees with.
                if (random() % 3 == 0) std::sort(batch.begin(), batch.end(), ReferenceLess);
                if (random() % 3 == 0) std::sort(batch.begin(), batch.end());
                size_t single_added = 0;
                for (const std::string& path : batch) {
                    if (single_list.Find(path)) continue;
                    single_list.Insert(path);
                    ++single_added;
                }
                EXPECT_EQ(batch_list.InsertNew(batch), single_added);
                ASSERT_EQ(RowPaths(batch_list), RowPaths(single_list));
            }
            const Paths rows = RowPaths(batch_list);
            EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), ReferenceLess));
        }
    }
}

// A row holds its texts' sizes and its failure in few bits: every length a
// path or a name can have must read back whole, a name too long to use
// included, beside its neighbours, whichever way the row came in.
TEST(RenameList, TextsOfEveryLengthReadBackWhole) {
    const struct {
        size_t path_size;
        size_t name_size;
        int failure;
    } cases[] = {
        {2, 0, 0},
        {42, 14, 2},
        {4095, kMaxNewNameLength, 36},
        {4096, kMaxNewNameLength + 1, 36},
        {65535, 65535, 133},
        {65536, 65536, 16383},
        {70000, 1 << 20, 1},
    };
    for (const auto& c : cases) {
        for (const bool batch : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.path_size << " " << c.name_size << " "
                                            << (batch ? "InsertNew" : "Insert"));
            const std::string path = "/d" + std::string(c.path_size - 2, 'p');
            const std::string name(c.name_size, 'n');
            RenameList list(PathSyntax::Posix);
            if (batch) {
                list.InsertNew({"/a", path, "/z"});
            } else {
                for (const char* other : {"/a", "/z"}) list.Insert(other);
                list.Insert(path);
            }
            ASSERT_EQ(list.count(), 3u);
            const size_t row = 1;
            list.SetNewName(0, "before");
            list.SetNewName(row, name);
            list.SetNewName(2, "after");
            list.SetMark(row, RowMark::Failed, c.failure);
            EXPECT_EQ(list.path(row), path);
            EXPECT_EQ(list.new_name(row), name);
            EXPECT_EQ(list.failure(row), c.failure);
            EXPECT_EQ(list.new_name(0), "before");
            EXPECT_EQ(list.new_name(2), "after");
            EXPECT_EQ(RowPaths(list), (Paths{"/a", path, "/z"}));
            // Rewritten longer, then short in its place: the room it leaves
            // behind makes the list pack its names anew.
            list.SetNewName(2, name + "+");
            list.SetNewName(2, "after");
            EXPECT_EQ(list.new_name(row), name);
            // A path as long removed, and a short one: the paths are packed anew.
            const std::string twin = "/e" + std::string(c.path_size - 2, 'q');
            list.Insert(twin);
            list.Remove(std::array<size_t, 2>{0, 2});
            EXPECT_EQ(RowPaths(list), (Paths{path, "/z"}));
            EXPECT_EQ(list.new_name(0), name);
            EXPECT_EQ(list.new_name(1), "after");
            EXPECT_EQ(list.failure(0), c.failure);
        }
    }
}

// Names rewritten longer, shorter, from the row's own name and from another
// row's, mixed with removals and inserts: the rows must read back as plain
// strings kept beside them would, however the list packs and repacks its texts.
TEST(RenameList, TextsSurviveRewritesAndRemovals) {
    struct Plain {
        std::string path;
        std::string name;
        uint64_t inode;
    };
    std::mt19937 random(5);
    for (int round = 0; round < 50; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        RenameList list(PathSyntax::Posix);
        std::vector<Plain> plain;
        PathBatch batch;
        for (uint64_t i = 0; i < 40; ++i) {
            const std::string path = "/d/" + std::to_string(random() % 1000);
            batch.Add(path, i + 1);
            const auto same = [&](const Plain& row) { return row.path == path; };
            if (std::none_of(plain.begin(), plain.end(), same)) plain.push_back({path, "", i + 1});
        }
        list.InsertNew(std::move(batch));
        std::sort(plain.begin(), plain.end(),
                  [](const Plain& a, const Plain& b) { return ReferenceLess(a.path, b.path); });
        for (int step = 0; step < 300 && !plain.empty(); ++step) {
            const size_t i = random() % plain.size();
            const size_t other = random() % plain.size();
            switch (random() % 6) {
                case 0:
                    plain[i].name = std::string(random() % 30, char('a' + random() % 26));
                    list.SetNewName(i, plain[i].name);
                    break;
                case 1:
                    plain[i].name = plain[i].name.substr(plain[i].name.size() / 2);
                    list.SetNewName(i, list.new_name(i).substr(list.new_name(i).size() / 2));
                    break;
                case 2:
                    plain[i].name = plain[other].name;
                    list.SetNewName(i, list.new_name(other));
                    break;
                case 3:
                    plain.erase(plain.begin() + std::ptrdiff_t(i));
                    list.Remove(std::array{i});
                    break;
                case 4: {
                    const std::string path = "/e/" + std::to_string(random());
                    const auto at = std::upper_bound(plain.begin(), plain.end(), path,
                                                     [](const std::string& p, const Plain& row) {
                                                         return ReferenceLess(p, row.path);
                                                     });
                    plain.insert(at, {path, "", 0});
                    list.Insert(path);
                    break;
                }
                default: {
                    const std::vector<size_t> doomed = {i, other};
                    plain.erase(plain.begin() + std::ptrdiff_t(std::max(i, other)));
                    if (i != other) plain.erase(plain.begin() + std::ptrdiff_t(std::min(i, other)));
                    list.Remove(doomed);
                }
            }
            ASSERT_EQ(list.count(), plain.size());
            for (size_t row = 0; row < plain.size(); ++row) {
                ASSERT_EQ(list.path(row), plain[row].path) << "step " << step;
                ASSERT_EQ(list.new_name(row), plain[row].name) << "step " << step;
                ASSERT_EQ(list.inode(row), plain[row].inode) << "step " << step;
            }
        }
    }
}

// Find against a linear scan with the plain rule of each syntax.
TEST(RenameList, FindAgreesWithALinearScan) {
    std::mt19937 random(99);
    for (PathSyntax syntax : {PathSyntax::Windows, PathSyntax::Posix}) {
        for (int round = 0; round < 200; ++round) {
            Paths batch;
            for (int i = 0; i < 20; ++i) batch.push_back(RandomPath(random, syntax));
            RenameList list(syntax);
            list.InsertNew(batch);
            for (int probe = 0; probe < 20; ++probe) {
                const std::string path = RandomCase(random, batch[random() % batch.size()]);
                std::optional<size_t> expected;
                for (size_t i = 0; i < list.count() && !expected; ++i) {
                    const bool same = syntax == PathSyntax::Windows
                                          ? Folded(std::string(list.path(i))) == Folded(path)
                                          : list.path(i) == path;
                    if (same) expected = i;
                }
                EXPECT_EQ(list.Find(path), expected) << testing::PrintToString(path);
            }
        }
    }
}

}  // namespace
}  // namespace zentavo
