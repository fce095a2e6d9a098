#include "FileBuilder.h"
#include "RecordBuilders.h"
#include "core/CRegistre.h"
#include "core/DayDate.h"
#include "core/FileVersion.h"
#include "core/RegisterFile.h"

#include <gtest/gtest.h>

#include <tuple>

namespace belvane {
namespace {

using testutil::AsBytes;
using testutil::FileBuilder;
using testutil::MakeLine;
using testutil::MakeRubrique;

// A register with every field set, texts of each length form and characters
// that windows-1252 cannot hold.
CRegistre FullRegister() {
    CRegistre reg;
    reg.m_bBackup = true;
    reg.m_largeurs = {10, 20, 30, 31, 25, 100};
    reg.m_colonnes = {11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    reg.m_police = CPolice::Make("Liberation Mono", 120, 700, true, false, true, 0, 0x31);
    reg.m_couleurs = {1, 2, 3, 4, 5, 6};
    reg.m_banque = "Banque Populaire du Nord";
    reg.m_agence = "Agence de l'Hôtel de Ville";
    reg.m_numeroCompte = "00012345678";
    reg.m_cartes = "4970 1234 5678 9012";
    reg.m_titulaires = "M. et Mme Lefèvre";
    reg.m_annotations = "Ligne 1\r\nLigne 2 — Ω";
    reg.m_montantInitial = -123456;
    for (const std::size_t n : {0u, 254u, 255u, 70000u})
        reg.m_lignes.push_back(MakeLine(ToDayDate(2009, 1, 25), ToDayDate(2009, 2, 28),
                                        ToDayDate(2009, 2, 5), -1234, std::string(n, 'r'), "Chèque",
                                        "Alimentation", "Marché", "Crédit Agricole",
                                        std::string(n, 'o') + "€"));
    reg.m_lignes.push_back(MakeLine(ToDayDate(2010, 6, 1), 0, ToDayDate(2010, 6, 1), 0, "",
                                    "Virement", "", "", "Ωμέγα 日本", "emoji 😀"));
    reg.m_paiements = {CPaiement("Carte", 1, 5, 1), CPaiement("Virement", 4, 0xFFFE, 2)};
    CMouvementAuto m = testutil::MakeMouvement("Loyer", {2026, 1, 5}, 1, 5, -65000);
    m.m_paiement = "Virement";
    m.m_rubrique = "Logement";
    m.m_sousRubrique = "Loyer";
    m.m_beneficiaire = "SCI Les Tilleuls";
    m.m_observation = "Loyer mensuel";
    reg.m_mouvements = {m};
    reg.m_rubriques = {MakeRubrique("Logement", 5000, {{"Loyer", -100}, {"Électricité", 0}}),
                       CRubrique("Vide", 0)};
    reg.m_beneficiaires = {
        CBeneficiaire("SCI Les Tilleuls", "01 23 45 67 89", "3 rue des Lilas\r\n75011 Paris")};
    return reg;
}

// Every field compared (not printed: some texts are 70 000 characters long).
void ExpectSameRegister(const CRegistre& a, const CRegistre& b) {
    const auto fields = [](const CRegistre& r) {
        return std::tie(r.m_bBackup, r.m_largeurs, r.m_colonnes, r.m_police, r.m_couleurs,
                        r.m_banque, r.m_agence, r.m_numeroCompte, r.m_cartes, r.m_titulaires,
                        r.m_annotations, r.m_montantInitial, r.m_lignes, r.m_paiements,
                        r.m_mouvements, r.m_rubriques, r.m_beneficiaires);
    };
    EXPECT_TRUE(fields(a) == fields(b));
}

TEST(RegisterFile, NewRegisterGoldenBytes) {
    const std::string bytes = WriteRegister(CRegistre());
    FileBuilder expected;
    expected.Str("KVT-BELVANE-BLV").U32(0x305).U16(0).U8(0);
    for (const std::uint32_t w : {16, 32, 32, 32, 32, 128})
        expected.U32(w);
    expected.U16(9);
    for (const std::uint16_t c : {0, 1, 3, 4, 5, 8, 9, 10, 11})
        expected.U16(c);
    const std::size_t fontAt = expected.Size();
    expected.Zeros(60);
    for (const std::uint32_t c : {0x000000u, 0xFFFF80u, 0x000000u, 0xFFFFFFu, 0xFFFFFFu, 0xFF0000u})
        expected.U32(c);
    // Six empty summary texts, the initial amount, five empty lists.
    expected.Zeros(6).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0);

    ASSERT_EQ(bytes.size(), expected.Size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i >= fontAt && i < fontAt + 60)
            continue;
        ASSERT_EQ(static_cast<std::uint8_t>(bytes[i]), expected.Bytes()[i]) << "byte " << i;
    }
    // The font of a new register: Courier New, 10 points, normal, fixed pitch.
    const CPolice font =
        CPolice::FromBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()) + fontAt);
    EXPECT_EQ(font.Face(), "Courier New");
    EXPECT_EQ(font.HeightTenths(), 100);
    EXPECT_EQ(font.Weight(), 400);
    EXPECT_EQ(font.PitchAndFamily() & 0x03, 1);
}

TEST(RegisterFile, CurrentFormatRoundTripsEveryField) {
    const CRegistre original = FullRegister();
    const std::string bytes = WriteRegister(original);
    CRegistre loaded;
    const LoadResult r = ReadRegister(AsBytes(bytes), loaded);
    ASSERT_TRUE(r.status.ok()) << r.status.ToString();
    EXPECT_EQ(r.format, FileFormat::Blv);
    EXPECT_EQ(r.version, kVersionCurrent);
    ExpectSameRegister(loaded, original);
    // Writing again gives the same bytes.
    EXPECT_EQ(WriteRegister(loaded), bytes);

    // Any version word of 0x305 or more reads with the current layout.
    std::string newer = bytes;
    newer[16] = 0x00;
    newer[17] = 0x10;  // 0x1000
    CRegistre again;
    EXPECT_EQ(ReadRegister(AsBytes(newer), again).version, 0x1000u);
    ExpectSameRegister(again, original);
    // A version word of 0 is no register at all.
    newer[17] = 0;
    EXPECT_EQ(ReadRegister(AsBytes(newer), again).status.code(), Status::Code::Unreadable);
}

// A text's length in one byte, after 0xFF in 16 bits, after 0xFFFF in 32 bits;
// marked 0xFF 0xFE and in UTF-16 when windows-1252 cannot hold it.
TEST(RegisterFile, StringForms) {
    using Bytes = std::vector<std::uint8_t>;
    auto startOf = [](std::string banque, std::size_t n = 7) {
        CRegistre reg;
        reg.m_banque = std::move(banque);
        const std::string bytes = WriteRegister(reg);
        // The bank is the first summary string, right after the colours.
        const std::size_t at = 1 + 15 + 4 + 2 + 1 + 24 + 2 + 18 + 60 + 24;
        return Bytes(bytes.begin() + at, bytes.begin() + at + n);
    };
    const auto b = [](std::size_t n) { return std::string(n, 'b'); };
    EXPECT_EQ(startOf(b(254))[0], 0xFE);
    EXPECT_EQ(startOf(b(255)), (Bytes{0xFF, 0xFF, 0x00, 'b', 'b', 'b', 'b'}));
    EXPECT_EQ(startOf(b(65533)), (Bytes{0xFF, 0xFD, 0xFF, 'b', 'b', 'b', 'b'}));
    EXPECT_EQ(startOf(b(65534)), (Bytes{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(startOf(b(70000)), (Bytes{0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}));
    EXPECT_EQ(startOf("aΩ", 8), (Bytes{0xFF, 0xFE, 0xFF, 0x02, 'a', 0x00, 0xA9, 0x03}));
    EXPECT_EQ(startOf("é €", 4), (Bytes{0x03, 0xE9, ' ', 0x80}));
}

// A minimal stream after the magic (and version word), in the older layout.
FileBuilder OlderStream(std::string_view magic, std::uint32_t version, bool withVersionWord,
                        std::initializer_list<std::uint32_t> widths) {
    FileBuilder f;
    f.Str(magic);
    if (withVersionWord)
        f.U32(version);
    f.U16(1).Str("ignored");
    for (const std::uint32_t w : widths)
        f.U32(w);
    for (int i = 0; i < 6; ++i)
        f.U32(0x10 + i);
    f.Str("Banque").Str("Agence").Str("123").Str("").Str("Titulaire").Str("");
    f.U32(5000);
    return f;
}

TEST(RegisterFile, Version31RebuildsColumnsFromWidths) {
    FileBuilder f = OlderStream("KVT-BELVANE-3.1", 0, false, {0, 20, 0, 25, 30});
    f.U32(1).U32(ToDayDate(2009, 1, 25)).U32(0).U32(ToDayDate(2009, 1, 26));  // one line
    f.U32(static_cast<std::uint32_t>(-500)).Str("12").Str("Ch\xE8que");
    f.Str("R").Str("S").Str("B").Str("Obs");
    f.U32(1).Str("Ch\xE8que").U16(0).U16(1).U16(1);
    f.U32(1).Str("Mvt").U32(ToDayDate(2026, 1, 5)).U16(1).U16(5);  // monthly, on the 5th
    f.Str("P").U32(100).Str("R").Str("S").Str("B").Str("O");
    f.U32(1).Str("R").U32(0).U32(1).Str("S").U32(7);
    f.U32(1).Str("B").Str("tel").Str("adr");

    CRegistre reg;
    const LoadResult r = ReadRegister(f.Bytes(), reg);
    ASSERT_TRUE(r.status.ok()) << r.status.ToString();
    EXPECT_EQ(r.format, FileFormat::V31);
    EXPECT_EQ(r.version, 0x301u);
    EXPECT_TRUE(reg.m_bBackup);
    EXPECT_EQ(reg.m_colonnes, (std::vector<std::uint8_t>{0, 1, 4, 5, 9, 10, 11}));
    EXPECT_EQ(reg.m_largeurs, (std::array<int, 6>{16, 20, 32, 25, 30, 64}));
    EXPECT_EQ(reg.m_police, CPolice::DefaultFixedPitch());
    ASSERT_EQ(reg.m_lignes.size(), 1u);
    EXPECT_EQ(reg.m_lignes[0].m_paiement, "Chèque");
    EXPECT_EQ(reg.m_lignes[0].m_montant, -500);
    EXPECT_EQ(reg.m_mouvements[0].m_jour, 5);
    EXPECT_EQ(reg.m_rubriques[0].m_sousRubriques[0].m_montantInitial, 7);
    EXPECT_EQ(reg.m_beneficiaires[0].m_adresse, "adr");

    // Saving writes the full column list and the font, and reads back the same.
    const std::string saved = WriteRegister(reg);
    CRegistre again;
    ASSERT_TRUE(ReadRegister(AsBytes(saved), again).status.ok());
    ExpectSameRegister(again, reg);
}

TEST(RegisterFile, Version30HasPackedDatesAndMovementDay) {
    FileBuilder f = OlderStream("KVT-BELVANE-3.0", 0, false, {16, 32, 32, 32, 32});
    f.U32(1).U16(0x3585).U16(0).U16(0x3585).U32(100);  // one line, its six texts empty
    f.Str("").Str("").Str("").Str("").Str("").Str("");
    f.U32(0);
    f.U32(1).Str("Mvt").U16(0x3585).U16(2).Str("P").U32(100).Str("R").Str("S").Str("B").Str("O");
    f.U32(0).U32(0);

    CRegistre reg;
    const LoadResult r = ReadRegister(f.Bytes(), reg);
    ASSERT_TRUE(r.status.ok()) << r.status.ToString();
    EXPECT_EQ(r.format, FileFormat::V30);
    EXPECT_EQ(reg.m_lignes[0].m_dateEmission, ToDayDate(2016, 12, 5));
    EXPECT_EQ(reg.m_lignes[0].m_dateReleve, 0);
    EXPECT_EQ(reg.m_mouvements[0].m_prochaineDate, ToDayDate(2016, 12, 5));
    EXPECT_EQ(reg.m_mouvements[0].m_jour, 5);
    EXPECT_EQ(reg.m_mouvements[0].m_nbMois, 2);
    EXPECT_EQ(reg.m_colonnes, (std::vector<std::uint8_t>{0, 1, 3, 4, 5, 8, 9, 10, 11}));
}

// 0x302: 32-bit dates but the older column rebuild.
TEST(RegisterFile, Version302HasTheOlderColumns) {
    FileBuilder older = OlderStream("KVT-BELVANE-BLV", 0x302, true, {16, 0, 32, 32, 32});
    older.U32(0).U32(0).U32(0).U32(0).U32(0);
    CRegistre reg;
    const LoadResult r = ReadRegister(older.Bytes(), reg);
    ASSERT_TRUE(r.status.ok()) << r.status.ToString();
    EXPECT_EQ(r.version, 0x302u);
    EXPECT_EQ(reg.m_colonnes, (std::vector<std::uint8_t>{0, 1, 3, 5, 8, 9, 10, 11}));
}

}  // namespace
}  // namespace belvane
