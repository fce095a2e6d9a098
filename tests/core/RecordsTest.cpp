#include "RecordBuilders.h"
#include "core/CRegistre.h"
#include "core/DayDate.h"

#include <gtest/gtest.h>

#include <tuple>

namespace belvane {
namespace {

using testutil::MakeMouvement;

// The next date moves the months on and keeps the wanted day, or the month's
// last day when shorter; day 0 is taken as 1, above 31 as 31.
TEST(CMouvementAuto, AdvanceKeepsTheWantedDay) {
    const std::tuple<CivilDate, int, int, CivilDate> cases[] = {
        // from, months, day, next
        {{2009, 1, 31}, 1, 31, {2009, 2, 28}}, {{2009, 2, 28}, 1, 31, {2009, 3, 31}},
        {{2008, 1, 31}, 1, 31, {2008, 2, 29}}, {{2009, 11, 15}, 14, 15, {2011, 1, 15}},
        {{2009, 3, 20}, 1, 0, {2009, 4, 1}},   {{2009, 3, 20}, 99, 40, {2017, 6, 30}},
    };
    for (const auto& [from, months, day, expected] : cases) {
        CMouvementAuto m = MakeMouvement("", from, months, day);
        m.AdvanceNextDate();
        EXPECT_EQ(ToCivil(m.m_prochaineDate), expected) << months << " " << day;
    }
}

TEST(CRegistre, PaymentMethodsSortedWithEqualNamesInInsertionOrder) {
    CRegistre reg;
    const CPaiement cb("cb", 0, 1, 1), cheque("Chèque", 0, 1, 1), CB("CB", 1, 5, 1);
    for (const CPaiement& p : {cb, cheque, CB})
        reg.AddPaiement(p);
    EXPECT_EQ(reg.m_paiements, (decltype(reg.m_paiements){cb, CB, cheque})) << "cb, CB, Chèque";
    EXPECT_EQ(reg.AddPaiement(CPaiement("Espèces", 0, 1, 1)), 3);
    EXPECT_EQ(reg.AddPaiement(CPaiement("Avoir", 0, 1, 1)), 0);
}

}  // namespace
}  // namespace belvane
