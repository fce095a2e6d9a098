#include "gui/support/CDateEdit.h"

#include "core/CBelvaneDoc.h"

#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace belvane {
namespace {

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
