#include "gui/dialogs/lists/CBeneficiaireDlg.h"
#include "gui/dialogs/lists/CBeneficiairesDlg.h"
#include "gui/dialogs/lists/CRubriquesDlg.h"
#include "gui/support/CResources.h"

#include "DialogTestSupport.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>

// The list dialogs' wiring: each button of each list once. The rules behind the
// buttons are tested with the reference-list operations.
namespace belvane {
namespace {

using testing::Child;
using testing::Click;
using testing::Items;
using testing::ScriptedMessageBox;
using Answer = IMessageBox::Answer;

// The selected item's text, or "" without a selection.
QString SelectedText(QWidget* dlg, const char* list) {
    const QList<QListWidgetItem*> s = Child<QListWidget>(*dlg, list)->selectedItems();
    return s.isEmpty() ? QString() : s.front()->text();
}

bool Enabled(QWidget* dlg, const char* button) {
    return Child<QPushButton>(*dlg, button)->isEnabled();
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
    EntryOutcome EditRubrique(CRubrique& r, bool nouveau) override {
        return {Script(r, nouveau), false};
    }
    EntryOutcome EditSousRubrique(int, CSousRubrique& s, bool nouveau) override {
        return {Script(s, nouveau), false};
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

// Runs the steps on the dialog; returns the questions asked.
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
        EXPECT_FALSE(Enabled(&dlg, b)) << b;
    EXPECT_TRUE(Child<QListWidget>(dlg, "1034")->hasFocus());
    EXPECT_EQ(Child<QLineEdit>(dlg, "1089")->text(), "");
}

TEST(ListDialogsTest, CategoryAndSubcategoryButtons) {
    CBelvaneDoc doc;
    CRubrique autoR("Auto", 0);
    autoR.InsertSousRubrique(0, CSousRubrique("Péage", 0));
    autoR.InsertSousRubrique(1, CSousRubrique("Essence", 0));
    doc.InsertRubrique(0, autoR);
    doc.InsertRubrique(1, CRubrique("Maison", 0));
    ScriptedRubriques dlg(doc);
    EXPECT_EQ(Items(dlg, "1036"), QStringList()) << "no category selected";
    for (const char* b : {"1063", "1074", "1219", "1220"})
        EXPECT_FALSE(Enabled(&dlg, b)) << b;

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

}  // namespace
}  // namespace belvane
