// Every seed of the fuzzing corpus and every input kept in fuzz/regressions
// (one that broke a reader, named after its fault; none yet) keeps the register's round-trip
// promise and the statement readers' one.
#include "RegisterRoundTrip.h"
#include "ScratchDir.h"
#include "StatementReaders.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace belvane {
namespace {

TEST(RegisterRoundTrip, CorpusAndRegressionInputs) {
    int count = 0;
    for (const char* folder : {"corpus", "regressions"}) {
        for (const auto& entry : std::filesystem::directory_iterator(
                 std::filesystem::path(BELVANE_FUZZ_DIR) / folder)) {
            if (entry.path().filename() == ".keep")
                continue;
            const std::string bytes = testutil::ReadFile(entry.path().string());
            const std::span data(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            EXPECT_EQ(CheckRegisterRoundTrip(data), "") << entry.path();
            EXPECT_EQ(CheckStatementReaders(data), "") << entry.path();
            ++count;
        }
    }
    EXPECT_GE(count, 8);  // the seeds at least were read
}

}  // namespace
}  // namespace belvane
