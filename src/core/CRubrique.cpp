#include "core/CRubrique.h"

#include "core/Archive.h"
#include "core/Text.h"

namespace belvane {

void CRubrique::InsertSousRubrique(int i, const CSousRubrique& sr) {
    m_sousRubriques.insert(m_sousRubriques.begin() + i, sr);
}

void CRubrique::RemoveSousRubrique(int i) {
    m_sousRubriques.erase(m_sousRubriques.begin() + i);
}

void CRubrique::SetNbSousRubriques(int n) {
    m_sousRubriques.resize(n < 0 ? 0 : n);
}

void CRubrique::SetMontantInitialSousRubrique(int i, Amount montant) {
    m_sousRubriques[i].m_montantInitial = montant;
}

void CRubrique::Serialize(CArchiveReader& ar) {
    m_nom = ar.ReadString();
    m_montantInitial = ar.ReadI32();
    const std::uint32_t n = ar.ReadU32();
    ar.RequireRecords(n, 5);  // an empty name and an amount at least
    m_sousRubriques.clear();
    m_sousRubriques.resize(n);
    for (CSousRubrique& sr : m_sousRubriques)
        sr.Serialize(ar);
}

void CRubrique::Serialize(CArchiveWriter& ar) const {
    ar.WriteString(m_nom);
    ar.WriteI32(m_montantInitial);
    ar.WriteU32(static_cast<std::uint32_t>(m_sousRubriques.size()));
    for (const CSousRubrique& sr : m_sousRubriques)
        sr.Serialize(ar);
}

}  // namespace belvane
