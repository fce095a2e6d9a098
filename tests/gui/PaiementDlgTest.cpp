#include "gui/dialogs/lists/CPaiementDlg.h"
#include "gui/support/CResources.h"

#include "DialogTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>

namespace belvane {
namespace {

using testing::ScriptedMessageBox;

// A payment-method dialog shown on a register holding "Chèque".
class PaiementDlgTest : public ::testing::Test {
protected:
    CBelvaneDoc doc;
    ScriptedMessageBox box;
    CPaiement record{"", CPaiement::kImmediate, 1, 1};
    std::unique_ptr<CPaiementDlg> dlg;

    void SetUp() override { doc.AddPaiement(CPaiement("Chèque", 0, 1, 1)); }

    void Open(bool nouveau = true) {
        dlg = std::make_unique<CPaiementDlg>(doc, record, nouveau);
        testing::ShowAndWait(*dlg);
    }
    template <class W>
    W* Child(const char* name) const {
        return testing::Child<W>(*dlg, name);
    }
    QLineEdit* Edit(const char* name) const { return Child<QLineEdit>(name); }
    void Choose(int code) { Child<QComboBox>("1033")->setCurrentIndex(code); }
    void Ok() { testing::Click(*dlg, "1"); }
    // The labels and values of the two parameter fields; an empty label for a hidden one.
    QStringList Area() const {
        QStringList out;
        for (const char* pair : {"1069", "1071"}) {
            const QLabel* label = Child<QLabel>(pair);
            const QLineEdit* edit = Edit(pair[3] == '9' ? "1070" : "1072");
            EXPECT_EQ(label->isVisible(), edit->isVisible());
            out << (label->isVisible() ? label->text() + "=" + edit->text() : QString());
        }
        return out;
    }
    QString Refusals() const { return testing::Texts(box).join('|'); }
};

QString S(int id) {
    return CResources::Str(id);
}

TEST_F(PaiementDlgTest, OkChecksNameThenDuplicateThenDayInThisOrder) {
    Open();
    Choose(1);
    Edit("1070")->setText("0");
    Ok();
    Edit("1031")->setText("CHÈQUE");
    Ok();
    Edit("1031")->setText("Carte");
    Ok();
    EXPECT_EQ(Refusals(), QStringList({S(10003), S(10004), S(10031)}).join('|'));
    EXPECT_EQ(box.shown.back().icon, IMessageBox::Icon::Warning);
    EXPECT_TRUE(Edit("1070")->hasFocus()) << "the day refused, the focus is on the day";
    EXPECT_EQ(record, CPaiement("", 0, 1, 1)) << "nothing written before OK succeeds";

    Edit("1070")->setText("31");
    Ok();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(record, CPaiement("Carte", 1, 31, 1));
    EXPECT_EQ(doc.GetPaiementCount(), 1) << "adding the record is the caller's part";
}

TEST_F(PaiementDlgTest, ParameterAreaFollowsTheCodeWithTheValuesAsOpened) {
    record = CPaiement("Carte", 4, static_cast<std::uint16_t>(-2), 5);
    Open(false);
    EXPECT_EQ(dlg->windowTitle(), S(10051));
    EXPECT_EQ(Edit("1031")->text(), "Carte");
    EXPECT_EQ(Child<QComboBox>("1033")->count(), 5);
    EXPECT_EQ(Area(), QStringList({S(10093) + "=-2", S(10094) + "=5"}));
    Edit("1070")->setText("12");
    Choose(1);
    EXPECT_EQ(Area(), QStringList({S(10052) + "=1", ""})) << "typed values are not kept";

    // The spin buttons step within their range and write the position.
    auto* up = Child<QWidget>("1080")->findChild<QToolButton*>("up");
    auto* down = Child<QWidget>("1080")->findChild<QToolButton*>("down");
    ASSERT_TRUE(up && down);
    Edit("1070")->setText("30");
    QTest::mouseClick(up, Qt::LeftButton);
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(Edit("1070")->text(), "31");
    Edit("1070")->setText("1");
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(Edit("1070")->text(), "1");
}

}  // namespace
}  // namespace belvane
