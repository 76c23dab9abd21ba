// The platform's journal storage for the contract suite, over a folder of
// its own that does not exist yet.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "journal/journal_storage.h"

namespace zentavo {

class JournalBackend {
public:
    virtual ~JournalBackend() = default;
    virtual JournalStorage& storage() = 0;
};

using JournalBackendFactory = std::unique_ptr<JournalBackend> (*)();

// The rows every journal storage must pass, instantiated once per platform.
class JournalStorageContract : public ::testing::TestWithParam<JournalBackendFactory> {
protected:
    void SetUp() override { backend_ = GetParam()(); }

    std::unique_ptr<JournalBackend> backend_;
};

}  // namespace zentavo
