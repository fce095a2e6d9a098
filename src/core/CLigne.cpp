#include "core/CLigne.h"

#include "core/Archive.h"
#include "core/CMouvementAuto.h"
#include "core/DayDate.h"
#include "core/FileVersion.h"

namespace belvane {

CLigne::CLigne(const CMouvementAuto& m)
    : m_dateEmission(m.m_prochaineDate),
      m_montant(m.m_montant),
      m_paiement(m.m_paiement),
      m_rubrique(m.m_rubrique),
      m_sousRubrique(m.m_sousRubrique),
      m_beneficiaire(m.m_beneficiaire),
      m_observation(m.m_observation) {}

void CLigne::Set(DayDate dateEmission, DayDate dateReleve, DayDate dateValidite, Amount montant,
                 std::string reference, std::string paiement, std::string rubrique,
                 std::string sousRubrique, std::string beneficiaire, std::string observation) {
    m_dateEmission = dateEmission;
    m_dateReleve = dateReleve;
    m_dateValidite = dateValidite;
    m_montant = montant;
    m_reference = std::move(reference);
    m_paiement = std::move(paiement);
    m_rubrique = std::move(rubrique);
    m_sousRubrique = std::move(sousRubrique);
    m_beneficiaire = std::move(beneficiaire);
    m_observation = std::move(observation);
}

void CLigne::Serialize(CArchiveReader& ar, std::uint32_t version) {
    if (version >= kVersion31) {
        m_dateEmission = static_cast<DayDate>(ar.ReadU32());
        m_dateReleve = static_cast<DayDate>(ar.ReadU32());
        m_dateValidite = static_cast<DayDate>(ar.ReadU32());
    } else {
        m_dateEmission = LegacyDateToDayDate(ar.ReadU16());
        m_dateReleve = LegacyDateToDayDate(ar.ReadU16());
        m_dateValidite = LegacyDateToDayDate(ar.ReadU16());
    }
    m_montant = ar.ReadI32();
    m_reference = ar.ReadString();
    m_paiement = ar.ReadString();
    m_rubrique = ar.ReadString();
    m_sousRubrique = ar.ReadString();
    m_beneficiaire = ar.ReadString();
    m_observation = ar.ReadString();
}

void CLigne::Serialize(CArchiveWriter& ar) const {
    ar.WriteU32(static_cast<std::uint32_t>(m_dateEmission));
    ar.WriteU32(static_cast<std::uint32_t>(m_dateReleve));
    ar.WriteU32(static_cast<std::uint32_t>(m_dateValidite));
    ar.WriteI32(m_montant);
    ar.WriteString(m_reference);
    ar.WriteString(m_paiement);
    ar.WriteString(m_rubrique);
    ar.WriteString(m_sousRubrique);
    ar.WriteString(m_beneficiaire);
    ar.WriteString(m_observation);
}

}  // namespace belvane
