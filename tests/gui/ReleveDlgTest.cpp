#include "gui/dialogs/lines/CReleveDlg.h"

#include "DialogTestSupport.h"
#include "gui/support/CDateEdit.h"
#include "gui/window/LineCommands.h"

#include <QLabel>

namespace belvane {
namespace {

// The date rules are the date field's; here each kind shows its texts, completes
// the typed day on its side of today, and refuses a date that does not read.
TEST(ReleveDlgTest, EachKindCompletesOnItsSideOfTodayAndRefusesNonDates) {
    FixedClock clock{{2009, 3, 10}};
    CBelvaneDoc doc{nullptr, clock};
    const struct {
        CReleveDlg::Mode mode;
        DayDate opened;
        const char *title, *label, *completed, *refusal;
    } kinds[] = {{CReleveDlg::kStatement, ToDayDate(2009, 2, 28), "Passage en Mode Relevé",
                  "&Date du relevé:", "15.02.09", "Cette date de relevé n'est pas valide."},
                 {CReleveDlg::kAnticipation, 0, "Anticipation de mouvements",
                  "Anticiper jusqu'au:", "15.03.09", "La date entrée n'est pas valide."}};
    for (const auto& k : kinds) {
        testing::ScriptedMessageBox box;
        CReleveDlg d(doc, k.mode, k.opened);
        testing::ShowAndWait(d);
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8(k.title));
        EXPECT_EQ(testing::Child<QLabel>(d, "1127")->text(), QString::fromUtf8(k.label));
        EXPECT_EQ(d.DateField()->text(), QString::fromUtf8(k.opened ? "28.02.09" : ""));
        for (const char* typed : {"15", "32"}) {
            d.DateField()->setFocus();
            d.DateField()->selectAll();
            QTest::keyClicks(d.DateField(), typed);
            testing::Child<QPushButton>(d, "2")->setFocus();
            if (typed[0] == '1') {
                EXPECT_EQ(d.DateField()->text(), k.completed);
            }
        }
        testing::Click(d, "1");
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(box.shown[0].text, QString::fromUtf8(k.refusal));
        EXPECT_TRUE(d.isVisible());
        d.DateField()->setText(".");
        testing::Click(d, "1");
        EXPECT_EQ(d.Date(), ToDayDate(2009, 3, 10));
    }
}

TEST(ReleveDlgTest, TheCommandProposesTheLastDateUntilTheNextRegister) {
    FixedClock clock{{2009, 3, 10}};
    CBelvaneDoc doc{nullptr, clock};
    std::vector<QString> proposed;
    QString typed;
    testing::ScriptedModal modal;
    modal.On<CReleveDlg>([&](CReleveDlg& d) {
        proposed.push_back(d.DateField()->text());
        d.DateField()->setText(typed);
        typed.isEmpty() ? d.reject() : d.accept();
        return d.result();
    });
    ToggleStatementMode(doc, nullptr);  // cancelled: nothing changes
    EXPECT_FALSE(doc.IsStatementMode());
    typed = "28.2";
    ToggleStatementMode(doc, nullptr);
    EXPECT_EQ(doc.GetStatementDate(), ToDayDate(2009, 2, 28));
    ToggleStatementMode(doc, nullptr);  // leaving the mode
    ToggleStatementMode(doc, nullptr);
    doc.OnNewDocument();
    ToggleStatementMode(doc, nullptr);
    EXPECT_EQ(proposed, (std::vector<QString>{"10.03.09", "10.03.09", "28.02.09", "10.03.09"}));
}

}  // namespace
}  // namespace belvane
