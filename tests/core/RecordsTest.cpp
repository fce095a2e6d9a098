#include "core/Archive.h"
#include "core/CLigne.h"
#include "core/CMouvementAuto.h"
#include "core/CRegistre.h"
#include "core/CRubrique.h"
#include "core/DayDate.h"
#include "core/FileVersion.h"

#include <gtest/gtest.h>

namespace belvane {
namespace {

CMouvementAuto Mouvement(CivilDate next, int months, int day) {
    CMouvementAuto m;
    m.m_prochaineDate = ToDayDate(next);
    m.m_nbMois = static_cast<std::uint16_t>(months);
    m.m_jour = static_cast<std::uint16_t>(day);
    return m;
}

TEST(CMouvementAuto, AdvanceKeepsTheWantedDay) {
    CMouvementAuto m = Mouvement({2009, 1, 31}, 1, 31);
    m.AdvanceNextDate();
    EXPECT_EQ(ToCivil(m.m_prochaineDate), (CivilDate{2009, 2, 28}));
    m.AdvanceNextDate();
    EXPECT_EQ(ToCivil(m.m_prochaineDate), (CivilDate{2009, 3, 31}));

    CMouvementAuto leap = Mouvement({2008, 1, 31}, 1, 31);
    leap.AdvanceNextDate();
    EXPECT_EQ(ToCivil(leap.m_prochaineDate), (CivilDate{2008, 2, 29}));
}

TEST(CMouvementAuto, AdvanceCarriesYearsAndClampsTheDay) {
    CMouvementAuto m = Mouvement({2009, 11, 15}, 14, 15);
    m.AdvanceNextDate();
    EXPECT_EQ(ToCivil(m.m_prochaineDate), (CivilDate{2011, 1, 15}));

    CMouvementAuto zero = Mouvement({2009, 3, 20}, 1, 0);  // day 0 is taken as 1
    zero.AdvanceNextDate();
    EXPECT_EQ(ToCivil(zero.m_prochaineDate), (CivilDate{2009, 4, 1}));

    CMouvementAuto big = Mouvement({2009, 3, 20}, 99, 40);  // above 31 is taken as 31
    big.AdvanceNextDate();
    EXPECT_EQ(ToCivil(big.m_prochaineDate), (CivilDate{2017, 6, 30}));
}

TEST(CLigne, BuiltFromAMovement) {
    CMouvementAuto m = Mouvement({2010, 5, 4}, 1, 4);
    m.m_titre = "Loyer";
    m.m_paiement = "Virement";
    m.m_montant = -65000;
    m.m_rubrique = "Logement";
    m.m_sousRubrique = "Loyer";
    m.m_beneficiaire = "Agence Dupont";
    m.m_observation = "Loyer de mai";
    const CLigne line(m);
    CLigne expected;
    expected.Set(ToDayDate(2010, 5, 4), 0, 0, -65000, "", "Virement", "Logement", "Loyer",
                 "Agence Dupont", "Loyer de mai");
    EXPECT_EQ(line, expected);
}

TEST(CRubrique, FindSubcategoryIgnoresCaseAndReportsAbsenceAsCount) {
    CRubrique r("Alimentation", 0);
    r.InsertSousRubrique(0, CSousRubrique("Marché", 0));
    r.InsertSousRubrique(0, CSousRubrique("Boulangerie", 0));
    EXPECT_EQ(r.FindSousRubrique("MARCHÉ"), 1);
    EXPECT_EQ(r.FindSousRubrique("boulangerie"), 0);
    EXPECT_EQ(r.FindSousRubrique(""), 2);
    EXPECT_EQ(r.FindSousRubrique("Boucherie"), 2);
    r.RemoveSousRubrique(0);
    EXPECT_EQ(r.GetNomSousRubrique(0), "Marché");
}

TEST(CRegistre, PaymentMethodsSortedWithEqualNamesInInsertionOrder) {
    CRegistre reg;
    reg.AddPaiement(CPaiement("cb", 0, 1, 1));
    reg.AddPaiement(CPaiement("Chèque", 0, 1, 1));
    reg.AddPaiement(CPaiement("CB", 1, 5, 1));
    ASSERT_EQ(reg.m_paiements.size(), 3u);
    EXPECT_EQ(reg.m_paiements[0].m_nom, "cb");
    EXPECT_EQ(reg.m_paiements[1].m_nom, "CB");
    EXPECT_EQ(reg.m_paiements[2].m_nom, "Chèque");
    EXPECT_EQ(reg.AddPaiement(CPaiement("Espèces", 0, 1, 1)), 3);
    EXPECT_EQ(reg.AddPaiement(CPaiement("Avoir", 0, 1, 1)), 0);
}

// Records written and read back are equal in every saved field, whatever the
// length form of their texts.
TEST(Records, SerializeRoundTrip) {
    for (const std::size_t length : {0u, 1u, 254u, 255u, 65533u, 65534u, 70000u}) {
        const std::string t(length, 'x');
        CLigne line;
        line.Set(ToDayDate(2009, 1, 25), ToDayDate(2009, 2, 28), -1, -1234, t, "Chèque",
                 "Rubrique é", t + "Ω", "Bénéficiaire", t);
        CMouvementAuto m = Mouvement({2011, 1, 31}, 3, 31);
        m.m_titre = t;
        m.m_observation = "Œuvre €";
        CRubrique r("Rubrique", -5);
        r.InsertSousRubrique(0, CSousRubrique(t, 7));

        std::string bytes;
        CArchiveWriter w(bytes);
        line.Serialize(w);
        m.Serialize(w);
        r.Serialize(w);

        CArchiveReader ar(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        CLigne line2;
        CMouvementAuto m2;
        CRubrique r2;
        line2.Serialize(ar, kVersionCurrent);
        m2.Serialize(ar, kVersionCurrent);
        r2.Serialize(ar);
        EXPECT_EQ(ar.Remaining(), 0u);
        EXPECT_EQ(line2, line) << length;
        EXPECT_EQ(m2, m) << length;
        EXPECT_EQ(r2, r) << length;
    }
}

TEST(Records, Version30LineHasPackedDates) {
    const std::uint8_t bytes[] = {0x85, 0x35, 0, 0, 0x85, 0x35,  // issue, statement, validity
                                  0x10, 0x27, 0, 0,              // 10000 cents
                                  1,    'R',  0, 0, 0,    0,    0};
    CArchiveReader ar(bytes, sizeof bytes);
    CLigne line;
    line.Serialize(ar, kVersion30);
    EXPECT_EQ(line.m_dateEmission, ToDayDate(2016, 12, 5));
    EXPECT_EQ(line.m_dateReleve, 0);
    EXPECT_EQ(line.m_dateValidite, ToDayDate(2016, 12, 5));
    EXPECT_EQ(line.m_montant, 10000);
    EXPECT_EQ(line.m_reference, "R");
}

}  // namespace
}  // namespace belvane
