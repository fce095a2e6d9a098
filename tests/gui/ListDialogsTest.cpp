// The list dialogs' wiring: each button of each list once; then each entry
// dialog of a record. The rules behind the buttons are tested with the
// reference-list operations.
#include "DialogTestSupport.h"
#include "RecordBuilders.h"
#include "gui/dialogs/lists/CBeneficiaireDlg.h"
#include "gui/dialogs/lists/CBeneficiairesDlg.h"
#include "gui/dialogs/lists/CPaiementDlg.h"
#include "gui/dialogs/lists/CRubriqueDlg.h"
#include "gui/dialogs/lists/CRubriquesDlg.h"
#include "gui/support/CResources.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

namespace belvane {
namespace {

using testing::Child;
using testing::Click;
using testing::Items;
using testing::ScriptedMessageBox;
using testing::ShowAndWait;
using Answer = IMessageBox::Answer;

QString SelectedText(QWidget* dlg, const char* list) {
    const QList<QListWidgetItem*> s = Child<QListWidget>(*dlg, list)->selectedItems();
    return s.isEmpty() ? QString() : s.front()->text();
}

// Scripted entries: a new record is named "Neuf", a modified one gets a "+".
template <class Record>
bool Script(Record& r, bool nouveau) {
    r.m_nom = nouveau ? "Neuf" : r.m_nom + "+";
    return true;
}
struct ScriptedBeneficiaires : CBeneficiairesDlg {
    using CBeneficiairesDlg::CBeneficiairesDlg;
    bool EditBeneficiaire(CBeneficiaire& b, bool nouveau) override { return Script(b, nouveau); }
};
struct ScriptedRubriques : CRubriquesDlg {
    using CRubriquesDlg::CRubriquesDlg;
    EntryOutcome EditRubrique(CRubrique& r, bool n) override { return {Script(r, n), false}; }
    EntryOutcome EditSousRubrique(int, CSousRubrique& s, bool n) override {
        return {Script(s, n), false};
    }
};

// One button of one list, with `row` selected first (-1: as it is), and that
// list afterwards. `yes`: the question asked is answered Yes (else No).
struct Step {
    const char* list;
    int row;
    const char* button;
    QStringList items;
    QString selected;
    bool yes = false;
};

QStringList RunSteps(QDialog& dlg, const std::vector<Step>& steps) {
    ScriptedMessageBox box;
    testing::ShowAndWait(dlg);
    for (const Step& s : steps) {
        if (s.row >= 0)
            Child<QListWidget>(dlg, s.list)->setCurrentRow(s.row);
        if (s.yes)
            box.Answer(Answer::Yes);
        Click(dlg, s.button);
        EXPECT_EQ(Items(dlg, s.list), s.items) << s.button;
        EXPECT_EQ(SelectedText(&dlg, s.list), s.selected) << s.button;
    }
    return testing::Texts(box);
}

TEST(ListDialogsTest, PayeeButtonsAndDetails) {
    CBelvaneDoc doc;
    doc.InsertBeneficiaire(0, CBeneficiaire("zebu", "03", ""));
    doc.InsertBeneficiaire(1, CBeneficiaire("Éclair", "01", "1 rue\r\nParis"));
    ScriptedBeneficiaires dlg(doc);
    const QStringList asked =
        RunSteps(dlg, {{"1034", 1, "1087", {"Éclair", "zebu"}, "Éclair"},
                       {"1034", -1, "1216", {"zebu", "Éclair"}, "Éclair"},
                       {"1034", -1, "1063", {"zebu", "Éclair+"}, "Éclair+"},
                       {"1034", -1, "1062", {"zebu", "Éclair+", "Neuf"}, "Éclair+"},
                       {"1034", 0, "1064", {"Éclair+", "Neuf"}, "Éclair+", true},
                       {"1034", -1, "1087", {"Éclair+", "Neuf"}, "Éclair+"}});
    EXPECT_EQ(asked, QStringList{CResources::Str(10018)});
    EXPECT_EQ(Child<QLineEdit>(dlg, "1089")->text(), "01");
    EXPECT_EQ(Child<QPlainTextEdit>(dlg, "1090")->toPlainText(), "1 rue\nParis");

    // Without a selection the record buttons are off, the details are cleared and
    // a focused record button hands the focus to the list.
    Child<QPushButton>(dlg, "1063")->setFocus();
    Child<QListWidget>(dlg, "1034")->setCurrentRow(-1, QItemSelectionModel::Clear);
    for (const char* b : {"1063", "1064", "1087", "1088"})
        EXPECT_FALSE(Child<QPushButton>(dlg, b)->isEnabled()) << b;
    EXPECT_TRUE(Child<QListWidget>(dlg, "1034")->hasFocus());
    EXPECT_EQ(Child<QLineEdit>(dlg, "1089")->text(), "");
}

TEST(ListDialogsTest, CategoryAndSubcategoryButtons) {
    CBelvaneDoc doc;
    doc.InsertRubrique(0, testutil::MakeRubrique("Auto", 0, {{"Péage", 0}, {"Essence", 0}}));
    doc.InsertRubrique(1, CRubrique("Maison", 0));
    ScriptedRubriques dlg(doc);
    EXPECT_EQ(Items(dlg, "1036"), QStringList()) << "no category selected";
    for (const char* b : {"1063", "1074", "1219", "1220"})
        EXPECT_FALSE(Child<QPushButton>(dlg, b)->isEnabled()) << b;

    // A category's buttons act on it and carry its subcategories; the lower
    // list's buttons act within the selected category.
    const QStringList asked =
        RunSteps(dlg, {{"1035", 0, "1088", {"Maison", "Auto"}, "Auto"},
                       {"1035", -1, "1087", {"Auto", "Maison"}, "Auto"},
                       {"1035", -1, "1216", {"Maison", "Auto"}, "Auto"},
                       {"1035", -1, "1215", {"Auto", "Maison"}, "Auto"},
                       {"1035", -1, "1063", {"Auto+", "Maison"}, "Auto+"},
                       {"1035", -1, "1062", {"Auto+", "Maison", "Neuf"}, "Auto+"},
                       {"1036", 0, "1112", {"Essence", "Péage"}, "Péage"},
                       {"1036", -1, "1111", {"Péage", "Essence"}, "Péage"},
                       {"1036", -1, "1219", {"Essence", "Péage"}, "Péage"},
                       {"1036", -1, "1220", {"Péage", "Essence"}, "Péage"},
                       {"1036", -1, "1109", {"Péage+", "Essence"}, "Péage+"},
                       {"1036", -1, "1074", {"Péage+", "Essence", "Neuf"}, "Péage+"},
                       {"1036", 1, "1110", {"Péage+", "Neuf"}, "Neuf", true},
                       {"1035", 0, "1064", {"Maison", "Neuf"}, "Maison", true}});
    EXPECT_EQ(asked, QStringList({CResources::Str(10020), CResources::Str(10019)}));

    // Clicking another category with the mouse keeps the subcategory row.
    for (const char* s : {"X", "Y"})
        doc.InsertSousRubrique(0, 0, CSousRubrique(s, 0));
    for (const char* s : {"Gaz", "Eau"})
        doc.InsertSousRubrique(1, 0, CSousRubrique(s, 0));
    auto* categories = Child<QListWidget>(dlg, "1035");
    categories->setCurrentRow(1);
    categories->setCurrentRow(0);
    Child<QListWidget>(dlg, "1036")->setCurrentRow(1);
    QTest::mouseClick(categories->viewport(), Qt::LeftButton, Qt::NoModifier,
                      categories->visualItemRect(categories->item(1)).center());
    EXPECT_EQ(SelectedText(&dlg, "1035"), "Neuf");
    EXPECT_EQ(SelectedText(&dlg, "1036"), "Gaz");
}

// The real entry dialog opens over the list, and what it accepts lands in the
// register.
TEST(ListDialogsTest, NewRunsTheEntryDialog) {
    CBelvaneDoc doc;
    ScriptedMessageBox box;
    CBeneficiairesDlg dlg(doc);
    dlg.show();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* entry = qobject_cast<CBeneficiaireDlg*>(QApplication::activeModalWidget());
        if (!entry)
            return;
        seen = true;
        Child<QLineEdit>(*entry, "1034")->setText("Martin");
        Click(*entry, "1");
    });
    Click(dlg, "1062");
    EXPECT_TRUE(seen);
    EXPECT_EQ(Items(dlg, "1034"), QStringList({"Martin"}));
    EXPECT_EQ(doc.GetBeneficiaireCount(), 1);
}

void ExpectRefused(QDialog& dlg, ScriptedMessageBox& box, const char* nameField, int message) {
    ASSERT_FALSE(box.shown.empty());
    EXPECT_EQ(box.shown.back().text, CResources::Str(message));
    EXPECT_EQ(box.shown.back().icon, IMessageBox::Icon::Warning);
    EXPECT_TRUE(Child<QLineEdit>(dlg, nameField)->hasFocus()) << message;
    EXPECT_TRUE(dlg.isVisible());
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
    EXPECT_EQ(record, CBeneficiaire("Martin", "01 02", "1 rue Haute\r\n75001 Paris"));

    // Reopened for correction: the address shows its lines.
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
    const CBeneficiaire fromFile(std::string(40, 'n'), "", std::string(1100, 'a'));
    CBeneficiaire stored = fromFile;
    CBeneficiaireDlg longOne(doc, stored, false);
    Click(longOne, "1");
    EXPECT_EQ(stored, fromFile);
}

// The parameter area and its checks are the payment-method form's (see
// PaiementFormTest): here the code chosen lays out the area, the spin buttons
// step, OK refuses in order and stores what the form reads.
TEST(EntryDialogsTest, PaymentMethodAreaFollowsTheCodeAndOkStoresIt) {
    CBelvaneDoc doc;
    doc.AddPaiement(CPaiement("Chèque", 0, 1, 1));
    ScriptedMessageBox box;
    CPaiement record("Carte", 4, static_cast<std::uint16_t>(-2), 5);
    CPaiementDlg dlg(doc, record, false);
    ShowAndWait(dlg);
    EXPECT_EQ(dlg.windowTitle(), CResources::Str(10051));
    QLineEdit* first = Child<QLineEdit>(dlg, "1070");
    EXPECT_EQ(first->text(), "-2");
    Child<QComboBox>(dlg, "1033")->setCurrentIndex(1);  // a day of the month
    EXPECT_EQ(Child<QLabel>(dlg, "1069")->text(), CResources::Str(10052));
    first->setText("30");
    for (const char* button : {"up", "up", "down"})
        QTest::mouseClick(Child<QToolButton>(*Child<QWidget>(dlg, "1080"), button), Qt::LeftButton);
    EXPECT_EQ(first->text(), "30") << "the spin buttons stop at the range's end";

    first->setText("0");
    for (const char* name : {"CHÈQUE", "Carte"}) {
        Child<QLineEdit>(dlg, "1031")->setText(QString::fromUtf8(name));
        Click(dlg, "1");
    }
    EXPECT_EQ(testing::Texts(box), QStringList({CResources::Str(10004), CResources::Str(10031)}));
    EXPECT_TRUE(first->hasFocus()) << "the day refused, the focus is on the day";
    EXPECT_EQ(record, CPaiement("Carte", 4, static_cast<std::uint16_t>(-2), 5));
    first->setText("31");
    Click(dlg, "1");
    EXPECT_EQ(record, CPaiement("Carte", 1, 31, 1));
}

// The category dialog, then the same for a subcategory: its parent above, its
// own numbers. The name checks are the payee's and the amount's the line's.
TEST(EntryDialogsTest, CategoryAndSubcategoryStoreTheSignedInitialAmount) {
    CBelvaneDoc doc;
    doc.InsertRubrique(0, testutil::MakeRubrique("Jardin", 0, {{"Outils", 0}}));
    ScriptedMessageBox box;
    CRubrique record;
    CRubriqueDlg dlg(doc, record, true);
    ShowAndWait(dlg);
    EXPECT_FALSE(Child<QCheckBox>(dlg, "1115")->isVisible());
    Child<QLineEdit>(dlg, "1035")->setText("Maison");
    Child<QLineEdit>(dlg, "1026")->setText("12,5");
    Child<QRadioButton>(dlg, "1030")->setChecked(true);
    Click(dlg, "1");
    EXPECT_EQ(record, CRubrique("Maison", -1250)) << "a debit stored negative";

    // Correction: the amount without its sign, the box ticked; the
    // subcategories are kept; a typed sign chooses Crédit.
    record.InsertSousRubrique(0, CSousRubrique("Jardin", 0));
    CRubriqueDlg fix(doc, record, false);
    ShowAndWait(fix);
    EXPECT_EQ(fix.windowTitle(), CResources::Str(10058));
    EXPECT_EQ(Child<QLineEdit>(fix, "1026")->text(), "12,50");
    EXPECT_TRUE(Child<QCheckBox>(fix, "1115")->isChecked());
    Child<QLineEdit>(fix, "1026")->setText("abc");
    Click(fix, "1");
    ExpectRefused(fix, box, "1026", 10121);
    Child<QLineEdit>(fix, "1026")->setText("+7,5");
    Click(fix, "1");
    EXPECT_TRUE(fix.RenameEverywhere());
    EXPECT_EQ(record.GetMontantInitial(), 750);
    EXPECT_EQ(record.GetNbSousRubriques(), 1);

    CSousRubrique sub;
    CRubriqueDlg subDlg(doc, 0, sub, true);
    ShowAndWait(subDlg);
    EXPECT_EQ(Child<QLabel>(subDlg, "1035")->text(), "Jardin");
    Child<QLineEdit>(subDlg, "1036")->setText("OUTILS");
    Click(subDlg, "1");
    ExpectRefused(subDlg, box, "1036", 10012);
    Child<QLineEdit>(subDlg, "1036")->setText("Graines");
    Child<QLineEdit>(subDlg, "1026")->setText("3");
    Click(subDlg, "1");
    EXPECT_EQ(sub, CSousRubrique("Graines", 300));
}

}  // namespace
}  // namespace belvane
