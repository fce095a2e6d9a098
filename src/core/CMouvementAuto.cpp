#include "core/CMouvementAuto.h"

#include "core/Archive.h"
#include "core/DayDate.h"
#include "core/FileVersion.h"

namespace belvane {

void CMouvementAuto::AdvanceNextDate() {
    const CivilDate now = ToCivil(m_prochaineDate);
    int year = now.year;
    int month = now.month + m_nbMois;
    int day = m_jour == 0 ? 1 : (m_jour > 31 ? 31 : m_jour);
    if (month > 12) {
        year += (month - 1) / 12;
        month = (month - 1) % 12 + 1;
    }
    const int last = DaysInMonth(year, month);
    if (day > last)
        day = last;
    m_prochaineDate = ToDayDate(year, month, day);
}

void CMouvementAuto::Serialize(CArchiveReader& ar, std::uint32_t version) {
    m_titre = ar.ReadString();
    if (version > kVersion30) {
        m_prochaineDate = static_cast<DayDate>(ar.ReadU32());
        m_nbMois = ar.ReadU16();
        m_jour = ar.ReadU16();
    } else {
        const std::uint16_t packed = ar.ReadU16();
        m_prochaineDate = LegacyDateToDayDate(packed);
        m_jour = packed & 0x1F;
        m_nbMois = ar.ReadU16();
    }
    m_paiement = ar.ReadString();
    m_montant = ar.ReadI32();
    m_rubrique = ar.ReadString();
    m_sousRubrique = ar.ReadString();
    m_beneficiaire = ar.ReadString();
    m_observation = ar.ReadString();
}

void CMouvementAuto::Serialize(CArchiveWriter& ar) const {
    ar.WriteString(m_titre);
    ar.WriteU32(static_cast<std::uint32_t>(m_prochaineDate));
    ar.WriteU16(m_nbMois);
    ar.WriteU16(m_jour);
    ar.WriteString(m_paiement);
    ar.WriteI32(m_montant);
    ar.WriteString(m_rubrique);
    ar.WriteString(m_sousRubrique);
    ar.WriteString(m_beneficiaire);
    ar.WriteString(m_observation);
}

}  // namespace belvane
