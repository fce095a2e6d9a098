#pragma once

#include <string>

namespace belvane {

class CArchiveReader;
class CArchiveWriter;

// A payee: a debtor or creditor of the account.
class CBeneficiaire {
public:
    CBeneficiaire() = default;
    CBeneficiaire(std::string nom, std::string telephone, std::string adresse)
        : m_nom(std::move(nom)), m_telephone(std::move(telephone)), m_adresse(std::move(adresse)) {}

    void Set(std::string nom, std::string telephone, std::string adresse);
    const std::string& GetNom() const { return m_nom; }
    void GetTelephoneAdresse(std::string& telephone, std::string& adresse) const;

    void Serialize(CArchiveReader& ar);
    void Serialize(CArchiveWriter& ar) const;

    friend bool operator==(const CBeneficiaire&, const CBeneficiaire&) = default;

    std::string m_nom;
    std::string m_telephone;
    std::string m_adresse;  // may hold CR LF line breaks
};

}  // namespace belvane
