#include "RecordBuilders.h"
#include "core/CBelvaneDoc.h"
#include "core/DayDate.h"
#include "core/IDocObserver.h"
#include "core/ReferenceLists.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace belvane {
namespace {

struct ChangeRecorder : IDocObserver {
    int redraws = 0;
    int linesChanged = 0;
    void OnRedrawAll() override { ++redraws; }
    void OnLineChanged(int) override { ++linesChanged; }
};

// Every change the document makes reaches its views and marks it modified,
// without the caller having to ask for a redraw (the summary's initial amount
// changes the balances shown, a renamed category the lines).
TEST(DocumentNotify, EveryChangeReachesTheViewsAndMarksTheRegister) {
    using Doc = CBelvaneDoc;
    const Resume withAmount{"", "", "", "", "", "", 12345};
    // What changes, how, and whether the whole register is redrawn (else one line).
    const std::tuple<const char*, std::function<void(Doc&)>, bool> rows[] = {
        {"method added", [](Doc& d) { d.AddPaiement(CPaiement("Chèque", 0, 1, 1)); }, true},
        {"method removed", [](Doc& d) { d.DeletePaiement(0); }, true},
        {"category inserted", [](Doc& d) { d.InsertRubrique(1, CRubrique("Santé", 0)); }, true},
        {"category removed", [](Doc& d) { d.DeleteRubrique(0); }, true},
        {"sub inserted", [](Doc& d) { d.InsertSousRubrique(0, 1, CSousRubrique("Eau", 0)); }, true},
        {"subcategory removed", [](Doc& d) { d.DeleteSousRubrique(0, 0); }, true},
        {"payee added", [](Doc& d) { d.InsertBeneficiaire(1, CBeneficiaire("P", "", "")); }, true},
        {"payee removed", [](Doc& d) { d.DeleteBeneficiaire(0); }, true},
        {"movement removed", [](Doc& d) { d.DeleteMouvement(0); }, true},
        {"account's initial amount", [&](Doc& d) { d.SetResume(withAmount); }, true},
        {"category's initial amount", [](Doc& d) { d.SetMontantInitialRubrique(0, 7); }, true},
        {"sub's initial amount", [](Doc& d) { d.SetMontantInitialSousRubrique(0, 0, 7); }, true},
        {"renamed in lines", [](Doc& d) { RenameRubriqueInLines(d, "Logement", "Maison"); }, false},
        {"sub renamed in lines",
         [](Doc& d) { RenameSousRubriqueInLines(d, "Logement", "Loyer", "Bail"); }, false},
    };
    for (const auto& [what, change, wholeRegister] : rows) {
        SCOPED_TRACE(what);
        CBelvaneDoc doc;
        doc.AddPaiement(CPaiement("Virement", 0, 1, 1));
        doc.InsertRubrique(0, testutil::MakeRubrique("Logement", 0, {{"Loyer", 0}}));
        doc.InsertBeneficiaire(0, CBeneficiaire("Agence", "", ""));
        doc.AddMouvement(CMouvementAuto());
        doc.AddLine(
            testutil::MakeLine(ToDayDate(2009, 3, 1), 0, 0, -100, "", "", "Logement", "Loyer"));
        doc.SetModifiedFlag(false);

        ChangeRecorder views;
        doc.AddObserver(&views);
        change(doc);
        doc.RemoveObserver(&views);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(views.redraws > 0, wholeRegister);
        EXPECT_EQ(views.linesChanged > 0, !wholeRegister);
    }
}

// The display forms are the program's settings: the views show them, the
// register is not changed.
TEST(DocumentNotify, NewDisplayFormsRedrawWithoutModifying) {
    CBelvaneDoc doc;
    ChangeRecorder views;
    doc.AddObserver(&views);
    doc.SetFormatSettings("%d/%m/%Y", ".");
    doc.RemoveObserver(&views);
    EXPECT_EQ(views.redraws, 1);
    EXPECT_FALSE(doc.IsModified());
}

}  // namespace
}  // namespace belvane
