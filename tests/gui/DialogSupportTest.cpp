#include "gui/support/CDateEdit.h"

#include "core/CBelvaneDoc.h"
#include "core/Clock.h"
#include "core/DayDate.h"

#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace belvane {
namespace {

// Completing a date on its past side and rewriting it on leaving are seen
// through the statement dialog's field (ReleveDlgTest).
TEST(DateEditTest, LeavingKeepsOtherTextAndTheFutureSideCompletes) {
    FixedClock clock({2026, 12, 6});
    CBelvaneDoc doc(nullptr, clock);
    QWidget form;
    auto* date = new CDateEdit(doc, false, 1023, &form);
    auto* other = new QLineEdit(&form);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    EXPECT_EQ(date->objectName(), "1023");
    EXPECT_EQ(date->maxLength(), 11) << "15.01.2026, and one more";
    date->setFocus();
    QTest::keyClicks(date, "zz");
    other->setFocus();
    EXPECT_EQ(date->text(), "zz");
    EXPECT_EQ(date->Value(), 0);

    date->setText("9");
    EXPECT_EQ(date->Rewrite(), ToDayDate(2026, 12, 9));
    EXPECT_EQ(date->text(), "09.12.26");
}

// A dialog closing with the focus in a date field must not run its "field
// left" handlers: by then the dialog's own part is already destroyed.
TEST(DateEditTest, ClosingTheDialogIsNotLeavingTheField) {
    static int leftAfterDestruction = 0;
    struct Dialog : QDialog {
        explicit Dialog(const CBelvaneDoc& doc) {
            date = new CDateEdit(doc, true, 1024, this);
            new QLineEdit(this);
            connect(date, &CDateEdit::left, this, [this] { leftAfterDestruction += destroyed; });
        }
        ~Dialog() override { destroyed = 1; }
        CDateEdit* date;
        int destroyed = 0;
    };
    CBelvaneDoc doc;
    auto* dialog = new Dialog(doc);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    dialog->activateWindow();
    dialog->date->setFocus();
    QTest::keyClicks(dialog->date, "12");
    delete dialog;
    EXPECT_EQ(leftAfterDestruction, 0);
}

}  // namespace
}  // namespace belvane
