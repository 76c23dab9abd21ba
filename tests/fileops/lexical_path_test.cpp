#include "fileops/lexical_path.h"

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

}  // namespace
}  // namespace zentavo
