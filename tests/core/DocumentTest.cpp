#include "FileBuilder.h"
#include "RecordBuilders.h"
#include "core/CBelvaneDoc.h"
#include "core/DayDate.h"
#include "core/IDocObserver.h"
#include "core/LineText.h"
#include "core/RegisterFile.h"
#include "core/SettingsStore.h"
#include "core/Text.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace belvane {
namespace {

CLigne Line(CivilDate issue, Amount amount, std::string observation = {},
            std::string beneficiaire = {}) {
    return testutil::MakeLine(ToDayDate(issue), 0, 0, amount, "", "", "", "", beneficiaire,
                              observation);
}

struct RecordingObserver : IDocObserver {
    std::vector<DayDate> statementModes;
    std::vector<bool> backupFlags;
    int resets = 0;
    void OnStatementMode(DayDate d) override { statementModes.push_back(d); }
    void OnBackupFlag(bool on) override { backupFlags.push_back(on); }
    void OnResetDisplay() override { ++resets; }
};

class DocumentTest : public ::testing::Test {
protected:
    FixedClock clock{{2009, 3, 10}};
    CBelvaneDoc doc{nullptr, clock};

    // Observations of the lines in store order.
    std::vector<std::string> Observations() const {
        std::vector<std::string> out;
        for (const CLigne& l : doc.Lines())
            out.push_back(l.m_observation);
        return out;
    }
    void AddNumbered(int count) {
        for (int i = 0; i < count; ++i)
            doc.AddLine(Line({2009, 1, 1 + i}, 100 * i, "L" + std::to_string(i)));
    }
};

TEST_F(DocumentTest, NewRegisterDefaults) {
    // Its display settings are those of a new register file (its golden bytes).
    EXPECT_EQ(doc.SaveToBytes(), WriteRegister(CRegistre()));
    EXPECT_EQ(doc.GetColor(true, 2), 0xFF0000u);  // what the text style numbers pick
    EXPECT_EQ(doc.GetStatementDate(), ToDayDate(2009, 3, 10));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "Sans-Nom");
    // Its decimal symbol and date pattern show in the formatted lines below.
}

TEST_F(DocumentTest, SettingsCopiesComeFromTheStore) {
    CMemorySettings settings;
    settings.WriteString("Settings", "DecimalSymbol", ".");
    settings.WriteString("Settings", "DateFormat", "%m/%d/%y");
    CBelvaneDoc other(&settings, clock);
    EXPECT_EQ(other.Format().FormatAmount(-150, true, 0), "-1.50");
    EXPECT_EQ(other.Format().FormatDate(ToDayDate(2009, 12, 5)), "12/05/09");
    EXPECT_EQ(other.Format().ParseDate("12/5"), ToDayDate(2008, 12, 5));
}

// Each change is undone by Undo, and the next Undo makes it again; an Undo
// after a save marks the register modified again. A line added or moved to the
// date of another goes after it.
TEST_F(DocumentTest, UndoTogglesEachKindOfChange) {
    const auto moved = [](CBelvaneDoc& d) {
        CLigne l = d.GetLine(1);
        l.m_dateEmission = ToDayDate(2009, 1, 3);  // after L2, the other line of 3 January
        l.m_observation = "moved";
        EXPECT_EQ(d.ReplaceLine(1, l), 2);
    };
    const auto inPlace = [](CBelvaneDoc& d) {
        CLigne l = d.GetLine(1);
        l.m_observation = "in place";
        EXPECT_EQ(d.ReplaceLine(1, l), 1);
    };
    using After = std::vector<std::string>;  // the observations of the lines after the change
    const std::tuple<const char*, std::function<void(CBelvaneDoc&)>, After> cases[] = {
        {"delete", [](CBelvaneDoc& d) { d.DeleteLine(2); }, {"L0", "L1", "L3"}},
        {"correction that moves the line", moved, {"L0", "L2", "moved", "L3"}},
        {"correction in place", inPlace, {"L0", "in place", "L2", "L3"}},
        {"add",
         [](CBelvaneDoc& d) {
             EXPECT_EQ(d.AddLine(Line({2009, 1, 2}, 5, "new")), 2);
         },
         {"L0", "L1", "new", "L2", "L3"}},
        {"statement stamp",
         [](CBelvaneDoc& d) { d.SetLineStatement(3, ToDayDate(2009, 2, 28)); },
         {"L0", "L1", "L2", "L3 28.02.09"}},
        {"statement import: stamps and new lines at once",
         [](CBelvaneDoc& d) {
             const int stamped[] = {1, 3};
             d.StampAndAddLines(stamped, ToDayDate(2009, 2, 28),
                                {Line({2009, 1, 2}, 5, "new A"), Line({2009, 1, 1}, 6, "new B")});
         },
         {"L0", "new B", "L1 28.02.09", "new A", "L2", "L3 28.02.09"}},
    };
    const auto lines = [this] {
        std::vector<std::string> out = Observations();
        for (int i = 0; i < doc.GetLineCount(); ++i)
            if (doc.GetLine(i).m_dateReleve != 0)
                out[i] += " " + doc.Format().FormatDate(doc.GetLine(i).m_dateReleve);
        return out;
    };
    EXPECT_FALSE(doc.Undo());  // nothing to undo, nothing marked
    EXPECT_FALSE(doc.IsModified());
    for (const auto& [what, change, after] : cases) {
        SCOPED_TRACE(what);
        doc.OnNewDocument();
        AddNumbered(4);
        const std::vector<std::string> before = lines();
        change(doc);
        EXPECT_EQ(lines(), after);
        doc.SetModifiedFlag(false);  // as a save does
        ASSERT_TRUE(doc.Undo());
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(lines(), before);
        ASSERT_TRUE(doc.Undo());
        EXPECT_EQ(lines(), after);
    }
}

// Marked once however often it is set; the name itself never carries the mark.
TEST_F(DocumentTest, ModifiedMarkInTheTitle) {
    for (const std::string name : {"compte.blv", "a *b.blv"}) {
        doc.SetTitle(name);
        doc.SetModifiedFlag(true);
        doc.SetModifiedFlag(true);
        EXPECT_EQ(doc.GetShownTitle(), name + " *");
        EXPECT_EQ(doc.GetTitle(), name);
        doc.SetModifiedFlag(false);
        EXPECT_EQ(doc.GetShownTitle(), name);
    }
}

TEST_F(DocumentTest, CategoryLookups) {
    doc.InsertRubrique(0, testutil::MakeRubrique("Alimentation", 0, {{"Marché", 0}}));
    EXPECT_EQ(doc.GetSousRubriqueCount("alimentation"), 1);
    EXPECT_EQ(doc.GetSousRubriqueCount("Loisirs"), 0);
    EXPECT_EQ(doc.GetSousRubriqueName("Alimentation", 0), "Marché");
    EXPECT_EQ(doc.GetSousRubriqueName("Loisirs", 0), "");  // no such category
    EXPECT_EQ(doc.GetSousRubriqueName("Alimentation", 1), "");
}

TEST_F(DocumentTest, LinesAndTitlesCountCharactersOfAccentedTexts) {
    doc.SetDisplay({kColDateEmission, kColDateReleve, kColBeneficiaire, kColCredit, kColDebit,
                    kColObservation},
                   {16, 32, 32, 32, 20, 8}, doc.GetFont(), doc.GetColors());
    doc.AddLine(Line({2009, 1, 25}, 0, "Très très longue observation", "Crédit Agricole"));
    doc.AddLine(Line({2009, 1, 26}, -50, "ok", "Boulangerie Martin"));
    const std::string la = FormatLine(doc, 0);
    const std::string lb = FormatLine(doc, 1);
    const std::string blank8(8, ' '), blank12(12, ' ');
    EXPECT_EQ(la, " 25.01.09  " + blank8 + "  Crédit Agricole       " + "       +0,00  " + blank12 +
                      "  Très trè  ");
    EXPECT_EQ(lb, " 26.01.09  " + blank8 + "  Boulangerie Martin    " + blank12 + "  " +
                      "       -0,50  ok        ");
    EXPECT_EQ(static_cast<int>(belvane::text::Length(la)), LineWidth(doc));
    EXPECT_EQ(static_cast<int>(belvane::text::Length(lb)), LineWidth(doc));

    doc.SetDisplay({kColDateEmission, kColCredit, kColReference}, {4, 32, 32, 32, 32, 128},
                   doc.GetFont(), doc.GetColors());
    EXPECT_EQ(FormatHeader(doc), " Date em.  Crédit        Réfé  ");
    EXPECT_EQ(FormatTitles(doc, RowColumns(doc, true)),
              " Date em.  Crédit        Référence         ");
}

// Regression: display settings a file cannot hold were accepted, saved, and the
// register then refused at the next open.
TEST_F(DocumentTest, DisplaySettingsStayWithinWhatAFileHolds) {
    doc.SetDisplay({0, 12, 5, 200}, {-5, 32, 5000, 32, 32, 128}, doc.GetFont(), doc.GetColors());
    EXPECT_EQ(doc.GetColumns(), (std::vector<std::uint8_t>{0, 5}));
    EXPECT_EQ(doc.GetWidths()[0], 0);
    EXPECT_EQ(doc.GetWidths()[2], CRegistre::kMaxWidth);
    const std::string bytes = doc.SaveToBytes();
    CBelvaneDoc other(nullptr, clock);
    EXPECT_TRUE(other.LoadFromBytes(testutil::AsBytes(bytes)).status.ok());
}

TEST_F(DocumentTest, ToggleBackupMarksModifiedAndTellsViews) {
    RecordingObserver obs;
    doc.AddObserver(&obs);
    doc.ToggleBackup();
    EXPECT_TRUE(doc.GetBackup());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(obs.backupFlags, (std::vector<bool>{true}));
    doc.OnNewDocument();
    EXPECT_FALSE(doc.GetBackup());
    EXPECT_EQ(obs.resets, 1);
    EXPECT_EQ(obs.statementModes.back(), 0);
    doc.RemoveObserver(&obs);
}

}  // namespace
}  // namespace belvane
