#include "maintenance/Purge.h"
#include "maintenance/PurgeSession.h"

#include "RecordBuilders.h"
#include "ScratchDir.h"
#include "core/CBelvaneDoc.h"
#include "rules/Balances.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace belvane {
namespace {

DayDate Day(int d) {
    return ToDayDate(2024, 3, d);
}

CLigne Line(int issue, int statement, Amount amount, std::string rubrique = {},
            std::string sousRubrique = {}) {
    return testutil::MakeLine(Day(issue), statement ? Day(statement) : 0, Day(issue + 2), amount,
                              "r", "CB", rubrique, sousRubrique, "",
                              "obs " + std::to_string(amount));
}

// Categories "Maison" (subcategories "Loyer", "Eau") and "Loisirs"; lines of
// every kind: in another letter case, unknown names, open, and closed after
// the limit of the 10th.
void Fill(CBelvaneDoc& doc) {
    doc.SetMontantInitial(1000);
    doc.InsertRubrique(0, testutil::MakeRubrique("Maison", 50, {{"Loyer", 5}, {"Eau", 7}}));
    doc.InsertRubrique(1, CRubrique("Loisirs", -20));
    for (const CLigne& l :
         {Line(1, 3, -300, "maison", "LOYER"), Line(2, 0, -40, "Maison", "Eau"),
          Line(3, 4, 250, "Loisirs"), Line(5, 6, -60, "Inconnue", "Loyer"), Line(6, 7, 80),
          Line(8, 0, -15, "Loisirs"), Line(10, 12, -25, "Maison", "Gaz"),
          Line(11, 12, -99, "Maison", "Loyer"), Line(12, 0, 33)})
        doc.AddLine(l);
}

class PurgeTest : public testing::Test {
protected:
    void SetUp() override { Fill(doc); }

    FixedClock clock{{2024, 4, 1}};
    CBelvaneDoc doc{nullptr, clock};
    CBelvaneDoc archive{nullptr, clock};
    testutil::ScratchDir dir;
};

TEST_F(PurgeTest, SearchRunsOnFromEveryStartAndWraps) {
    // Candidates up to the 10th: lines 0, 2, 3, 4 and 6 (line 7 is closed but
    // issued after the limit).
    const DayDate limit = Day(10);
    const int expected[] = {0, 2, 2, 3, 4, 6, 6, 0, 0, 0};  // from current -1 to 8
    for (int current = -1; current < doc.GetLineCount(); ++current)
        EXPECT_EQ(NextPurgeCandidate(doc, current, limit), expected[current + 1]) << current;
    EXPECT_EQ(NextPurgeCandidate(doc, 0, Day(2)), 0) << "the only one is offered again";
    EXPECT_EQ(NextPurgeCandidate(doc, -1, Day(1) - 1), -1);
    EXPECT_EQ(DefaultPurgeLimit(doc), Day(12));
    EXPECT_EQ(DefaultPurgeLimit(archive), ToDayDate(2024, 4, 1));
}

TEST_F(PurgeTest, PurgingEveryCandidateKeepsEveryTotalAndArchivesExactlyThoseLines) {
    const DayDate today = ToDayDate(2024, 4, 1);
    const Balances balances = ComputeBalances(doc, 0, 0, today);
    std::vector<CLigne> expectedArchive, expectedKept;
    for (const CLigne& l : doc.Lines())
        (IsPurgeCandidate(l, Day(10)) ? expectedArchive : expectedKept).push_back(l);
    ASSERT_EQ(expectedArchive.size(), 5u);

    ASSERT_EQ(PurgeUpTo(doc, Day(10), archive), 5);
    EXPECT_EQ(ComputeBalances(doc, 0, 0, today), balances);
    EXPECT_EQ(std::vector<CLigne>(doc.Lines().begin(), doc.Lines().end()), expectedKept);
    EXPECT_EQ(std::vector<CLigne>(archive.Lines().begin(), archive.Lines().end()), expectedArchive);
    // The moved amounts are carried into the initial amounts, so that every total
    // stays: "maison"/"LOYER" reached Maison and Loyer; "Inconnue" only the account.
    EXPECT_EQ(doc.GetMontantInitial(), 1000 - 300 + 250 - 60 + 80 - 25);
    EXPECT_EQ(doc.GetRubrique(0).GetMontantInitial(), 50 - 300 - 25);
    EXPECT_EQ(doc.GetRubrique(0).GetMontantInitialSousRubrique(0), 5 - 300);
    EXPECT_EQ(doc.GetRubrique(0).GetMontantInitialSousRubrique(1), 7);
    EXPECT_EQ(doc.GetRubrique(1).GetMontantInitial(), -20 + 250);
    EXPECT_TRUE(archive.IsModified());
    EXPECT_EQ(archive.GetRubriqueCount(), 0);
}

TEST_F(PurgeTest, OnePassGivesWhatMovingOneCandidateAtATimeGives) {
    CBelvaneDoc other{nullptr, clock};
    Fill(other);
    CBelvaneDoc otherArchive{nullptr, clock};
    // The archive already holds lines of the same dates: newcomers go after them.
    for (CBelvaneDoc* a : {&archive, &otherArchive}) {
        a->AddLine(Line(3, 3, 1));
        a->AddLine(Line(20, 21, 2));
    }
    ASSERT_TRUE(PurgeUpTo(doc, Day(10), archive).has_value());
    for (int i = NextPurgeCandidate(other, -1, Day(10)); i >= 0;
         i = NextPurgeCandidate(other, i - 1, Day(10)))
        ASSERT_TRUE(PurgeLine(other, i, otherArchive));
    EXPECT_EQ(doc.SaveToBytes(), other.SaveToBytes());
    EXPECT_EQ(archive.SaveToBytes(), otherArchive.SaveToBytes());
}

TEST_F(PurgeTest, ACarriedAmountThatWouldNotFitChangesNothing) {
    doc.SetMontantInitialRubrique(1, std::numeric_limits<Amount>::max() - 100);
    doc.SetModifiedFlag(false);
    const std::string before = doc.SaveToBytes();
    EXPECT_FALSE(PurgeLine(doc, 2, archive));  // +250 into Loisirs
    EXPECT_FALSE(PurgeUpTo(doc, Day(10), archive).has_value());
    EXPECT_EQ(doc.SaveToBytes(), before);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(archive.GetLineCount(), 0);
    EXPECT_TRUE(PurgeLine(doc, 0, archive)) << "a debit still fits";
}

TEST_F(PurgeTest, TheArchiveIsWrittenFirstAndAFailedSavePutsBackOrKeepsEveryLine) {
    const std::string reg = dir.File("compte.blv");
    ASSERT_TRUE(doc.OnSaveDocument(reg).ok());
    const std::string onDisk = testutil::ReadFile(reg);
    // The archive, the register's path, the end and the lines in the archive file
    // afterwards (-1 for no file).
    const std::tuple<std::string, std::string, PurgeOutcome::End, int> cases[] = {
        {dir.File("none/archive.blv"), reg, PurgeOutcome::End::ArchiveNotSaved, -1},
        {dir.File("a1.blv"), dir.File("gone/compte.blv"), PurgeOutcome::End::RegisterNotSaved, 5},
        {dir.File("a2.blv"), reg, PurgeOutcome::End::Done, 5},
    };
    for (const auto& [archivePath, registerPath, end, archived] : cases) {
        SCOPED_TRACE(archivePath);
        CBelvaneDoc d{nullptr, clock};
        ASSERT_TRUE(d.OnOpenDocument(reg).status.ok());
        d.SetPathName(registerPath);
        const std::string before = d.SaveToBytes();
        const PurgeOutcome out = PurgeAndSave(d, archivePath, Day(10));
        EXPECT_EQ(out.end, end);
        EXPECT_EQ(out.status.ok(), end == PurgeOutcome::End::Done);
        CBelvaneDoc saved{nullptr, clock};
        EXPECT_EQ(saved.OnOpenDocument(archivePath).status.ok() ? saved.GetLineCount() : -1,
                  archived);
        if (end == PurgeOutcome::End::ArchiveNotSaved) {
            EXPECT_EQ(d.SaveToBytes(), before) << "put back as it was";
            EXPECT_FALSE(d.IsModified());
        } else {
            EXPECT_EQ(d.GetLineCount(), 4);
            EXPECT_EQ(d.IsModified(), end != PurgeOutcome::End::Done);
        }
        EXPECT_EQ(testutil::ReadFile(reg) == onDisk, end != PurgeOutcome::End::Done);
    }
    // An existing archive is added to; it is not the register in any spelling.
    CBelvaneDoc again{nullptr, clock};
    ASSERT_TRUE(again.OnOpenDocument(reg).status.ok());
    again.AddLine(Line(1, 2, 7));
    EXPECT_EQ(PurgeAndSave(again, dir.File("a2.blv"), Day(10)).moved, 1);
    CBelvaneDoc a2{nullptr, clock};
    ASSERT_TRUE(a2.OnOpenDocument(dir.File("a2.blv")).status.ok());
    EXPECT_EQ(a2.GetLineCount(), 6);
    EXPECT_EQ(PurgeAndSave(again, dir.File("./compte.blv"), Day(10)).end,
              PurgeOutcome::End::SameFile);
}

}  // namespace
}  // namespace belvane
