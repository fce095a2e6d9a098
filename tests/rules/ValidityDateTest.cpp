#include "core/CBelvaneDoc.h"
#include "core/DayDate.h"
#include "rules/ValidityDate.h"

#include <gtest/gtest.h>

namespace belvane {
namespace {

TEST(ValidityDate, EveryMethod) {
    // Code, parameters, issue date, credit, validity date.
    const std::tuple<std::uint16_t, int, int, CivilDate, bool, CivilDate> cases[] = {
        {7, 1, 1, {2009, 3, 3}, false, {2009, 3, 3}},  // immediate, or an unknown code
        {1, 30, 1, {2009, 1, 31}, false, {2009, 2, 28}},
        {1, 15, 1, {2009, 3, 15}, false, {2009, 3, 15}},
        {1, 5, 1, {2009, 12, 6}, false, {2010, 1, 5}},
        {2, 5, 1, {2008, 12, 10}, false, {2009, 2, 5}},
        {2, 5, 1, {2008, 12, 3}, false, {2009, 1, 5}},
        {3, 1, 1, {2008, 1, 31}, false, {2008, 2, 29}},
        {3, 1, 0, {2008, 2, 29}, false, {2008, 2, 29}},
        {4, -3, 5, {2009, 3, 3}, false, {2009, 2, 28}},
        {4, -3, 5, {2009, 3, 3}, true, {2009, 3, 8}},
        // Results beyond the date range keep the issue date.
        {3, 1, 999, {2035, 11, 20}, false, {2035, 11, 20}},
        {2, 5, 65535, {2035, 11, 20}, false, {2035, 11, 20}},
        {4, -5, 0, {1990, 1, 2}, false, {1990, 1, 2}},
    };
    for (const auto& [code, p1, p2, issue, credit, expected] : cases) {
        const CPaiement p("P", code, static_cast<std::uint16_t>(p1),
                          static_cast<std::uint16_t>(p2));
        EXPECT_EQ(ToCivil(ComputeValidityDate(p, ToDayDate(issue), credit)), expected)
            << "code " << code << " issue " << issue.year << '-' << issue.month << '-' << issue.day;
    }
}

// A method found whatever its letter case is checked through the line entry's
// validity.
TEST(ValidityDate, NoIssueDateGivesNoDateAndNoMethodTheIssueDate) {
    CBelvaneDoc doc;
    doc.AddPaiement(CPaiement("Carte", CPaiement::kFixedDay, 5, 1));
    EXPECT_EQ(ComputeValidityDate(doc.GetPaiement(0), 0, true), 0);
    EXPECT_EQ(ValidityDateFor(doc, 0, "Carte", false), 0);
    const DayDate issue = ToDayDate(2009, 3, 10);
    EXPECT_EQ(ValidityDateFor(doc, issue, "", false), issue);
}

}  // namespace
}  // namespace belvane
