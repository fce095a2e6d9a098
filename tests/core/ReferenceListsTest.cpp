#include "core/ReferenceLists.h"

#include "FileBuilder.h"
#include "RecordBuilders.h"
#include "core/CBelvaneDoc.h"
#include "core/RegisterFile.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace belvane {
namespace {

using Names = std::vector<std::string>;

// The views' redraws are left to DocumentNotifyTest: the lists change only
// through the document's own changes, which tell the views.
class ReferenceListsTest : public ::testing::Test {
protected:
    CBelvaneDoc doc;

    void AddLine(std::string rubrique, std::string sousRubrique) {
        doc.AddLine(testutil::MakeLine(ToDayDate(2009, 3, 1 + doc.GetLineCount()), 0, 0, -100, "",
                                       "", rubrique, sousRubrique));
    }
    void AddPayees(const std::vector<std::string>& names) {
        for (const std::string& n : names)
            doc.InsertBeneficiaire(doc.GetBeneficiaireCount(), CBeneficiaire(n, "tel " + n, ""));
    }
    void AddRubrique(const std::string& nom, const std::vector<std::string>& sous) {
        CRubrique r(nom, 0);
        for (const std::string& s : sous)
            r.InsertSousRubrique(r.GetNbSousRubriques(), CSousRubrique(s, 0));
        doc.InsertRubrique(doc.GetRubriqueCount(), r);
    }
    // A register just saved: nothing changed yet.
    void Saved() { doc.SetModifiedFlag(false); }

    // The names of a list, in its order; the category or subcategory of each line.
    template <typename Records>
    static Names NamesOf(const Records& records) {
        Names out;
        for (const auto& r : records)
            out.push_back(r.m_nom);
        return out;
    }
    Names Payees() const { return NamesOf(doc.Registre().m_beneficiaires); }
    Names Rubriques() const { return NamesOf(doc.Registre().m_rubriques); }
    Names Sous(int r) const { return NamesOf(doc.GetRubrique(r).m_sousRubriques); }
    Names LineField(bool sous) const {
        Names out;
        for (const CLigne& l : doc.Lines())
            out.push_back(sous ? l.m_sousRubrique : l.m_rubrique);
        return out;
    }
};

// An entry editor that names its record `nom` and ends with `result`.
template <typename Result>
auto Named(std::string nom, Result result) {
    return [=](auto& record) {
        record.m_nom = nom;
        return result;
    };
}

TEST_F(ReferenceListsTest, SortsFollowTheCollationIgnoringCaseAndCarryTheRecords) {
    AddPayees({"zebu", "Éclair", "Zèbre", "éa", "ecole", "Abel", "DUPONT"});
    Saved();
    SortBeneficiaires(doc, true);
    EXPECT_EQ(Payees(), (Names{"Abel", "DUPONT", "éa", "Éclair", "ecole", "Zèbre", "zebu"}));
    EXPECT_EQ(doc.GetBeneficiaire(5), CBeneficiaire("Zèbre", "tel Zèbre", ""))
        << "the whole record moves with its name";
    EXPECT_TRUE(doc.IsModified());

    SortBeneficiaires(doc, false);
    EXPECT_EQ(Payees(), (Names{"zebu", "Zèbre", "ecole", "Éclair", "éa", "DUPONT", "Abel"}));

    // Categories keep their subcategories; subcategories sort within their category.
    AddRubrique("Voiture", {"essence", "Assurance", "Péage"});
    AddRubrique("alimentation", {"zz", "aa"});
    AddRubrique("Banque", {});
    SortRubriques(doc, true);
    EXPECT_EQ(Rubriques(), (Names{"alimentation", "Banque", "Voiture"}));
    EXPECT_EQ(Sous(2), (Names{"essence", "Assurance", "Péage"}));
    SortSousRubriques(doc, 2, true);
    EXPECT_EQ(Sous(2), (Names{"Assurance", "essence", "Péage"}));
    EXPECT_EQ(Sous(0), (Names{"zz", "aa"}));
}

TEST_F(ReferenceListsTest, ShortListsAndNamesEqualButForCaseAreLeftAlone) {
    AddPayees({"Seul"});
    AddRubrique("dupont", {});
    AddRubrique("DUPONT", {});
    Saved();
    SortBeneficiaires(doc, true);
    SortRubriques(doc, true);
    SortRubriques(doc, false);
    EXPECT_EQ(Rubriques(), (Names{"dupont", "DUPONT"}));
    EXPECT_FALSE(doc.IsModified()) << "nothing was exchanged";
}

TEST_F(ReferenceListsTest, MovingStopsAtBothEndsWithoutChange) {
    AddPayees({"A", "B", "C"});
    AddRubrique("R", {"x", "y"});
    Saved();
    EXPECT_EQ(MoveBeneficiaire(doc, 0, -1), -1);
    EXPECT_EQ(MoveBeneficiaire(doc, 2, +1), -1);
    EXPECT_EQ(MoveRubrique(doc, 0, +1), -1);
    EXPECT_EQ(MoveSousRubrique(doc, 0, 1, +1), -1);
    EXPECT_FALSE(doc.IsModified());

    EXPECT_EQ(MoveBeneficiaire(doc, 2, -1), 1);
    EXPECT_EQ(Payees(), (Names{"A", "C", "B"}));
    EXPECT_EQ(MoveSousRubrique(doc, 0, 0, +1), 1);
    EXPECT_EQ(Sous(0), (Names{"y", "x"}));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ReferenceListsTest, CategoryRenameCorrectsLinesOnlyWhenAsked) {
    AddRubrique("Loisirs", {"Cinéma"});
    AddRubrique("Maison", {});
    AddLine("loisirs", "cinéma");
    AddLine("LOISIRS", "");
    AddLine("Maison", "");
    AddLine("Loisirsx", "");
    Saved();

    // Box cleared: the category is renamed, the lines keep the old name.
    ModifyRubrique(doc, 0, Named("Sorties", EntryOutcome{true, false}));
    EXPECT_EQ(Rubriques(), (Names{"Sorties", "Maison"}));
    EXPECT_EQ(Sous(0), (Names{"Cinéma"})) << "a modified category keeps its subcategories";
    EXPECT_EQ(LineField(false), (Names{"loisirs", "LOISIRS", "Maison", "Loisirsx"}));

    // Box ticked: every line of the old name, in any letter case, gets the new one.
    ModifyRubrique(doc, 0, Named("Loisirs", EntryOutcome{true, true}));
    EXPECT_EQ(LineField(false), (Names{"loisirs", "LOISIRS", "Maison", "Loisirsx"}))
        << "the old name was Sorties: no line had it";
    ModifyRubrique(doc, 0, Named("Détente", EntryOutcome{true, true}));
    EXPECT_EQ(LineField(false), (Names{"Détente", "Détente", "Maison", "Loisirsx"}));

    // Cancelled with the box ticked: nothing is corrected.
    ModifyRubrique(doc, 1, Named("Foyer", EntryOutcome{false, true}));
    EXPECT_EQ(Rubriques(), (Names{"Détente", "Maison"}));
    EXPECT_EQ(LineField(false)[2], "Maison");
    EXPECT_TRUE(doc.IsModified());

    // An entry that fails half-way leaves the record in place.
    const auto failing = [](CRubrique& r) -> EntryOutcome {
        r.m_nom = "half";
        throw std::runtime_error("entry failed");
    };
    EXPECT_THROW(ModifyRubrique(doc, 0, failing), std::runtime_error);
    EXPECT_EQ(Rubriques(), (Names{"Détente", "Maison"}));
    EXPECT_EQ(Sous(0), (Names{"Cinéma"}));
}

TEST_F(ReferenceListsTest, SubcategoryRenameStaysWithinItsParentCategory) {
    AddRubrique("Auto", {"Essence", "Péage"});
    AddRubrique("Jardin", {"Essence"});
    AddLine("auto", "ESSENCE");
    AddLine("Jardin", "Essence");
    AddLine("Auto", "Péage");
    AddLine("", "Essence");
    Saved();

    ModifySousRubrique(doc, 0, 0, [](CSousRubrique& s) {
        s.m_nom = "Carburant";
        s.m_montantInitial = -500;
        return EntryOutcome{true, true};
    });
    EXPECT_EQ(Sous(0), (Names{"Carburant", "Péage"}));
    EXPECT_EQ(doc.GetRubrique(0).GetMontantInitialSousRubrique(0), -500);
    EXPECT_EQ(LineField(true), (Names{"Carburant", "Essence", "Péage", "Essence"}));
    EXPECT_TRUE(doc.IsModified());

    // An empty old name names nothing: lines without a category stay as they are.
    AddRubrique("", {});
    EXPECT_EQ(RenameRubriqueInLines(doc, "", "Divers"), 0);
    EXPECT_EQ(RenameSousRubriqueInLines(doc, "Auto", "", "Divers"), 0);
    EXPECT_EQ(LineField(false)[3], "");
}

TEST_F(ReferenceListsTest, ModifyingPutsTheRecordBackAndHidesItsOwnName) {
    doc.AddPaiement(CPaiement("Carte", 4, 0xFFFE, 2));
    doc.AddPaiement(CPaiement("Chèque", 0, 1, 1));
    doc.AddPaiement(CPaiement("Virement", 0, 1, 1));
    AddPayees({"Martin", "Durand", "Petit"});

    // While the entry runs, the record's own name is no duplicate; others are.
    const auto edit = [&](CBeneficiaire& b) {
        EXPECT_FALSE(HasBeneficiaire(doc, "DURAND"));
        EXPECT_TRUE(HasBeneficiaire(doc, "petit"));
        b.m_telephone = "0102";
        return true;
    };
    EXPECT_EQ(ModifyBeneficiaire(doc, 1, edit), 1);
    EXPECT_EQ(doc.GetBeneficiaire(1), CBeneficiaire("Durand", "0102", ""));

    // Cancel puts back the record as it was, even when the editor touched the
    // copy, and leaves a saved register unmodified.
    doc.SetModifiedFlag(false);
    ModifyBeneficiaire(doc, 2, Named("Grand", false));
    EXPECT_EQ(Payees(), (Names{"Martin", "Durand", "Petit"}));
    ModifyPaiement(doc, 0, [](CPaiement& p) {
        p.m_methode = 1;
        return false;
    });
    EXPECT_EQ(doc.GetPaiement(0), CPaiement("Carte", 4, 0xFFFE, 2));
    EXPECT_FALSE(doc.IsModified());

    // A renamed payment method goes to its new name place.
    EXPECT_EQ(ModifyPaiement(doc, 0, Named("Prélèvement", true)), 1);
    EXPECT_EQ(NamesOf(doc.Registre().m_paiements), (Names{"Chèque", "Prélèvement", "Virement"}));
    EXPECT_EQ(doc.GetPaiement(1).m_donnee1, 0xFFFE);
}

TEST_F(ReferenceListsTest, NewRecordsAreAddedOnlyWhenAccepted) {
    AddPayees({"Martin"});
    AddRubrique("Auto", {"Essence"});
    doc.AddPaiement(CPaiement("Virement", 0, 1, 1));
    Saved();
    EXPECT_EQ(NewBeneficiaire(doc, [](CBeneficiaire&) { return false; }), -1);
    EXPECT_EQ(NewRubrique(doc, [](CRubrique&) { return EntryOutcome{}; }), -1);
    EXPECT_EQ(NewSousRubrique(doc, 0, [](CSousRubrique&) { return EntryOutcome{}; }), -1);
    CPaiement blank("x", 9, 9, 9);
    EXPECT_EQ(NewPaiement(doc, [&](CPaiement& p) { return (blank = p, false); }), -1);
    EXPECT_EQ(blank, CPaiement("", 0, 1, 1)) << "a new method starts immediate with 1 and 1";
    EXPECT_FALSE(doc.IsModified());

    EXPECT_EQ(NewBeneficiaire(doc, Named("Albert", true)), 1);
    EXPECT_EQ(Payees(), (Names{"Martin", "Albert"})) << "added at the end, not sorted";
    EXPECT_EQ(NewSousRubrique(doc, 0, Named("Assurance", EntryOutcome{true, false})), 1);
    EXPECT_EQ(Sous(0), (Names{"Essence", "Assurance"}));
    EXPECT_EQ(NewPaiement(doc, Named("Carte", true)), 0);
    EXPECT_TRUE(doc.IsModified());
}

// The name check of the entry dialogs' OK, over the four lists.
TEST_F(ReferenceListsTest, EntryNamesMustBeGivenAndFreeInTheirOwnList) {
    doc.AddPaiement(CPaiement("Carte", 0, 1, 1));
    AddPayees({"Dupont Jean"});
    AddRubrique("Auto", {"Essence"});
    AddRubrique("Jardin", {"Outils"});
    const NameTaken paiement = [&](std::string_view n) { return HasPaiement(doc, n); };
    const NameTaken payee = [&](std::string_view n) { return HasBeneficiaire(doc, n); };
    const NameTaken rubrique = [&](std::string_view n) { return HasRubrique(doc, n); };
    const NameTaken sousJardin = [&](std::string_view n) { return HasSousRubrique(doc, 1, n); };
    const NameTaken sousNowhere = [&](std::string_view n) { return HasSousRubrique(doc, 9, n); };
    const std::tuple<const NameTaken*, const char*, NameCheck> cases[] = {
        {&paiement, "", NameCheck::Empty},       {&paiement, "CARTE", NameCheck::Taken},
        {&paiement, "Chèque", NameCheck::Ok},    {&payee, "DUPONT jean", NameCheck::Taken},
        {&payee, "Dupont", NameCheck::Ok},       {&rubrique, "auto", NameCheck::Taken},
        {&rubrique, "Essence", NameCheck::Ok},   {&sousJardin, "OUTILS", NameCheck::Taken},
        {&sousJardin, "essence", NameCheck::Ok}, {&sousJardin, "", NameCheck::Empty},
        {&sousNowhere, "Outils", NameCheck::Ok},
    };
    for (const auto& [list, nom, expected] : cases)
        EXPECT_EQ(CheckName(nom, *list), expected) << nom;
}

// A list read unsorted from a file: cancelling an edit still sorts the method
// back into place, which is a change the register must be saved for.
TEST(ReferenceListsFileTest, CancelThatReordersAnUnsortedListMarksTheRegister) {
    CRegistre reg;
    reg.m_paiements = {CPaiement("Virement", 0, 1, 1), CPaiement("Carte", 0, 1, 1)};
    const std::string bytes = WriteRegister(reg);
    CBelvaneDoc doc;
    ASSERT_TRUE(doc.LoadFromBytes(testutil::AsBytes(bytes)).status.ok());
    ASSERT_FALSE(doc.IsModified());
    EXPECT_EQ(ModifyPaiement(doc, 0, [](CPaiement&) { return false; }), 1);
    EXPECT_EQ(doc.GetPaiement(0).GetNom(), "Carte");
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace belvane
