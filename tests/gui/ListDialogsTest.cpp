#include "gui/dialogs/CBeneficiaireDlg.h"
#include "gui/dialogs/CBeneficiairesDlg.h"
#include "gui/dialogs/CPaiementsDlg.h"
#include "gui/support/CResources.h"
#include "gui/dialogs/CRubriquesDlg.h"
#include "core/DayDate.h"

#include "FrameTestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace belvane {
namespace {

using testing::ScriptedMessageBox;
using Answer = IMessageBox::Answer;

template <class W>
W* Child(QWidget* dlg, const char* name) {
    W* w = dlg->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void Click(QWidget* dlg, const char* button) {
    QTest::mouseClick(Child<QPushButton>(dlg, button), Qt::LeftButton);
}

QStringList Items(QWidget* dlg, const char* list) {
    QStringList out;
    const QListWidget* w = Child<QListWidget>(dlg, list);
    for (int i = 0; i < w->count(); ++i)
        out << w->item(i)->text();
    return out;
}

// The selected item's text, or "" without a selection.
QString SelectedText(QWidget* dlg, const char* list) {
    const QList<QListWidgetItem*> s = Child<QListWidget>(dlg, list)->selectedItems();
    return s.isEmpty() ? QString() : s.front()->text();
}

void SelectRow(QWidget* dlg, const char* list, int row) {
    Child<QListWidget>(dlg, list)->setCurrentRow(row);
}

bool Enabled(QWidget* dlg, const char* button) {
    return Child<QPushButton>(dlg, button)->isEnabled();
}

// List dialogs whose entry dialogs are replaced by scripts.
struct ScriptedPaiements : CPaiementsDlg {
    using CPaiementsDlg::CPaiementsDlg;
    std::function<bool(CPaiement&, bool)> entry;
    bool EditPaiement(CPaiement& p, bool nouveau) override { return entry(p, nouveau); }
};
struct ScriptedBeneficiaires : CBeneficiairesDlg {
    using CBeneficiairesDlg::CBeneficiairesDlg;
    std::function<bool(CBeneficiaire&, bool)> entry;
    bool EditBeneficiaire(CBeneficiaire& b, bool nouveau) override { return entry(b, nouveau); }
};
struct ScriptedRubriques : CRubriquesDlg {
    using CRubriquesDlg::CRubriquesDlg;
    std::function<EntryOutcome(CRubrique&, bool)> entry;
    std::function<EntryOutcome(int, CSousRubrique&, bool)> sousEntry;
    EntryOutcome EditRubrique(CRubrique& r, bool nouveau) override { return entry(r, nouveau); }
    EntryOutcome EditSousRubrique(int i, CSousRubrique& s, bool nouveau) override {
        return sousEntry(i, s, nouveau);
    }
};

TEST(ListDialogsTest, PaymentMethodsStayInNameOrderThroughEveryChange) {
    CBelvaneDoc doc;
    for (const char* n : {"Virement", "Carte", "Chèque"})
        doc.AddPaiement(CPaiement(n, 0, 1, 1));
    doc.SetModifiedFlag(false);
    ScriptedMessageBox box;
    ScriptedPaiements dlg(doc);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Moyens de paiement");
    EXPECT_EQ(Items(&dlg, "1031"), QStringList({"Carte", "Chèque", "Virement"}));
    EXPECT_FALSE(Enabled(&dlg, "1063"));
    EXPECT_FALSE(Enabled(&dlg, "1064"));

    // Modify: the method is out of the register while its entry runs, and goes
    // back at its new name place; a cancelled entry puts it back unchanged.
    SelectRow(&dlg, "1031", 0);
    EXPECT_TRUE(Enabled(&dlg, "1063"));
    bool ownNameFree = false;
    dlg.entry = [&](CPaiement& p, bool nouveau) {
        EXPECT_FALSE(nouveau);
        ownNameFree = doc.FindPaiement("carte") < 0;
        p.m_nom = "Prélèvement";
        return true;
    };
    Click(&dlg, "1063");
    EXPECT_TRUE(ownNameFree);
    EXPECT_EQ(Items(&dlg, "1031"), QStringList({"Chèque", "Prélèvement", "Virement"}));
    EXPECT_TRUE(doc.IsModified());
    dlg.entry = [](CPaiement& p, bool) {
        p.m_nom = "Zut";
        return false;
    };
    Click(&dlg, "1063");
    EXPECT_EQ(Items(&dlg, "1031"), QStringList({"Chèque", "Prélèvement", "Virement"}));

    // New: a blank method, added at its name place only when accepted.
    dlg.entry = [](CPaiement& p, bool nouveau) {
        EXPECT_TRUE(nouveau);
        EXPECT_EQ(p, CPaiement("", 0, 1, 1));
        p.m_nom = "Avoir";
        return true;
    };
    Click(&dlg, "1062");
    EXPECT_EQ(Items(&dlg, "1031"), QStringList({"Avoir", "Chèque", "Prélèvement", "Virement"}));

    // Delete asks first; deleting the last item selects the new last one.
    SelectRow(&dlg, "1031", 3);
    box.Answer(Answer::No);
    Click(&dlg, "1064");
    EXPECT_EQ(doc.GetPaiementCount(), 4);
    box.Answer(Answer::Yes);
    Click(&dlg, "1064");
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[1].text, CResources::Str(10016));
    EXPECT_EQ(box.shown[1].icon, IMessageBox::Icon::Question);
    EXPECT_EQ(Items(&dlg, "1031"), QStringList({"Avoir", "Chèque", "Prélèvement"}));
    EXPECT_EQ(SelectedText(&dlg, "1031"), "Prélèvement");
}

TEST(ListDialogsTest, PayeesMoveSortAndShowTheirDetails) {
    CBelvaneDoc doc;
    doc.InsertBeneficiaire(0, CBeneficiaire("zebu", "03", ""));
    doc.InsertBeneficiaire(1, CBeneficiaire("Éclair", "01", "1 rue\r\nParis"));
    doc.InsertBeneficiaire(2, CBeneficiaire("ecole", "02", ""));
    ScriptedMessageBox box;
    ScriptedBeneficiaires dlg(doc);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));

    SelectRow(&dlg, "1034", 1);
    EXPECT_EQ(Child<QLineEdit>(&dlg, "1089")->text(), "01");
    EXPECT_EQ(Child<QPlainTextEdit>(&dlg, "1090")->toPlainText(), "1 rue\nParis");

    // Up at the top and down at the bottom change nothing.
    Click(&dlg, "1087");
    Click(&dlg, "1087");
    EXPECT_EQ(Items(&dlg, "1034"), QStringList({"Éclair", "zebu", "ecole"}));
    EXPECT_EQ(SelectedText(&dlg, "1034"), "Éclair") << "a moved payee stays selected";
    SelectRow(&dlg, "1034", 2);
    Click(&dlg, "1088");
    EXPECT_EQ(Items(&dlg, "1034"), QStringList({"Éclair", "zebu", "ecole"}));

    // The sorts keep the selected payee selected.
    Click(&dlg, "1215");
    EXPECT_EQ(Items(&dlg, "1034"), QStringList({"Éclair", "ecole", "zebu"}));
    EXPECT_EQ(SelectedText(&dlg, "1034"), "ecole");
    EXPECT_EQ(Child<QLineEdit>(&dlg, "1089")->text(), "02");
    Click(&dlg, "1216");
    EXPECT_EQ(Items(&dlg, "1034"), QStringList({"zebu", "ecole", "Éclair"}));
    EXPECT_EQ(SelectedText(&dlg, "1034"), "ecole");

    // Without a selection the record buttons are off, the details are cleared and
    // a focused record button hands the focus to the list.
    Child<QPushButton>(&dlg, "1063")->setFocus();
    Child<QListWidget>(&dlg, "1034")->setCurrentRow(-1, QItemSelectionModel::Clear);
    for (const char* b : {"1063", "1064", "1087", "1088"})
        EXPECT_FALSE(Enabled(&dlg, b)) << b;
    EXPECT_TRUE(Child<QListWidget>(&dlg, "1034")->hasFocus());
    EXPECT_EQ(Child<QLineEdit>(&dlg, "1089")->text(), "");
    EXPECT_TRUE(box.shown.empty());
}

TEST(ListDialogsTest, CategoriesCarryTheirSubcategoriesAndCorrectLines) {
    CBelvaneDoc doc;
    CRubrique autoR("Auto", 0);
    autoR.InsertSousRubrique(0, CSousRubrique("Essence", 0));
    autoR.InsertSousRubrique(1, CSousRubrique("Péage", 0));
    doc.InsertRubrique(0, autoR);
    doc.InsertRubrique(1, CRubrique("Maison", 0));
    CLigne line;
    line.Set(ToDayDate(2009, 3, 1), 0, 0, -100, "", "", "auto", "péage", "", "");
    doc.AddLine(line);
    ScriptedMessageBox box;
    ScriptedRubriques dlg(doc);
    dlg.show();

    EXPECT_EQ(Items(&dlg, "1036"), QStringList()) << "no category selected";
    for (const char* b : {"1063", "1064", "1087", "1088", "1074", "1219", "1220"})
        EXPECT_FALSE(Enabled(&dlg, b)) << b;
    SelectRow(&dlg, "1035", 0);
    EXPECT_EQ(Items(&dlg, "1036"), QStringList({"Essence", "Péage"}));
    EXPECT_TRUE(Enabled(&dlg, "1074"));
    EXPECT_FALSE(Enabled(&dlg, "1109"));

    // A subcategory renamed with the box ticked corrects lines of its category.
    SelectRow(&dlg, "1036", 1);
    dlg.sousEntry = [](int i, CSousRubrique& s, bool nouveau) {
        EXPECT_EQ(i, 0);
        EXPECT_FALSE(nouveau);
        s.m_nom = "Autoroute";
        return EntryOutcome{true, true};
    };
    Click(&dlg, "1109");
    EXPECT_EQ(Items(&dlg, "1036"), QStringList({"Essence", "Autoroute"}));
    EXPECT_EQ(doc.GetLine(0).m_sousRubrique, "Autoroute");

    // The category renamed with the box ticked; its subcategories stay.
    dlg.entry = [](CRubrique& r, bool) {
        r.m_nom = "Voiture";
        return EntryOutcome{true, true};
    };
    Click(&dlg, "1063");
    EXPECT_EQ(Items(&dlg, "1035"), QStringList({"Voiture", "Maison"}));
    EXPECT_EQ(Items(&dlg, "1036"), QStringList({"Essence", "Autoroute"}));
    EXPECT_EQ(doc.GetLine(0).m_rubrique, "Voiture");

    // A new subcategory goes to the end of the selected category; the selected
    // category moves down with its subcategories, keeping the subcategory row.
    dlg.sousEntry = [](int, CSousRubrique& s, bool) {
        s.m_nom = "Assurance";
        return EntryOutcome{true, false};
    };
    Click(&dlg, "1074");
    EXPECT_EQ(Items(&dlg, "1036"), QStringList({"Essence", "Autoroute", "Assurance"}));
    Click(&dlg, "1088");
    EXPECT_EQ(Items(&dlg, "1035"), QStringList({"Maison", "Voiture"}));
    EXPECT_EQ(SelectedText(&dlg, "1035"), "Voiture");
    EXPECT_EQ(SelectedText(&dlg, "1036"), "Autoroute");
    Click(&dlg, "1219");
    EXPECT_EQ(Items(&dlg, "1036"), QStringList({"Assurance", "Autoroute", "Essence"}));
    EXPECT_EQ(SelectedText(&dlg, "1036"), "Autoroute");

    // Clicking another category with the mouse keeps the subcategory row.
    doc.InsertSousRubrique(0, 0, CSousRubrique("Eau", 0));
    doc.InsertSousRubrique(0, 1, CSousRubrique("Gaz", 0));
    auto* categories = Child<QListWidget>(&dlg, "1035");
    QTest::mouseClick(categories->viewport(), Qt::LeftButton, Qt::NoModifier,
                      categories->visualItemRect(categories->item(0)).center());
    EXPECT_EQ(SelectedText(&dlg, "1035"), "Maison");
    EXPECT_EQ(SelectedText(&dlg, "1036"), "Gaz");
    QTest::mouseClick(categories->viewport(), Qt::LeftButton, Qt::NoModifier,
                      categories->visualItemRect(categories->item(1)).center());

    // Deleting the category takes its subcategories; the line keeps its names.
    box.Answer(Answer::Yes);
    Click(&dlg, "1064");
    EXPECT_EQ(box.shown.back().text, CResources::Str(10019));
    EXPECT_EQ(Items(&dlg, "1035"), QStringList({"Maison"}));
    EXPECT_EQ(SelectedText(&dlg, "1035"), "Maison");
    EXPECT_EQ(Items(&dlg, "1036"), QStringList({"Eau", "Gaz"}));
    EXPECT_EQ(doc.GetLine(0).m_rubrique, "Voiture");
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
        Child<QLineEdit>(entry, "1034")->setText("Martin");
        Click(entry, "1");
    });
    Click(&dlg, "1062");
    EXPECT_TRUE(seen);
    EXPECT_EQ(Items(&dlg, "1034"), QStringList({"Martin"}));
    EXPECT_EQ(doc.GetBeneficiaireCount(), 1);
}

}  // namespace
}  // namespace belvane
