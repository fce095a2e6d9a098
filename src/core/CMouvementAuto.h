#pragma once

#include "core/Types.h"

#include <cstdint>
#include <string>

namespace belvane {

class CArchiveReader;
class CArchiveWriter;

// A recurring movement: the model of a line created every m_nbMois months.
class CMouvementAuto {
public:
    CMouvementAuto() = default;

    const std::string& GetTitre() const { return m_titre; }
    DayDate GetProchaineDate() const { return m_prochaineDate; }

    // Moves m_prochaineDate m_nbMois months on, to day m_jour of the target month,
    // or to its last day when the month is shorter.
    void AdvanceNextDate();

    void Serialize(CArchiveReader& ar, std::uint32_t version);
    void Serialize(CArchiveWriter& ar) const;

    friend bool operator==(const CMouvementAuto&, const CMouvementAuto&) = default;

    std::string m_titre;
    DayDate m_prochaineDate = 0;
    std::uint16_t m_nbMois = 0;  // 1 to 99
    std::uint16_t m_jour = 0;    // 1 to 31
    std::string m_paiement;
    Amount m_montant = 0;
    std::string m_rubrique;
    std::string m_sousRubrique;
    std::string m_beneficiaire;
    std::string m_observation;
};

}  // namespace belvane
