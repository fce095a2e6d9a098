#pragma once

#include "core/Types.h"

#include <cstdint>
#include <string>

namespace belvane {

class CArchiveReader;
class CArchiveWriter;
class CMouvementAuto;

// One transaction of the account. A line has no identity of its own: its index
// in the document's store names it, and the user sees that index plus one.
class CLigne {
public:
    CLigne() = default;
    // The line a recurring movement creates: its next date as issue date, no
    // statement or validity date yet, no reference.
    explicit CLigne(const CMouvementAuto& mouvement);

    void Set(DayDate dateEmission, DayDate dateReleve, DayDate dateValidite, Amount montant,
             std::string reference, std::string paiement, std::string rubrique,
             std::string sousRubrique, std::string beneficiaire, std::string observation);

    DayDate GetDateEmission() const { return m_dateEmission; }
    // An amount of zero counts as a credit everywhere.
    bool IsCredit() const { return m_montant >= 0; }

    void Serialize(CArchiveReader& ar, std::uint32_t version);
    void Serialize(CArchiveWriter& ar) const;

    friend bool operator==(const CLigne&, const CLigne&) = default;

    DayDate m_dateEmission = 0;
    DayDate m_dateReleve = 0;  // 0 while not matched against a statement
    DayDate m_dateValidite = 0;
    Amount m_montant = 0;
    std::string m_reference;
    std::string m_paiement;
    std::string m_rubrique;
    std::string m_sousRubrique;
    std::string m_beneficiaire;
    std::string m_observation;
};

}  // namespace belvane
