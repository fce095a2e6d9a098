#include "rules/StatementToggle.h"

#include <gtest/gtest.h>

namespace belvane {
namespace {

TEST(StatementToggle, StampsUnstampsOrRefuses) {
    constexpr DayDate current = 1236639600;
    constexpr DayDate other = 1234220400;
    EXPECT_EQ(DecideStatementToggle(0, current), StatementToggle::Stamp);
    EXPECT_EQ(DecideStatementToggle(current, current), StatementToggle::Unstamp);
    EXPECT_EQ(DecideStatementToggle(other, current), StatementToggle::Refuse);
}

}  // namespace
}  // namespace belvane
