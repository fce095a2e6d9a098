// The recurring movement dialogs' wiring; the rules behind them are tested
// Qt-free with the movement entry checks and the generation.
#include "DialogTestSupport.h"
#include "RecordBuilders.h"
#include "gui/dialogs/lines/CLigneDlg.h"
#include "gui/dialogs/movements/CCreationManuelleDlg.h"
#include "gui/dialogs/movements/CMouvementDlg.h"
#include "gui/dialogs/movements/CMouvementsDlg.h"
#include "gui/support/CResources.h"

#include <QLabel>

#include <tuple>

namespace belvane {
namespace {

using testing::Click;
using testing::Edit;
using testing::Items;
using testing::ScriptedMessageBox;

CMouvementAuto Movement(std::string titre) {
    return testutil::MakeMouvement(std::move(titre), {2026, 4, 1}, 1, 1, 250000);
}

class MovementDialogs : public ::testing::Test {
protected:
    QString LastMessage() const { return box.shown.empty() ? QString() : box.shown.back().text; }

    CBelvaneDoc doc;
    ScriptedMessageBox box;
};

TEST_F(MovementDialogs, EntryRefusesInOrderThenStoresTheAlignedMovement) {
    CMouvementAuto m;
    CMouvementDlg d(doc, m, CMouvementDlg::kNew);
    // Every field typed wrong, then put right in the order of the checks.
    const std::tuple<const char*, const char*, int, const char*> fields[] = {
        {"1118", "   ", 10014, "Loyer"},
        {"1023", "31.02.26", 10013, "15.12.08"},
        {"1119", "3x", 10015, "1"},
        {"1239", "32", 10031, "10"},
        {"1026", "1 234,5x", 10121, "1 234,56"}};
    for (const auto& [field, wrong, refusal, right] : fields)
        Edit(d, field)->setText(wrong);
    for (const auto& [field, wrong, refusal, right] : fields) {
        Click(d, "1038");
        EXPECT_EQ(LastMessage(), CResources::Str(refusal)) << field;
        EXPECT_TRUE(m.m_titre.empty()) << "nothing stored before every check passed";
        Edit(d, field)->setText(right);
    }
    Click(d, "1038");
    EXPECT_EQ(m.m_titre, "Loyer");
    EXPECT_EQ(m.m_montant, -123456);

    CMouvementAuto salaire = Movement("Salaire");
    CMouvementDlg c(doc, salaire, CMouvementDlg::kCorrection);
    EXPECT_EQ(c.windowTitle(), CResources::Str(10060));
    EXPECT_EQ(Edit(c, "1023")->text(), "01.04.26");
    EXPECT_EQ(Edit(c, "1026")->text(), "2500,00");
    EXPECT_EQ(testing::Child<QLabel>(c, "1040")->text(), CResources::Str(10054));
    // A sign typed chooses "Débit" and its label.
    Edit(c, "1026")->setText("-50.5");
    Click(c, "1038");
    EXPECT_EQ(salaire.m_montant, -5050);
    EXPECT_EQ(testing::Child<QLabel>(c, "1040")->text(), CResources::Str(10055));
}

// The list with a scripted entry dialog: a new movement is "Neuf"; a modified
// one is renamed "A..." when the script accepts.
struct ScriptedList : CMouvementsDlg {
    using CMouvementsDlg::CMouvementsDlg;
    bool accept = true;
    bool EditMouvement(CMouvementAuto& m, bool nouveau) override {
        if (accept)
            m = Movement(nouveau ? "Neuf" : "A" + m.m_titre);
        return accept;
    }
};

TEST_F(MovementDialogs, ListKeepsTitleOrderThroughEveryButton) {
    ScriptedList d(doc);
    doc.AddMouvement(Movement("Loyer"));
    Click(d, "1062");
    EXPECT_EQ(Items(d, "1117"), (QStringList{"Loyer", "Neuf"}));

    testing::Child<QListWidget>(d, "1117")->setCurrentRow(1);
    d.accept = false;
    Click(d, "1063");
    EXPECT_EQ(Items(d, "1117"), (QStringList{"Loyer", "Neuf"})) << "cancelled: put back unchanged";
    d.accept = true;
    Click(d, "1063");
    EXPECT_EQ(Items(d, "1117"), (QStringList{"ANeuf", "Loyer"})) << "renamed: moved up";

    box.Answer(IMessageBox::Answer::No);
    Click(d, "1064");
    EXPECT_EQ(LastMessage(), CResources::Str(10023));
    EXPECT_EQ(doc.GetMouvementCount(), 2);
    box.Answer(IMessageBox::Answer::Yes);
    Click(d, "1064");
    EXPECT_EQ(Items(d, "1117"), QStringList{"ANeuf"});
}

TEST_F(MovementDialogs, ManualCreationHandsTheLineOverAndLeavesTheMovement) {
    doc.AddMouvement(Movement("Salaire"));
    std::vector<CLigne> added;
    CCreationManuelleDlg d(doc, [&](const CLigne& l) { added.push_back(l); });
    testing::ScriptedModal modal;
    modal.On<CLigneDlg>([&](CLigneDlg& l) {
        EXPECT_FALSE(testing::Child<QPushButton>(l, "1120")->isEnabled()) << "no revoking by hand";
        Click(l, "1124");
        return l.result();
    });
    Click(d, "1");
    EXPECT_TRUE(added.empty()) << "nothing selected";
    testing::Child<QListWidget>(d, "1117")->setCurrentRow(0);
    Click(d, "1");
    Click(d, "1");
    ASSERT_EQ(added.size(), 2u);
    EXPECT_EQ(added[0].m_dateEmission, ToDayDate(2026, 4, 1));
    EXPECT_EQ(doc.GetMouvement(0).GetProchaineDate(), ToDayDate(2026, 4, 1));
    EXPECT_EQ(doc.GetLineCount(), 0) << "the caller adds the lines";
}

}  // namespace
}  // namespace belvane
