#include "core/CBeneficiaire.h"

#include "core/Archive.h"

namespace belvane {

void CBeneficiaire::Set(std::string nom, std::string telephone, std::string adresse) {
    m_nom = std::move(nom);
    m_telephone = std::move(telephone);
    m_adresse = std::move(adresse);
}

void CBeneficiaire::GetTelephoneAdresse(std::string& telephone, std::string& adresse) const {
    telephone = m_telephone;
    adresse = m_adresse;
}

void CBeneficiaire::Serialize(CArchiveReader& ar) {
    m_nom = ar.ReadString();
    m_telephone = ar.ReadString();
    m_adresse = ar.ReadString();
}

void CBeneficiaire::Serialize(CArchiveWriter& ar) const {
    ar.WriteString(m_nom);
    ar.WriteString(m_telephone);
    ar.WriteString(m_adresse);
}

}  // namespace belvane
