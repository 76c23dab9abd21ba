#include "engine/path_index.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace zentavo {
namespace {

constexpr uint32_t kNone = PathIndex::kNone;

// Each case is a few calls and what each returns. The table is made for a
// few puts, so that its eight slots make many keys meet.
TEST(PathIndexTest, FindsWhatWasPutAndNotTakenOrForgotten) {
    enum Op { Put, Take, Find, ForgetBelow };
    struct Call {
        Op op;
        const char* key;  // unused for ForgetBelow
        uint32_t item;    // Put's item; ForgetBelow's first
        uint32_t returns = kNone;
    };
    struct Case {
        const char* name;
        std::vector<Call> calls;
    } cases[] = {
        {"a second put under a key replaces the first and says so",
         {{Put, "/d/a", 0}, {Find, "/d/a", 0, 0}, {Put, "/d/a", 1, 0}, {Find, "/d/a", 0, 1}}},
        {"a taken item is gone; the items past its slot are still found",
         {{Put, "/d/a", 0},
          {Put, "/d/b", 1},
          {Put, "/d/c", 2},
          {Put, "/d/e", 3},
          {Take, "/d/b", 0, 1},
          {Find, "/d/b", 0},
          {Take, "/d/b", 0},
          {Find, "/d/a", 0, 0},
          {Find, "/d/c", 0, 2},
          {Find, "/d/e", 0, 3},
          {Put, "/d/b", 4},
          {Find, "/d/b", 0, 4}}},
        {"forgetting below an item keeps it and those after it",
         {{Put, "/d/a", 0},
          {Put, "/d/b", 1},
          {Put, "/d/c", 2},
          {ForgetBelow, "", 1},
          {Find, "/d/a", 0},
          {Find, "/d/b", 0, 1},
          {Find, "/d/c", 0, 2},
          {Put, "/d/a", 3},
          {Find, "/d/a", 0, 3},
          {ForgetBelow, "", 3},
          {Find, "/d/b", 0},
          {Find, "/d/a", 0, 3}}},
        {"keys that differ in a byte are two keys",
         {{Put, "/d/a", 0}, {Find, "/d/A", 0}, {Find, "/d/a/", 0}, {Find, "", 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::map<uint32_t, std::string> keys;
        PathIndex index(4, [&](uint32_t item) { return std::string_view(keys.at(item)); });
        for (size_t i = 0; i < c.calls.size(); ++i) {
            const Call& call = c.calls[i];
            SCOPED_TRACE("call " + std::to_string(i));
            switch (call.op) {
                case Put:
                    keys[call.item] = call.key;
                    EXPECT_EQ(index.Put(call.key, call.item), call.returns);
                    break;
                case Take:
                    EXPECT_EQ(index.Take(call.key), call.returns);
                    break;
                case Find:
                    EXPECT_EQ(index.Find(call.key), call.returns);
                    break;
                case ForgetBelow:
                    index.ForgetBelow(call.item);
                    break;
            }
        }
    }
}

}  // namespace
}  // namespace zentavo
