#include "DialogTestSupport.h"
#include "gui/dialogs/lists/CBeneficiaireDlg.h"
#include "gui/dialogs/lists/CRubriqueDlg.h"
#include "gui/support/CResources.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace belvane {
namespace {

using testing::Child;
using testing::Click;
using testing::ScriptedMessageBox;
using testing::ShowAndWait;

// Each refusal: its message with the warning icon, the focus on the name, the
// dialog open and the record untouched.
void ExpectRefused(QDialog& dlg, ScriptedMessageBox& box, const char* nameField, int message) {
    ASSERT_FALSE(box.shown.empty());
    EXPECT_EQ(box.shown.back().text, CResources::Str(message));
    EXPECT_EQ(box.shown.back().icon, IMessageBox::Icon::Warning);
    EXPECT_TRUE(Child<QLineEdit>(dlg, nameField)->hasFocus()) << message;
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_NE(dlg.result(), QDialog::Accepted);
}

TEST(EntryDialogsTest, PayeeRefusesATakenNameThenStoresCrLf) {
    CBelvaneDoc doc;
    doc.InsertBeneficiaire(0, CBeneficiaire("Dupont Jean", "", ""));
    ScriptedMessageBox box;
    CBeneficiaire record("", "", "");
    CBeneficiaireDlg dlg(doc, record, true);
    ShowAndWait(dlg);
    EXPECT_EQ(dlg.windowTitle(), "Entrée d'un nouveau débiteur ou créditeur");

    Child<QLineEdit>(dlg, "1034")->setText("DUPONT jean");
    Click(dlg, "1");
    ExpectRefused(dlg, box, "1034", 10007);
    EXPECT_EQ(record, CBeneficiaire());

    Child<QLineEdit>(dlg, "1034")->setText("Martin");
    Child<QLineEdit>(dlg, "1089")->setText("01 02");
    Child<QPlainTextEdit>(dlg, "1090")->setPlainText("1 rue Haute\n75001 Paris");
    Click(dlg, "1");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(record, CBeneficiaire("Martin", "01 02", "1 rue Haute\r\n75001 Paris"));

    // Reopened for correction: the address shows its lines, the title is 10056,
    // and a name kept as it was is accepted (the list took the payee out).
    CBeneficiaireDlg again(doc, record, false);
    EXPECT_EQ(again.windowTitle(), CResources::Str(10056));
    auto* address = Child<QPlainTextEdit>(again, "1090");
    EXPECT_EQ(address->toPlainText(), "1 rue Haute\n75001 Paris");
    // A full address refuses what is typed or pasted, keeping its end.
    const QString full = QString(1019, 'x') + "\nfin";  // 1024 characters with CR LF
    address->setPlainText(full);
    address->setPlainText(QString(1020, 'x') + "\nfin");
    EXPECT_EQ(address->toPlainText(), full);
    QTextCursor caret = address->textCursor();
    caret.setPosition(10);
    address->setTextCursor(caret);
    QTest::keyClicks(address, "y");
    EXPECT_EQ(address->toPlainText(), full);
    EXPECT_EQ(address->textCursor().position(), 10);

    // Values longer than the fields allow, from a file, are shown and kept whole.
    const std::string longName(40, 'n');
    CBeneficiaire stored(longName, "", std::string(1100, 'a'));
    CBeneficiaireDlg longOne(doc, stored, false);
    Click(longOne, "1");
    EXPECT_EQ(stored.m_nom, longName);
    EXPECT_EQ(stored.m_adresse.size(), 1100u);
}

// The category dialog, then the same for a subcategory: its parent above, its
// own numbers.
TEST(EntryDialogsTest, CategoryAndSubcategoryChecksAndSignedInitialAmount) {
    CBelvaneDoc doc;
    CRubrique jardin("Jardin", 0);
    jardin.InsertSousRubrique(0, CSousRubrique("Outils", 0));
    doc.InsertRubrique(0, jardin);
    ScriptedMessageBox box;
    CRubrique record;
    CRubriqueDlg dlg(doc, record, true);
    ShowAndWait(dlg);
    EXPECT_EQ(Child<QLineEdit>(dlg, "1026")->text(), "") << "a new category shows no amount";
    EXPECT_TRUE(Child<QRadioButton>(dlg, "1029")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(dlg, "1115")->isVisible());

    Click(dlg, "1");
    ExpectRefused(dlg, box, "1035", 10009);
    EXPECT_EQ(record, CRubrique());

    Child<QLineEdit>(dlg, "1035")->setText("Maison");
    Child<QLineEdit>(dlg, "1026")->setText("12,5");
    Child<QRadioButton>(dlg, "1030")->setChecked(true);
    Click(dlg, "1");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(record, CRubrique("Maison", -1250)) << "a debit stored negative";
    EXPECT_FALSE(dlg.RenameEverywhere()) << "a new category renames nothing";

    // Correction: title 10058, the amount without its sign, Débit, the box ticked;
    // the subcategories are kept; an amount that does not read is refused, a
    // typed sign chooses Crédit.
    record.InsertSousRubrique(0, CSousRubrique("Jardin", 0));
    CRubriqueDlg fix(doc, record, false);
    ShowAndWait(fix);
    EXPECT_EQ(fix.windowTitle(), CResources::Str(10058));
    EXPECT_EQ(Child<QLineEdit>(fix, "1026")->text(), "12,50");
    EXPECT_TRUE(Child<QRadioButton>(fix, "1030")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(fix, "1115")->isVisible());
    EXPECT_TRUE(Child<QCheckBox>(fix, "1115")->isChecked());
    Child<QLineEdit>(fix, "1026")->setText("abc");
    Click(fix, "1");
    ExpectRefused(fix, box, "1026", 10121);
    Child<QLineEdit>(fix, "1026")->setText("+7,5");
    Click(fix, "1");
    EXPECT_TRUE(fix.RenameEverywhere());
    EXPECT_EQ(record.GetMontantInitial(), 750) << "the typed sign chose Crédit";
    EXPECT_EQ(record.GetNbSousRubriques(), 1);

    CSousRubrique sub;
    CRubriqueDlg subDlg(doc, 0, sub, true);
    ShowAndWait(subDlg);
    EXPECT_EQ(subDlg.windowTitle(), "Entrée d'une nouvelle sous-rubrique");
    EXPECT_EQ(Child<QLabel>(subDlg, "1035")->text(), "Jardin");
    EXPECT_EQ(Child<QLabel>(subDlg, "label1035")->text(), "Nom de la rubrique mère:");
    Child<QLineEdit>(subDlg, "1036")->setText("OUTILS");
    Click(subDlg, "1");
    ExpectRefused(subDlg, box, "1036", 10012);
    Child<QLineEdit>(subDlg, "1036")->setText("Graines");
    Child<QLineEdit>(subDlg, "1026")->setText("3");
    Click(subDlg, "1");
    EXPECT_EQ(sub, CSousRubrique("Graines", 300));

    CRubriqueDlg subFix(doc, 0, sub, false);
    EXPECT_EQ(subFix.windowTitle(), CResources::Str(10059));
    Child<QCheckBox>(subFix, "1115")->setChecked(false);
    Click(subFix, "1");
    EXPECT_FALSE(subFix.RenameEverywhere());
}

}  // namespace
}  // namespace belvane
