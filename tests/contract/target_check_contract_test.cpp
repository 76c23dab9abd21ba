// The check before a run holds a new name to its folder's limit as that
// folder counts: bytes on POSIX, UTF-16 units on Windows, where 255
// characters of 日 (765 bytes) fit.
#include <string>
#include <vector>

#include "engine/target_check.h"
#include "tests/contract/contract_backend.h"
#include "tests/support/test_code_page.h"

namespace zentavo {
namespace {

std::string Repeat(const std::string& text, size_t times) {
    std::string repeated;
    for (size_t i = 0; i < times; ++i) repeated += text;
    return repeated;
}

const std::string kNichi = "\xE6\x97\xA5";  // 日: three bytes, one UTF-16 unit

struct LengthCase {
    const char* what;
    std::string name;
    bool too_long_in_bytes;
    bool too_long_in_units;
};

const LengthCase kLengthCases[] = {
    {"255 letters", std::string(255, 'n'), false, false},
    {"256 letters", std::string(256, 'n'), true, true},
    {"85 characters of three bytes", Repeat(kNichi, 85), false, false},
    {"86 characters of three bytes", Repeat(kNichi, 86), true, false},
    {"255 characters of three bytes", Repeat(kNichi, 255), true, false},
    {"256 characters of three bytes", Repeat(kNichi, 256), true, true},
};

TEST_P(FileSystemContract, TheCheckBeforeARunCountsANameAsItsFolderDoes) {
    const std::string dir = backend_->FreshFolder();
    backend_->MakeFile(Path(dir, "a"), "a");
    for (const LengthCase& c : kLengthCases) {
        SCOPED_TRACE(c.what);
        RenameList list(backend_->fs().syntax());
        list.SetNewName(list.Insert(Path(dir, "a")), c.name);
        bool too_long = false;
        for (const TargetProblem& problem : CheckTargets(backend_->fs(), list, kTestPage))
            too_long |= problem.kind == TargetProblemKind::NameTooLong;
        EXPECT_EQ(too_long,
                  backend_->counts_utf16_units() ? c.too_long_in_units : c.too_long_in_bytes);
    }
}

}  // namespace
}  // namespace zentavo
