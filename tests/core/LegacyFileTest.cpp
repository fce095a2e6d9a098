#include "FileBuilder.h"
#include "RecordBuilders.h"
#include "core/CRegistre.h"
#include "core/DayDate.h"
#include "core/RegisterFile.h"

#include <gtest/gtest.h>

#include <tuple>

namespace belvane {
namespace {

using testutil::FileBuilder;

// A legacy register: two categories (numbers 7 and 9), the first with two
// subcategories, two payment methods (numbers 3 and 1), one movement, three lines.
FileBuilder LegacyRegister() {
    FileBuilder f;
    f.U32(0xAAC010EE);
    // Summary block, 348 bytes.
    f.Slot("Notes", 36).Slot("Banque", 36).Slot("Agence", 36).Slot("0001", 36);
    f.Slot("4970", 100).Slot("M. Dupont", 100).U32(static_cast<std::uint32_t>(-2500));
    // A1, A2, counts, ignored, widths, factors.
    f.U16(16).U16(12).U16(2).U16(2).U16(1).U16(0xBEEF).U16(10).U16(20).U16(2).U16(1);
    for (int i = 0; i < 6; ++i)
        f.U32(0x100 + i);
    f.Zeros(64 - 24).Zeros(1024);
    f.U16(3);  // lines
    // Categories, 64 bytes each.
    f.Slot("Alimentation", 16).U32(1000).Zeros(4).U16(7).U16(2).Zeros(36);
    // A name that fills its slot, without a NUL.
    f.Slot("Loisirs\xE9t\xE9sLongNom", 16).U32(0).Zeros(4).U16(9).U16(0).Zeros(36);
    // Subcategories of the first category.
    f.Slot("March\xE9", 16).U32(5).Zeros(4).U16(1).Zeros(38);
    f.Slot("Boulangerie", 16).U32(6).Zeros(4).U16(2).Zeros(38);
    // Payment methods, 64 bytes each, not in name order.
    f.Slot("Virement", 20).U16(3).U16(4).U16(0xFFFF).U16(2).Zeros(36);
    f.Slot("Carte", 20).U16(1).U16(1).U16(5).U16(1).Zeros(36);
    // One movement, 128 bytes.
    f.U16(0x3585).U16(1).U16(3).U32(static_cast<std::uint32_t>(-65000)).U16(7).U16(2);
    f.Slot("Loyer mensuel", 38).Slot("Loyer", 76);
    // Lines, 128 bytes each.
    auto line = [&](std::uint16_t issue, std::uint16_t payment, std::int32_t amount,
                    std::uint16_t rub, std::uint16_t sousRub, std::string_view obs) {
        f.U16(issue).U16(0).U16(issue).Slot("REF", 16).U16(payment).U32(
            static_cast<std::uint32_t>(amount));
        f.U16(rub).U16(sousRub).Slot(obs, 96);
    };
    line(0x3585, 1, -1234, 7, 1, "Courses");
    line(0x3586, 3, 250000, 9, 1, "Salaire");  // category 9 has no subcategory 1
    line(0x3587, 8, -50, 42, 1, "Inconnu");    // unknown payment and category
    return f;
}

TEST(LegacyFile, ReadsNumbersAsNames) {
    CRegistre reg;
    reg.m_colonnes = {0, 5, 11};
    reg.m_largeurs[kWidthObservation] = 77;
    reg.m_bBackup = true;
    const LoadResult r = ReadRegister(LegacyRegister().Bytes(), reg);
    ASSERT_TRUE(r.status.ok()) << r.status.ToString();
    EXPECT_EQ(r.format, FileFormat::Legacy);
    EXPECT_EQ(r.version, 0u);

    EXPECT_FALSE(reg.m_bBackup);
    EXPECT_EQ(reg.m_annotations, "Notes");
    EXPECT_EQ(reg.m_titulaires, "M. Dupont");
    EXPECT_EQ(reg.m_montantInitial, -2500);
    EXPECT_EQ(reg.m_largeurs, (std::array<int, 6>{10, 20, 32, 12, 0, 77}));
    EXPECT_EQ(reg.m_colonnes, (std::vector<std::uint8_t>{0, 5, 11}));  // kept from before
    EXPECT_EQ(reg.m_couleurs[5], 0x105u);

    ASSERT_EQ(reg.m_rubriques.size(), 2u);
    EXPECT_EQ(reg.m_rubriques[1].m_nom, "LoisirsétésLongN");  // a full slot ends at its end
    ASSERT_EQ(reg.m_rubriques[0].m_sousRubriques.size(), 2u);
    EXPECT_EQ(reg.m_rubriques[0].m_sousRubriques[0].m_nom, "Marché");

    // Payment methods re-inserted in name order.
    ASSERT_EQ(reg.m_paiements.size(), 2u);
    EXPECT_EQ(reg.m_paiements[0], CPaiement("Carte", 1, 5, 1));
    EXPECT_EQ(reg.m_paiements[1], CPaiement("Virement", 4, 0xFFFF, 2));

    ASSERT_EQ(reg.m_mouvements.size(), 1u);
    const CMouvementAuto& m = reg.m_mouvements[0];
    EXPECT_EQ(std::tie(m.m_titre, m.m_prochaineDate, m.m_jour),
              std::tuple("Loyer", ToDayDate(2016, 12, 5), 5));
    EXPECT_EQ(std::tie(m.m_paiement, m.m_rubrique, m.m_sousRubrique),
              std::tuple("Virement", "Alimentation", "Boulangerie"));

    const auto line = [](int day, const char* paiement, Amount montant, const char* rubrique,
                         const char* sous, const char* observation) {
        const DayDate date = ToDayDate(2016, 12, day);
        return testutil::MakeLine(date, 0, date, montant, "REF", paiement, rubrique, sous, "",
                                  observation);
    };
    EXPECT_EQ(reg.m_lignes, (decltype(reg.m_lignes){
                                line(5, "Carte", -1234, "Alimentation", "Marché", "Courses"),
                                line(6, "Virement", 250000, "LoisirsétésLongN", "", "Salaire"),
                                line(7, "", -50, "", "", "Inconnu"),
                            }))
        << "names for the numbers, empty for numbers without their record";
}

TEST(LegacyFile, EveryCutIsUnreadable) {
    const std::vector<std::uint8_t> full = LegacyRegister().Bytes();
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        CRegistre reg;
        const std::vector<std::uint8_t> part(full.begin(), full.begin() + cut);
        ASSERT_EQ(ReadRegister(part, reg).status.code(), Status::Code::Unreadable)
            << "cut at " << cut;
    }
}

// Regression: the product of a 16-bit width and factor overflowed an int.
TEST(LegacyFile, HugeWidthFactorsAreCapped) {
    std::vector<std::uint8_t> bytes = LegacyRegister().Bytes();
    const std::size_t header = 4 + 348;
    for (const std::size_t at : {header, header + 2, header + 16, header + 18})
        bytes[at] = bytes[at + 1] = 0xFF;
    CRegistre reg;
    ASSERT_TRUE(ReadRegister(bytes, reg).status.ok());
    EXPECT_EQ(reg.m_largeurs[kWidthRubrique], CRegistre::kMaxWidth);
    EXPECT_EQ(reg.m_largeurs[kWidthSousRubrique], CRegistre::kMaxWidth);
}

TEST(LegacyFile, AbsurdSubcategoryCountsAreRefusedBeforeAllocating) {
    FileBuilder f;
    f.U32(0xAAC010EE).Zeros(348);
    f.U16(16).U16(16).U16(3).U16(0).U16(0).U16(0).U16(16).U16(16).U16(1).U16(1);
    f.Zeros(64 + 1024).U16(0);
    for (int i = 0; i < 3; ++i)
        f.Slot("R", 16).U32(0).Zeros(4).U16(static_cast<std::uint16_t>(i)).U16(0xFFFF).Zeros(36);
    CRegistre reg;
    EXPECT_EQ(ReadRegister(f.Bytes(), reg).status.code(), Status::Code::Unreadable);
}

}  // namespace
}  // namespace belvane
