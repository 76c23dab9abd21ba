#include "engine/lexical_path.h"

#include <gtest/gtest.h>

namespace zentavo {
namespace {

TEST(LexicalPathTest, MakesAbsoluteAndNormal) {
    struct Case {
        const char* base;
        const char* path;
        const char* expected;
    } cases[] = {
        {"/home/u", "a.txt", "/home/u/a.txt"},
        {"/home/u", "/etc/x", "/etc/x"},
        {"/home/u", "./a//b/", "/home/u/a/b"},
        {"/home/u", "../v/a", "/home/v/a"},
        {"/", "../../..", "/"},
        {"/home/u", "", "/home/u"},
        {"/", "/", "/"},
        {"/home/u", "..a/.b/...", "/home/u/..a/.b/..."},
        {"/x", "a\\..\\b", "/x/a\\..\\b"},  // a backslash is part of a name
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.base) + " + " + c.path);
        EXPECT_EQ(LexicallyAbsolute(c.base, c.path), c.expected);
    }
}

TEST(LexicalPathTest, FolderOfAndJoinPathKeepTheRoot) {
    struct Case {
        PathSyntax syntax;
        const char* path;
        const char* folder;  // FolderOf(path)
        const char* joined;  // JoinPath(folder, "n")
    } cases[] = {
        {PathSyntax::Posix, "/d/a", "/d", "/d/n"},
        {PathSyntax::Posix, "/a", "/", "/n"},
        {PathSyntax::Posix, "/d//a", "/d", "/d/n"},
        {PathSyntax::Posix, "a", ".", "./n"},
        {PathSyntax::Posix, "/d\\a", "/", "/n"},  // a backslash is part of a name
        {PathSyntax::Windows, "C:\\d\\a", "C:\\d", "C:\\d\\n"},
        {PathSyntax::Windows, "C:\\a", "C:\\", "C:\\n"},
        {PathSyntax::Windows, "C:\\\\a", "C:\\", "C:\\n"},
        {PathSyntax::Windows, "C:/d/a", "C:/d", "C:/d\\n"},
        {PathSyntax::Windows, "C:/a", "C:/", "C:/n"},
        {PathSyntax::Windows, "\\\\srv\\share\\a", "\\\\srv\\share", "\\\\srv\\share\\n"},
        {PathSyntax::Windows, "\\a", "\\", "\\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const std::string folder = FolderOf(c.path, c.syntax);
        EXPECT_EQ(folder, c.folder);
        EXPECT_EQ(JoinPath(folder, "n", c.syntax), c.joined);
    }
}

TEST(LexicalPathTest, KeysMeetForOnePath) {
    struct Case {
        PathSyntax syntax;
        const char* path;
        const char* key;
    } cases[] = {
        {PathSyntax::Posix, "/d/./a//b/../c", "/d/a/c"},
        {PathSyntax::Posix, "rel/./a", "rel/./a"},
        {PathSyntax::Posix, "/d\\.\\a", "/d\\.\\a"},
        {PathSyntax::Windows, "C:\\d\\.\\a\\\\b", "C:\\d\\a\\b"},
        {PathSyntax::Windows, "C:/d/sub/../x", "C:\\d\\x"},
        {PathSyntax::Windows, "C:\\..\\..\\x", "C:\\x"},
        {PathSyntax::Windows, "C:\\", "C:\\"},
        {PathSyntax::Windows, "c:\\Dir\\A.TXT", "c:\\Dir\\A.TXT"},
        {PathSyntax::Windows, "\\\\srv\\share\\..\\..\\f", "\\\\srv\\share\\f"},
        {PathSyntax::Windows, "//srv/share/./d/f", "\\\\srv\\share\\d\\f"},
        {PathSyntax::Windows, "C:rel\\.\\f", "C:rel\\.\\f"},
        {PathSyntax::Windows, "rel\\..\\f", "rel\\..\\f"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(LexicalKey(c.path, c.syntax), c.key);
    }
}

}  // namespace
}  // namespace zentavo
