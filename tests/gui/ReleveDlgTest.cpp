#include "gui/dialogs/lines/CReleveDlg.h"

#include "FrameTestSupport.h"
#include "core/CBelvaneDoc.h"
#include "core/Clock.h"
#include "core/DayDate.h"
#include "gui/support/CDateEdit.h"

#include "gui/window/LineCommands.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace belvane {
namespace {

using testing::ScriptedMessageBox;

class ReleveDlgTest : public ::testing::Test {
protected:
    void TearDown() override { CReleveDlg::SetRunner({}); }

    // Types `text` in the date field of `d`, leaves it, and returns what it shows.
    static QString TypeAndLeave(CReleveDlg& d, const QString& text) {
        d.DateField()->setFocus();
        d.DateField()->selectAll();
        QTest::keyClicks(d.DateField(), text);
        d.findChild<QPushButton*>("2")->setFocus();
        return d.DateField()->text();
    }

    FixedClock clock{{2009, 3, 10}};
    CBelvaneDoc doc{nullptr, clock};
    ScriptedMessageBox box;
};

TEST_F(ReleveDlgTest, StatementDateCompletesFromThePastAndRefusesNonDates) {
    CReleveDlg d(doc, CReleveDlg::kStatement, ToDayDate(2009, 2, 28));
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Passage en Mode Relevé"));
    EXPECT_EQ(d.findChild<QLabel*>("1127")->text(), QString::fromUtf8("&Date du relevé:"));
    EXPECT_EQ(d.DateField()->text(), "28.02.09");
    EXPECT_EQ(d.DateField()->maxLength(), 8);

    EXPECT_EQ(TypeAndLeave(d, "15"), "15.02.09");
    TypeAndLeave(d, "32");
    d.findChild<QPushButton*>("1")->click();
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, QString::fromUtf8("Cette date de relevé n'est pas valide."));
    EXPECT_EQ(box.shown[0].icon, IMessageBox::Icon::Warning);
    EXPECT_TRUE(d.isVisible());
    TypeAndLeave(d, ".");
    d.findChild<QPushButton*>("1")->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.Date(), ToDayDate(2009, 3, 10));
}

TEST_F(ReleveDlgTest, AnticipationLooksAheadWithItsOwnTexts) {
    CReleveDlg d(doc, CReleveDlg::kAnticipation, 0);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Anticipation de mouvements"));
    EXPECT_EQ(d.findChild<QLabel*>("1127")->text(), QString::fromUtf8("Anticiper jusqu'au:"));
    EXPECT_TRUE(d.DateField()->text().isEmpty());
    EXPECT_EQ(TypeAndLeave(d, "15"), "15.03.09") << "from today on";
    TypeAndLeave(d, "1.2.36");
    d.accept();
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, QString::fromUtf8("La date entrée n'est pas valide."));
    EXPECT_TRUE(d.isVisible());
}

TEST_F(ReleveDlgTest, TheCommandProposesTheLastDateUntilTheNextRegister) {
    std::vector<QString> proposed;
    QString typed;
    CReleveDlg::SetRunner([&](CReleveDlg& d) {
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
    ToggleStatementMode(doc, nullptr);  // leaving the mode asks nothing
    EXPECT_FALSE(doc.IsStatementMode());
    ToggleStatementMode(doc, nullptr);
    doc.OnNewDocument();
    EXPECT_FALSE(doc.IsStatementMode());
    ToggleStatementMode(doc, nullptr);
    EXPECT_EQ(proposed, (std::vector<QString>{"10.03.09", "10.03.09", "28.02.09", "10.03.09"}));
}

}  // namespace
}  // namespace belvane
