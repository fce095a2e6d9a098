#include "maintenance/NewYear.h"

#include "RecordBuilders.h"
#include "core/CBelvaneDoc.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace belvane {
namespace {

CLigne Line(Amount amount, std::string rubrique = {}, std::string sousRubrique = {}) {
    const DayDate d = ToDayDate(2024, 6, 1);
    return testutil::MakeLine(d, d, d, amount, "12", "CB", rubrique, sousRubrique, "Régie",
                              "ancienne");
}

// Account 1000; Maison 50 (Loyer 5, Eau 7), Loisirs -20, Cadeaux 0.
void Fill(CBelvaneDoc& doc) {
    doc.SetMontantInitial(1000);
    doc.InsertRubrique(0, testutil::MakeRubrique("Maison", 50, {{"Loyer", 5}, {"Eau", 7}}));
    doc.InsertRubrique(1, CRubrique("Loisirs", -20));
    doc.InsertRubrique(2, CRubrique("Cadeaux", 0));
    for (const CLigne& l :
         {Line(10000, "Cadeaux"), Line(-3000, "CADEAUX"), Line(-300, "maison", "LOYER"),
          Line(-40, "Maison", "Eau"), Line(25, "Maison"), Line(250, "Loisirs"),
          Line(-250, "Loisirs"), Line(-60, "Inconnue", "Loyer"), Line(80)})
        doc.AddLine(l);
}

std::vector<Amount> InitialOf(const CBelvaneDoc& doc) {
    const CRubrique& maison = doc.GetRubrique(0);
    return {doc.GetMontantInitial(),
            maison.GetMontantInitial(),
            maison.GetMontantInitialSousRubrique(0),
            maison.GetMontantInitialSousRubrique(1),
            doc.GetRubrique(1).GetMontantInitial(),
            doc.GetRubrique(2).GetMontantInitial()};
}

// Each method, the initial amounts afterwards (account, Maison, Loyer, Eau,
// Loisirs, Cadeaux) and the lines generated ("amount category[/subcategory]; ").
TEST(NewYear, EachMethodCarriesTheOldYear) {
    const std::tuple<int, std::vector<Amount>, const char*> cases[] = {
        {kEraseOnly, {1000, 50, 5, 7, -20, 0}, ""},
        {kCarryIntoInitial, {7705, -265, -295, -33, -20, 7000}, ""},
        // +10000 and -3000 in Cadeaux give one line of +7000; Loisirs sums to 0.
        {kLinePerCategory, {1020, 50, -295, -33, -20, 0}, "7000 Cadeaux; -315 Maison; "},
        {kLinePerSubcategory,
         {1020, 50, 5, 7, -20, 0},
         "7000 Cadeaux; 25 Maison; -40 Maison/Eau; -300 Maison/Loyer; "},
        // The line without category comes first.
        {kEverythingInLines,
         {1000, 50, 5, 7, -20, 0},
         "20 ; 7000 Cadeaux; 25 Maison; -40 Maison/Eau; -300 Maison/Loyer; "},
        {kCategoryLinesResetInitial, {0, 0, 0, 0, 0, 0}, "7000 Cadeaux; -315 Maison; "},
    };
    const DayDate date = ToDayDate(2025, 1, 1);
    FixedClock clock{{2024, 12, 31}};
    for (const auto& [method, initial, generated] : cases) {
        SCOPED_TRACE(method);
        CBelvaneDoc doc{nullptr, clock};
        Fill(doc);
        doc.SetPathName("/tmp/ancien.blv");
        doc.SetStatementMode(true, ToDayDate(2024, 6, 30));
        doc.SetModifiedFlag(false);
        ASSERT_TRUE(StartNewYear(doc, method, date, "Report 2024"));
        EXPECT_EQ(InitialOf(doc), initial);
        std::string lines;
        for (const CLigne& l : doc.Lines()) {
            lines += std::to_string(l.m_montant) + " " + l.m_rubrique +
                     (l.m_sousRubrique.empty() ? "" : "/" + l.m_sousRubrique) + "; ";
            EXPECT_EQ(l, testutil::MakeLine(date, date, date, l.m_montant, "", "", l.m_rubrique,
                                            l.m_sousRubrique, "", "Report 2024"));
        }
        EXPECT_EQ(lines, generated);
        EXPECT_TRUE(doc.GetPathName().empty());
        EXPECT_EQ(doc.GetShownTitle(), "Sans-Nom *");
        EXPECT_TRUE(doc.IsModified());
        EXPECT_FALSE(doc.IsStatementMode());
        EXPECT_EQ(doc.GetStatementDate(), ToDayDate(2024, 12, 31));
        EXPECT_EQ(doc.GetRubriqueCount(), 3) << "the lists stay";
    }
}

TEST(NewYear, ACarriedTotalThatWouldNotFitChangesNothing) {
    constexpr Amount kMax = std::numeric_limits<Amount>::max();
    // The method, the account's initial amount and each of two lines in Cadeaux.
    const std::tuple<int, Amount, Amount> cases[] = {
        {kCarryIntoInitial, kMax - 10, 10},             // the account's initial amount
        {kCategoryLinesResetInitial, 0, kMax / 2 + 1},  // the generated line
        {kEraseOnly, kMax, kMax / 2 + 1},               // nothing carried: accepted
    };
    for (const auto& [method, accountInitial, eachGift] : cases) {
        SCOPED_TRACE(method);
        CBelvaneDoc doc;
        doc.SetMontantInitial(accountInitial);
        doc.InsertRubrique(0, CRubrique("Cadeaux", 0));
        doc.AddLine(Line(eachGift, "Cadeaux"));
        doc.AddLine(Line(eachGift, "Cadeaux"));
        doc.SetPathName("/tmp/ancien.blv");
        const std::string before = doc.SaveToBytes();
        const bool accepted = method == kEraseOnly;
        EXPECT_EQ(StartNewYear(doc, method, ToDayDate(2025, 1, 1), "x"), accepted);
        EXPECT_EQ(doc.SaveToBytes() == before, !accepted);
        EXPECT_EQ(doc.GetPathName().empty(), accepted);
    }
}

}  // namespace
}  // namespace belvane
