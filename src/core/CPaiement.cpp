#include "core/CPaiement.h"

#include "core/Archive.h"

namespace belvane {

void CPaiement::Set(std::string nom, std::uint16_t methode, std::uint16_t donnee1,
                    std::uint16_t donnee2) {
    m_nom = std::move(nom);
    m_methode = methode;
    m_donnee1 = donnee1;
    m_donnee2 = donnee2;
}

void CPaiement::Get(std::string& nom, std::uint16_t& methode, std::uint16_t& donnee1,
                    std::uint16_t& donnee2) const {
    nom = m_nom;
    methode = m_methode;
    donnee1 = m_donnee1;
    donnee2 = m_donnee2;
}

void CPaiement::Serialize(CArchiveReader& ar) {
    m_nom = ar.ReadString();
    m_methode = ar.ReadU16();
    m_donnee1 = ar.ReadU16();
    m_donnee2 = ar.ReadU16();
}

void CPaiement::Serialize(CArchiveWriter& ar) const {
    ar.WriteString(m_nom);
    ar.WriteU16(m_methode);
    ar.WriteU16(m_donnee1);
    ar.WriteU16(m_donnee2);
}

}  // namespace belvane
