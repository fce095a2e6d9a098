#pragma once

#include "core/BigBlockAllocator.h"
#include "core/CBeneficiaire.h"
#include "core/CLigne.h"
#include "core/CMouvementAuto.h"
#include "core/CPaiement.h"
#include "core/CPolice.h"
#include "core/CRubrique.h"
#include "core/Types.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace belvane {

// The register's columns, in the order of their titles (strings 10032 to 10043).
enum ColumnId : std::uint8_t {
    kColDateEmission = 0,
    kColDateReleve = 1,
    kColDateValidite = 2,
    kColReference = 3,
    kColPaiement = 4,
    kColMontant = 5,
    kColCredit = 6,
    kColDebit = 7,
    kColRubrique = 8,
    kColSousRubrique = 9,
    kColBeneficiaire = 10,
    kColObservation = 11,
};
inline constexpr int kColumnCount = 12;

// Indices into m_largeurs: the six text columns that have a width.
enum WidthIndex : int {
    kWidthReference = 0,
    kWidthPaiement,
    kWidthRubrique,
    kWidthSousRubrique,
    kWidthBeneficiaire,
    kWidthObservation,
};

// Line styles: user-numbered odd lines, even lines, the selected line.
enum LineStyle : int { kStyleOdd = 0, kStyleEven = 1, kStyleSelected = 2 };

// The line store: one contiguous array, up to hundreds of thousands of lines.
using CLigneStore = std::vector<CLigne, BigBlockAllocator<CLigne>>;

// A COLORREF: 0x00BBGGRR.
using ColorRef = std::uint32_t;

// Everything a register file holds. The document owns one; the file reader
// fills a fresh one so that a failed read leaves nothing half-loaded.
struct CRegistre {
    static constexpr std::array<int, 6> kDefaultWidths = {16, 32, 32, 32, 32, 128};
    static constexpr std::array<std::uint8_t, 9> kDefaultColumns = {0, 1, 3, 4, 5, 8, 9, 10, 11};
    static constexpr std::array<ColorRef, 6> kDefaultColors = {
        0x000000, 0xFFFF80,  // style 0: black on light cyan
        0x000000, 0xFFFFFF,  // style 1: black on white
        0xFFFFFF, 0xFF0000,  // style 2: white on blue
    };
    // Widths above this are taken for a damaged file: no column needs more.
    static constexpr int kMaxWidth = 1024;

    CRegistre();

    // Back to a new, empty register with the default display settings.
    void Reset();

    // Sorted inserts: after every entry whose name sorts lower or equal (letter
    // case ignored), so equal names keep the order they were added in. Return the
    // index of the new entry.
    int AddPaiement(CPaiement paiement);
    int AddMouvement(CMouvementAuto mouvement);

    bool m_bBackup = false;
    std::array<int, 6> m_largeurs{};
    std::vector<std::uint8_t> m_colonnes;  // ColumnId values in display order, at most 12
    CPolice m_police;
    // Text and background of style 0, of style 1, of style 2.
    std::array<ColorRef, 6> m_couleurs{};
    std::string m_banque;
    std::string m_agence;
    std::string m_numeroCompte;
    std::string m_cartes;
    std::string m_titulaires;
    std::string m_annotations;
    Amount m_montantInitial = 0;
    CLigneStore m_lignes;                      // sorted by m_dateEmission
    std::vector<CPaiement> m_paiements;        // sorted by name
    std::vector<CMouvementAuto> m_mouvements;  // sorted by title
    std::vector<CRubrique> m_rubriques;
    std::vector<CBeneficiaire> m_beneficiaires;
};

}  // namespace belvane
